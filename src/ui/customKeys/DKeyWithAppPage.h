#ifndef DKEYWITHAPPPAGE_H
#define DKEYWITHAPPPAGE_H

#include <memory>

#include "ui/customKeys/DKeyFunctionPage.h"

class DFileChooser;

namespace Ui {
class DKeyWithAppPage;
}

// The "Launch Application" function page: the key opens a file chosen in a
// file dialog (a program or a document); choosing an existing file stores the
// binding at once.
class DKeyWithAppPage : public DKeyFunctionPage
{
    Q_OBJECT
public:
    explicit DKeyWithAppPage(QWidget *parent = nullptr);
    ~DKeyWithAppPage() override;

    void retranslate() override;
    // Who answers the file question (tests answer in place of the user).
    void setFileChooser(std::shared_ptr<DFileChooser> chooser);
    void saveKeyBinding();
    QString shownPath() const;
    QString chosenPath() const { return m_chosenPath; }

    static QString startFolder();
    static QString fileFilter();

protected:
    bool ownsType(int type) const override { return type == KeyFunctionLaunchApp; }
    void clearChoice() override;
    void showBinding(const KeyOperateInfo &info) override;

private slots:
    void on_pushButton_selectAppPath_clicked();

private:
    void applyTexts();

    Ui::DKeyWithAppPage *ui;
    QString m_chosenPath;
    std::shared_ptr<DFileChooser> m_chooser;
};

#endif // DKEYWITHAPPPAGE_H
