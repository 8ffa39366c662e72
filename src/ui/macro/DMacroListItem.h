#ifndef DMACROLISTITEM_H
#define DMACROLISTITEM_H

#include <QPointer>
#include <QWidget>

#include "ui/widgets/ArrowWidget.h"

namespace Ui {
class DMacroListItem;
}

// One row of the macro list: the macro's name, its menu (Export, Delete,
// Modify Name) in a bubble, and the rename in place.
class DMacroListItem : public QWidget
{
    Q_OBJECT
public:
    explicit DMacroListItem(QWidget *parent = nullptr);
    ~DMacroListItem() override;

    // False (and the old path kept) for a path that does not fit 256 bytes.
    bool setMacroXmlPath(const char *path);
    void setMacroInfo(QString index, QString name);
    void setSelected(bool selected);

    QString macroIndex() const { return m_macroIndex; }
    QString macroName() const { return m_macroName; }
    bool isRenaming() const;
    ArrowWidget *menuPopup() const { return m_menuPopup; }

    // The rename, as the menu and a double click open it.
    void startRename();

signals:
    void sigMacroItemMouseClicked(QString index, QString name);
    void sigModifyMacroItemNameIsEmpty();
    void sigModifyMacroItemNameSuccess();
    void sigExportMacroChildList(QString index, QString name);
    void sigDeleteMacro(QString index, QString name);
    // The store refused the new name (too long for it, or the store failed).
    void sigModifyMacroItemNameFailed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private slots:
    void onCloseMenuWidow();
    void onMacroExport();
    void onMacroDelete();
    void onMacroModifyNanme();
    void on_pushButton_MacroOperate_clicked();
    void on_pushButton_Save_clicked();
    void on_pushButton_Cancel_clicked();

private:
    void hideMenu();

    Ui::DMacroListItem *ui;
    char *m_macroXmlPath;
    QString m_macroName;
    QString m_macroIndex = QStringLiteral("-1");
    QPointer<ArrowWidget> m_menuPopup;
    QString m_lineColor = QStringLiteral("52,52,86");
    QString m_selectedColor = QStringLiteral("42,42,65");
    QString m_hoverColor = QStringLiteral("37,37,60");
};

#endif // DMACROLISTITEM_H
