#include "ui/customKeys/DChangProfilePage.h"
#include "ui_DChangProfilePage.h"

#include <QCoreApplication>
#include <QListView>
#include <QSignalBlocker>

#include <cstdlib>
#include <vector>

DChangProfilePage::DChangProfilePage(QWidget *parent)
    : DKeyFunctionPage(parent)
    , ui(new Ui::DChangProfilePage)
{
    ui->setupUi(this);
    // A list view takes the item height and colours of the style sheet.
    ui->comboBox_Profile->setView(new QListView(ui->comboBox_Profile));
    connect(ui->comboBox_Profile, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DChangProfilePage::onProfileChosen);
    applyTexts();
}

DChangProfilePage::~DChangProfilePage()
{
    delete ui;
}

void DChangProfilePage::applyTexts()
{
    ui->label_2->setText(QCoreApplication::translate("QObject", "Assign Profile"));
}

void DChangProfilePage::retranslate()
{
    ui->retranslateUi(this);
    applyTexts();
}

void DChangProfilePage::clearChoice()
{
    const QSignalBlocker blocker(ui->comboBox_Profile);
    ui->comboBox_Profile->clear();
    std::vector<ProfileNodeEntry> profiles;
    const QByteArray path = profilePath();
    CVardexXML_SelectProFileAllNodes(path.constData(), profiles);
    for (const ProfileNodeEntry &entry : profiles) {
        const QString index = QString::fromUtf8(entry.index, int(qstrnlen(entry.index, sizeof entry.index)));
        const QString name = QString::fromUtf8(entry.name, int(qstrnlen(entry.name, sizeof entry.name)));
        ui->comboBox_Profile->addItem(name, index);
        m_profileNames.insert(index.toInt(), name);
    }
    ui->comboBox_Profile->setCurrentIndex(ui->comboBox_Profile->count() > 0 ? 0 : -1);
}

void DChangProfilePage::showBinding(const KeyOperateInfo &info)
{
    const QSignalBlocker blocker(ui->comboBox_Profile);
    // Found by index, so that two profiles of one name stay apart.
    const int row = ui->comboBox_Profile->findData(QString::number(std::atoi(info.value)));
    if (row >= 0)
        ui->comboBox_Profile->setCurrentIndex(row);
}

void DChangProfilePage::onProfileChosen(int index)
{
    Q_UNUSED(index)
    saveKeyBinding();
}

void DChangProfilePage::saveKeyBinding()
{
    if (ui->comboBox_Profile->currentIndex() < 0)
        return;
    const int profile = ui->comboBox_Profile->currentData().toString().toInt();
    storeBinding(KeyFunctionSwitchProfile, 1, 1, QByteArray::number(profile));
}
