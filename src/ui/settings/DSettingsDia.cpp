#include "DSettingsDia.h"
#include "ui_DSettingsDia.h"

#include "app/DAppllication.h"
#include "data/DDataManager.h"
#include "platform/autostart.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/widgets/CbNotice.h"
#include "ui/widgets/toastPlacement.h"

#include <QBoxLayout>
#include <QButtonGroup>
#include <QLabel>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QListView>
#include <QMouseEvent>
#include <QSettings>
#include <QUrl>

namespace {

const char kDefaultConfig[] = ":/images/configDir/VardexDefaultConfig.ini";
const char kDefaultCompanyLink[] = "https://www.vardex.example";
const char *const kThemeNames[] = {QT_TRANSLATE_NOOP("DSettingsDia", "Dark"), QT_TRANSLATE_NOOP("DSettingsDia", "Light"),
                                   QT_TRANSLATE_NOOP("DSettingsDia", "Blue"), QT_TRANSLATE_NOOP("DSettingsDia", "Pink"),
                                   QT_TRANSLATE_NOOP("DSettingsDia", "Other")};

bool defaultLanguageLoader(int language)
{
    auto *app = qobject_cast<DAppllication *>(QCoreApplication::instance());
    return app && app->loadLanguage(language);
}

} // namespace

QVector<DSettingsDia::LanguageItem> DSettingsDia::languageItems()
{
    // Arabic is shown as the maker's tool always showed it: a no-break space,
    // the name, a space and an Arabic comma.
    return {
        {QStringLiteral("简体中文"), 1},
        {QStringLiteral("English"), 3},
        {QStringLiteral("繁體中文"), 2},
        {QStringLiteral("한국어"), 5},
        {QStringLiteral("Русский"), 6},
        {QStringLiteral("日本語"), 4},
        {QStringLiteral("Español"), 8},
        {QStringLiteral("Português"), 9},
        {QStringLiteral("Deutsch"), 10},
        {QStringLiteral("Italiano"), 11},
        {QStringLiteral("Polski"), 12},
        {QStringLiteral("Français"), 13},
        {QString(QChar(0x00A0)) + QStringLiteral("عربي ") + QChar(0x060C), 7},
        {QStringLiteral("Україна"), 14},
        {QStringLiteral("Čeština"), 15},
    };
}

int DSettingsDia::languageValueForText(const QString &text)
{
    // Searched by stored value, so a name contained in another's text is
    // found in a fixed order.
    QVector<LanguageItem> items = languageItems();
    std::sort(items.begin(), items.end(), [](const LanguageItem &a, const LanguageItem &b) { return a.value < b.value; });
    for (const LanguageItem &item : items) {
        const QString name = item.text.trimmed().remove(QChar(0x060C)).trimmed();
        if (text.contains(name, Qt::CaseSensitive))
            return item.value;
    }
    return 1;
}

std::function<bool(int)> &DSettingsDia::languageLoader()
{
    static std::function<bool(int)> loader = defaultLanguageLoader;
    return loader;
}

std::function<void(QWidget *)> &DSettingsDia::firmwareInfoOpener()
{
    static std::function<void(QWidget *)> opener;
    return opener;
}

DSettingsDia::DSettingsDia(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::DSettingsDia)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() | Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(700, 500);
    placeDivider();
    // Under the tray choice, in the layout that holds it.
    m_noTrayNote = new QLabel(ui->checkBox_Close->parentWidget());
    m_noTrayNote->setObjectName(QStringLiteral("label_NoTray"));
    m_noTrayNote->setWordWrap(true);
    m_noTrayNote->setStyleSheet(QStringLiteral("color: rgb(140, 140, 160); font-size: 9pt; background: transparent;"));
    if (auto *layout = qobject_cast<QBoxLayout *>(ui->checkBox_Close->parentWidget()->layout()))
        layout->insertWidget(layout->indexOf(ui->checkBox_Close) + 1, m_noTrayNote);
    setCodeTexts();

    ui->frame_15->hide();
    ui->frame_18->hide();
    ui->frame_19->hide();
    ui->checkBox_UsingBgImage->hide();
    ui->frame_6->hide();

    m_pageGroup = new QButtonGroup(this);
    m_pageGroup->setExclusive(true);
    m_pageGroup->addButton(ui->pushButton_General, 0);
    m_pageGroup->addButton(ui->pushButton_About, 1);
    connect(m_pageGroup, &QButtonGroup::idClicked, this, &DSettingsDia::onCurIndexChanged);

    // A list view takes the item height of the style sheet; the pop-up then
    // scrolls instead of growing past the dialog.
    ui->comboBox_Language->setView(new QListView(ui->comboBox_Language));
    ui->comboBox_Theme->setView(new QListView(ui->comboBox_Theme));

    m_notice = new CbNotice(this);
    m_notice->setPixelSize(16);

    m_settingsPath = DDataManager::instance()->userConfigDir() + QStringLiteral("/VardexConfig.ini");
    m_settings = new QSettings(m_settingsPath, QSettings::IniFormat, this);
    ui->checkBox_AutoStart->setChecked(m_settings->value(QStringLiteral("AutoStart/isAutoStart"), false).toBool());
    ui->checkBox_Close->setChecked(m_settings->value(QStringLiteral("CloseToTray/isCloseToTray"), false).toBool());
    ui->stackedWidget->setCurrentWidget(ui->page_Settings);
    ui->pushButton_General->setChecked(true);

    {
        const QSignalBlocker languageBlocker(ui->comboBox_Language);
        const QSignalBlocker themeBlocker(ui->comboBox_Theme);
        for (const LanguageItem &item : languageItems())
            ui->comboBox_Language->addItem(item.text, item.value);
        m_themeIndex = m_settings->value(QStringLiteral("Theme/selectThemeIndex"), 0).toInt();
        fillThemeCombo();
        selectStoredLanguage();
    }

    ui->checkBox_UsingBgImage->setChecked(false);
    loadAboutInfo();
    connect(ui->label_Link, &QLabel::linkActivated, this, &DSettingsDia::onLickActivited);
    ui->frame_LogoSet->installEventFilter(this);
}

DSettingsDia::~DSettingsDia()
{
    delete ui;
}

void DSettingsDia::setCodeTexts()
{
    ui->label_Title->setText(tr("Settings"));
    ui->pushButton_General->setText(tr("General"));
    ui->pushButton_About->setText(tr("About"));
    ui->label->setText(tr("Language"));
    ui->label_2->setText(tr("Theme"));
    ui->label_3->setText(tr("Auto start"));
    ui->label_4->setText(tr("Upgrade"));
    ui->checkBox_UsingBgImage->setText(tr("Background image"));
    ui->checkBox_AutoStart->setText(tr("Launch applications when the system starts (Minimized)"));
    ui->checkBox_Close->setText(tr("Close startup to tray"));
    ui->pushButton_UpgradeCheck->setText(tr("Firmware upgrade check"));
    updateTrayNote();
}

void DSettingsDia::updateTrayNote()
{
    if (!m_noTrayNote)
        return;
    // The choice stays: it takes effect once a tray runs.
    m_noTrayNote->setText(tr("No system tray is running: closing the window quits the program."));
    m_noTrayNote->setVisible(!DMainWidget::trayAvailable()());
}

void DSettingsDia::placeDivider()
{
    // Style sheets do not mirror a one-sided border: right to left, the
    // buttons stand on the right and the line goes on their left.
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    ui->frame_3->setStyleSheet(QStringLiteral("QFrame#frame_3{border:none;border-%1:3px solid rgb(52,52,86);}")
                                   .arg(rightToLeft ? QStringLiteral("left") : QStringLiteral("right")));
}

void DSettingsDia::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LayoutDirectionChange)
        placeDivider();
    QDialog::changeEvent(event);
}

void DSettingsDia::showEvent(QShowEvent *event)
{
    updateTrayNote();
    QDialog::showEvent(event);
}

void DSettingsDia::selectStoredLanguage()
{
    bool ok = false;
    const int stored = m_settings->value(QStringLiteral("Language/selectLanguageIndex")).toInt(&ok);
    int position = 0; // Simplified Chinese for a missing or unknown value
    const QVector<LanguageItem> items = languageItems();
    for (int i = 0; ok && i < items.size(); ++i)
        if (items.at(i).value == stored)
            position = i;
    ui->comboBox_Language->setCurrentIndex(position);
}

void DSettingsDia::fillThemeCombo()
{
    ui->comboBox_Theme->clear();
    ui->comboBox_Theme->addItem(tr(kThemeNames[0]));
    ui->comboBox_Theme->addItem(tr(kThemeNames[1]));
    if (DDataManager::instance()->isUserThemeConfig())
        ui->comboBox_Theme->addItem(tr(kThemeNames[4]));
    const int index = m_themeIndex >= 0 && m_themeIndex <= 4 ? m_themeIndex : 0;
    const int position = ui->comboBox_Theme->findText(tr(kThemeNames[index]));
    ui->comboBox_Theme->setCurrentIndex(position >= 0 ? position : 0);
}

bool DSettingsDia::writeSetting(const QString &key, const QVariant &value)
{
    m_settings->setValue(key, value);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

void DSettingsDia::showNotice(const QString &text)
{
    m_lastNotice = text;
    // On the title bar: over the middle of the dialog a toast hides the rows
    // and buttons the user is working with.
    m_notice->showNoticeIn(text, toastPlacement::onTitleBar(this, ui->frame_Title, m_notice, text));
}

void DSettingsDia::showNoUpgradeableDevicesNotice()
{
    showNotice(tr("No upgradeable devices found"));
}

void DSettingsDia::onCurIndexChanged(int selIndex)
{
    if (selIndex == 0) {
        ui->stackedWidget->setCurrentWidget(ui->page_Settings);
        return;
    }
    loadAboutInfo();
    ui->stackedWidget->setCurrentWidget(ui->page_TipInfo);
}

void DSettingsDia::loadAboutInfo()
{
    QSettings defaults(QString::fromLatin1(kDefaultConfig), QSettings::IniFormat);
    defaults.setIniCodec("UTF-8");
    ui->label_AppVersion->setText(defaults.value(QStringLiteral("AppVersion/Version"), QStringLiteral("V_1.00.00")).toString());
    m_companyName = defaults.value(QStringLiteral("CompanyName/ComName"), QStringLiteral("CompanyName")).toString();
    ui->label_AppName->setText(m_companyName);
    // The stored text carries "*" where commas belong (ini lists split at commas).
    QString rights = defaults.value(QStringLiteral("Copyright/CopyrightStr"), QStringLiteral("Copyright")).toString();
    ui->label_Copyright->setText(rights.replace(QLatin1Char('*'), QLatin1Char(',')));
    m_companyLink = defaults.value(QStringLiteral("CompanyLink/ComLink"), QString::fromLatin1(kDefaultCompanyLink)).toString();
    ui->frame_Link->setVisible(defaults.value(QStringLiteral("CompanyLinkFrame/showStatus"), false).toBool());
    ui->label_Link->setAlignment(Qt::AlignCenter);
    ui->label_Link->setText(
        tr("<span style=\"font-family:\"%3\";font-size:12pt; color:#ff6666;\"></span><a href=\"Company|%1|\"><span "
           "style=\"font-size:12pt; text-decoration:underline; color:rgb(%2);\">%1</span>")
            .arg(m_companyName, QStringLiteral("255,143,31"), DDataManager::instance()->themeColors().TextFont));
}

void DSettingsDia::onLickActivited(QString str)
{
    Q_UNUSED(str);
    QDesktopServices::openUrl(QUrl(m_companyLink));
}

void DSettingsDia::on_pushButton_Close_clicked()
{
    reject();
}

void DSettingsDia::reject()
{
    emit sigSettingsWindowClose();
    // QDialog::closeEvent comes back here: calling close() again would be
    // refused as re-entrant and the dialog would stay open.
    QDialog::reject();
}

void DSettingsDia::closeEvent(QCloseEvent *event)
{
    qDebug() << "------------------------- *** closeEvent *** -------------------------";
    QDialog::closeEvent(event);
}

void DSettingsDia::on_checkBox_AutoStart_clicked()
{
    const bool on = ui->checkBox_AutoStart->isChecked();
    bool ok = writeSetting(QStringLiteral("AutoStart/isAutoStart"), on);
    if (on)
        ok = autostart::writeEntry(QCoreApplication::applicationFilePath()) && ok;
    else
        ok = autostart::removeEntry() && ok;
    showNotice(ok ? tr("Set config success") : tr("Set config failed"));
}

void DSettingsDia::on_checkBox_Close_clicked()
{
    const bool ok = writeSetting(QStringLiteral("CloseToTray/isCloseToTray"), ui->checkBox_Close->isChecked());
    showNotice(ok ? tr("Set config success") : tr("Set config failed"));
}

void DSettingsDia::on_comboBox_Language_currentIndexChanged(const QString &text)
{
    qDebug() << "----------------------------------------Language:" << text;
    const int language = languageValueForText(text);
    if (!writeSetting(QStringLiteral("Language/selectLanguageIndex"), language))
        showNotice(tr("Set config failed"));
    if (!languageLoader() || !languageLoader()(language))
        return;
    const QSignalBlocker themeBlocker(ui->comboBox_Theme);
    ui->retranslateUi(this);
    fillThemeCombo();
    setCodeTexts();
    emit sigUpdataAllUI();
}

void DSettingsDia::on_comboBox_Theme_currentIndexChanged(const QString &text)
{
    int index = 0;
    for (int i = 0; i < 5; ++i) {
        if (text.contains(tr(kThemeNames[i]))) {
            index = i;
            break;
        }
    }
    writeSetting(QStringLiteral("Theme/selectThemeIndex"), index);
    m_themeIndex = index;
    DDataManager::instance()->loadTheme(index);
    emit sigChangAppTheme(index);
}

void DSettingsDia::on_pushButton_UpgradeCheck_clicked()
{
    emit sigFirmwareUpgradeCheck();
}

void DSettingsDia::on_checkBox_UsingBgImage_clicked()
{
    const bool on = ui->checkBox_UsingBgImage->isChecked();
    writeSetting(QStringLiteral("ThemeBgImage/BgImageIsUsing"), on);
    DDataManager::instance()->setBgImageIsUsing(on);
    DDataManager::instance()->loadTheme(m_themeIndex);
    emit sigChangAppTheme(m_themeIndex);
}

void DSettingsDia::on_pushButton_CheckAppUpdate_clicked()
{
    emit sigUpdateApp();
}

void DSettingsDia::openFirmwareInfo()
{
    if (firmwareInfoOpener())
        firmwareInfoOpener()(this);
}

bool DSettingsDia::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->frame_LogoSet && event->type() == QEvent::MouseButtonDblClick
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        openFirmwareInfo();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
