#include "ui/customKeys/DMacroCmdPage.h"
#include "ui_DMacroCmdPage.h"

#include <QCoreApplication>
#include <QIntValidator>
#include <QListView>
#include <QSignalBlocker>

#include <cstdlib>
#include <list>
#include <vector>

#include "data/DDataManager.h"

namespace {
constexpr int kMaxPlayCount = 255;
} // namespace

DMacroCmdPage::DMacroCmdPage(QWidget *parent)
    : DKeyFunctionPage(parent)
    , ui(new Ui::DMacroCmdPage)
{
    ui->setupUi(this);
    ui->lineEdit_playMany->setValidator(new QIntValidator(1, kMaxPlayCount, ui->lineEdit_playMany));
    ui->comboBox_Macro->setView(new QListView(ui->comboBox_Macro));
    connect(ui->comboBox_Macro, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DMacroCmdPage::onMacroChosen);
    ui->radioButton_playOne->setChecked(true);
    ui->lineEdit_playMany->setText(QStringLiteral("1"));
    ui->lineEdit_playMany->setEnabled(false);
    applyTexts();
}

DMacroCmdPage::~DMacroCmdPage()
{
    delete ui;
}

void DMacroCmdPage::applyTexts()
{
    ui->label->setText(QCoreApplication::translate("QObject", "Play Type"));
    ui->radioButton_playOne->setText(QCoreApplication::translate("QObject", "Play once"));
    ui->radioButton_playMany->setText(QCoreApplication::translate("QObject", "Play multiple times"));
    ui->radioButton_playKeyPressRelStop->setText(QCoreApplication::translate("QObject", "Continous playback on/off"));
    ui->radioButton_playWhellKeyPress->setText(
        QCoreApplication::translate("QObject", "Play while assigned key is pressed"));
    ui->label_3->setText(QCoreApplication::translate("QObject", "Play Number"));
    ui->lineEdit_playMany->setPlaceholderText(QCoreApplication::translate("QObject", "Play Number 1,2,3..."));
    ui->label_2->setText(QCoreApplication::translate("QObject", "Assign Macro"));
}

void DMacroCmdPage::retranslate()
{
    ui->retranslateUi(this);
    applyTexts();
}

void DMacroCmdPage::clearChoice()
{
    DDataManager::instance()->copyMacroXmlPath(m_macroPath);
    m_macroPath[sizeof(m_macroPath) - 1] = '\0';
    m_macroNumber = 0;
    m_playCount = 1;
    m_playMode = MacroPlayOnce;

    const QSignalBlocker comboBlocker(ui->comboBox_Macro);
    const QSignalBlocker countBlocker(ui->lineEdit_playMany);
    ui->radioButton_playOne->setChecked(true);
    ui->lineEdit_playMany->setText(QStringLiteral("1"));
    ui->lineEdit_playMany->setEnabled(false);
    ui->comboBox_Macro->clear();

    std::vector<MacroNodeEntry> macros;
    CVardexXML_SelectMacroAllNodes(m_macroPath, macros);
    for (const MacroNodeEntry &entry : macros) {
        const QString index = QString::fromUtf8(entry.index, int(qstrnlen(entry.index, sizeof entry.index)));
        const QString name = QString::fromUtf8(entry.name, int(qstrnlen(entry.name, sizeof entry.name)));
        ui->comboBox_Macro->addItem(name, index);
        m_macroNames.insert(index.toInt(), name);
    }
    ui->comboBox_Macro->setCurrentIndex(ui->comboBox_Macro->count() > 0 ? 0 : -1);
}

void DMacroCmdPage::showBinding(const KeyOperateInfo &info)
{
    const QSignalBlocker comboBlocker(ui->comboBox_Macro);
    const QSignalBlocker countBlocker(ui->lineEdit_playMany);
    const int mode = std::atoi(info.playMode);
    switch (mode) {
    case MacroPlayCount: ui->radioButton_playMany->setChecked(true); break;
    case MacroPlayToggle: ui->radioButton_playKeyPressRelStop->setChecked(true); break;
    case MacroPlayWhileHeld: ui->radioButton_playWhellKeyPress->setChecked(true); break;
    default: ui->radioButton_playOne->setChecked(true); break;
    }
    if (mode == MacroPlayCount) {
        ui->lineEdit_playMany->setText(QString::fromLatin1(info.playCount));
        ui->lineEdit_playMany->setEnabled(true);
    }
    // Found by number, so that two macros of one name stay apart.
    m_macroNumber = std::atoi(info.value);
    // A macro deleted from the list since it was bound is shown as no choice:
    // the key keeps it (the profile holds its copy) until another is chosen.
    ui->comboBox_Macro->setCurrentIndex(ui->comboBox_Macro->findData(QString::number(m_macroNumber)));
    m_playCount = std::atoi(info.playCount);
    m_playMode = mode;
}

void DMacroCmdPage::choosePlayMode(int mode)
{
    ui->lineEdit_playMany->setEnabled(mode == MacroPlayCount);
    m_playMode = mode;
    saveFromControls();
}

void DMacroCmdPage::on_radioButton_playOne_clicked()
{
    choosePlayMode(MacroPlayOnce);
}

void DMacroCmdPage::on_radioButton_playMany_clicked()
{
    choosePlayMode(MacroPlayCount);
}

void DMacroCmdPage::on_radioButton_playKeyPressRelStop_clicked()
{
    choosePlayMode(MacroPlayToggle);
}

void DMacroCmdPage::on_radioButton_playWhellKeyPress_clicked()
{
    choosePlayMode(MacroPlayWhileHeld);
}

void DMacroCmdPage::on_lineEdit_playMany_textChanged(const QString &text)
{
    // Half-typed text ("", "0", "999") is not a count: only a value the
    // field accepts is stored.
    if (!ui->lineEdit_playMany->hasAcceptableInput())
        return;
    m_playCount = text.toInt();
    saveFromControls();
}

void DMacroCmdPage::onMacroChosen(int index)
{
    Q_UNUSED(index)
    saveFromControls();
}

void DMacroCmdPage::saveFromControls()
{
    int mode = 0;
    if (ui->radioButton_playOne->isChecked())
        mode = MacroPlayOnce;
    else if (ui->radioButton_playMany->isChecked())
        mode = MacroPlayCount;
    else if (ui->radioButton_playKeyPressRelStop->isChecked())
        mode = MacroPlayToggle;
    else if (ui->radioButton_playWhellKeyPress->isChecked())
        mode = MacroPlayWhileHeld;
    if (mode == 0)
        return;
    m_playMode = mode;
    int count = 1;
    if (mode == MacroPlayCount) {
        if (!ui->lineEdit_playMany->hasAcceptableInput())
            return;
        count = ui->lineEdit_playMany->text().toInt();
        m_playCount = count;
    }
    // The macro is the one the combo box shows, or, when it shows none, the
    // one the key is bound to (never silently another one).
    const int number = ui->comboBox_Macro->currentIndex() >= 0
                           ? ui->comboBox_Macro->currentData().toString().toInt()
                           : m_macroNumber;
    saveKeyBinding(count, mode, number);
}

void DMacroCmdPage::saveKeyBinding(int playCount, int playMode, int macroNumber)
{
    if (macroNumber < 1) {
        emit sigCustomKeyInfoSaveFailed(KeyFunctionMacro, ErrorNoMacro);
        return;
    }
    if (keyCode() == -1)
        return;
    if (playMode != MacroPlayCount)
        playCount = 1;
    m_macroNumber = macroNumber;
    // Asked before the key's own binding is replaced: a key that already
    // uses the macro, or a second key of the profile, makes no new copy.
    const QByteArray path = profilePath();
    const QByteArray profile = QByteArray::number(profileIndex());
    const QByteArray number = QByteArray::number(macroNumber);
    if (CVardexXML_GetProFileValueNum(path.constData(), profile.constData(), "1", number.constData()) < 1)
        bindMacroToProfile(macroNumber);
    storeBinding(KeyFunctionMacro, playCount, playMode, number);
}

void DMacroCmdPage::bindMacroToProfile(int macroNumber)
{
    const QByteArray path = profilePath();
    const QByteArray profile = QByteArray::number(profileIndex());
    const QByteArray number = QByteArray::number(macroNumber);
    const QByteArray node = QByteArrayLiteral("Macro") + number;
    CVardexXML_DeleteProFileBindMacroNode(path.constData(), profile.constData(), number.constData(),
                                          node.constData());
    std::list<MacroEventRecord> events;
    CVardexXML_SelectAllKeyOrMouseEvent(m_macroPath, number.constData(), events);
    CVardexXML_AddProFileBindMacroItem(path.constData(), profile.constData(), events, number.constData(),
                                       node.constData());
}
