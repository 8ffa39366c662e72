#ifndef DFIRWAREINFOSHOW_H
#define DFIRWAREINFOSHOW_H

#include <QDialog>
#include <QMap>
#include <QString>
#include <QWidget>

#include <memory>

class QVBoxLayout;
struct hidFirmwareInfo;

namespace Ui {
class DFirwareInfoShow;
class DFirwareInfoItem;
}

// One firmware identity of the firmware information dialog.
class DFirwareInfoItem : public QWidget
{
    Q_OBJECT
public:
    explicit DFirwareInfoItem(QWidget *parent = nullptr);
    ~DFirwareInfoItem() override;
    // Shows the key after its first "-" (all of it without one) and the value.
    void setInfo(QString key, QString value);
    QString hidInfoText() const;
    QString dateTimeText() const;

private:
    std::unique_ptr<Ui::DFirwareInfoItem> ui;
};

// The firmware identities, versions and build times of the attached
// keyboards, read once shortly after the dialog opens.
class DFirwareInfoShow : public QDialog
{
    Q_OBJECT
public:
    explicit DFirwareInfoShow(QWidget *parent = nullptr);
    ~DFirwareInfoShow() override;

    // The row of one firmware record: identity key and version/build value.
    static QPair<QString, QString> rowOf(const hidFirmwareInfo &firmware);
    void fillRows(QMap<QString, QString> rows);
    void clearRows();
    QList<DFirwareInfoItem *> rows() const;

private slots:
    void onLoadingFirmwareInfo();

private:
    std::unique_ptr<Ui::DFirwareInfoShow> ui;
    QVBoxLayout *m_pInfoListLayout = nullptr;
};

#endif // DFIRWAREINFOSHOW_H
