#ifndef DCUSTOMLIGHTLISTITEM_H
#define DCUSTOMLIGHTLISTITEM_H

#include <QString>
#include <QWidget>

namespace Ui {
class DCustomLightListItem;
}

// One custom light in the light page's list: whether it occupies a keyboard
// slot ("Using" box), its name, and renaming in place (double click).
class DCustomLightListItem : public QWidget
{
    Q_OBJECT
public:
    // The store keeps a name in 64 bytes with its terminating zero.
    static constexpr int kMaxNameBytes = 63;

    explicit DCustomLightListItem(QWidget *parent = nullptr);
    ~DCustomLightListItem() override;

    void setItemInfo(QString index, QString name, QString isUsing, int usingFlagIndex);
    void setItemSelected(bool selected);
    // Sets the box without emitting anything.
    void setUsingChecked(bool checked);
    bool isUsingChecked() const;
    bool isRenaming() const;

    QString itemIndex() const { return m_index; }
    QString itemName() const { return m_name; }
    QString usingStatus() const { return m_usingStatus; }
    int usingFlagIndex() const { return m_usingFlagIndex; }
    void setUsingStatus(QString status) { m_usingStatus = status; }
    void setUsingFlagIndex(int flagIndex) { m_usingFlagIndex = flagIndex; }

signals:
    void sigCustomLightItemMouseClicked(QString index, QString name);
    void sigModifyCustomLightItemNameIsEmpty();
    void sigModifyCustomLightItemNameSuccess();
    void sigCustomLightUsingStatus(bool isUsing);
    void sigModifyCustomLightItemNameTooLong();
    void sigModifyCustomLightItemNameFailed();

private slots:
    void on_checkBox_clicked();
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    Ui::DCustomLightListItem *ui;
    QString m_index = QStringLiteral("-1");
    QString m_name;
    QString m_usingStatus;
    int m_usingFlagIndex = -1;
};

#endif // DCUSTOMLIGHTLISTITEM_H
