#ifndef DSETTINGSDIA_H
#define DSETTINGSDIA_H

#include <QDialog>
#include <QStringList>

#include <functional>

namespace Ui {
class DSettingsDia;
}

class CbNotice;
class QLabel;
class QButtonGroup;
class QSettings;

// The settings dialog: interface language, start at log-on, close to tray,
// the firmware upgrade check (General) and the application's About page.
class DSettingsDia : public QDialog
{
    Q_OBJECT
public:
    // One entry of the language combo, in combo order: the item text and the
    // value stored in "Language/selectLanguageIndex".
    struct LanguageItem
    {
        QString text;
        int value;
    };
    static QVector<LanguageItem> languageItems();
    // The stored value for a combo text; 1 (Simplified Chinese) when no
    // language's native name is contained in it.
    static int languageValueForText(const QString &text);

    // Loads a language and answers whether it loaded (the application's own
    // loader unless a test puts another in place).
    static std::function<bool(int language)> &languageLoader();
    // Opens the firmware information dialog over `parent`; empty until the
    // firmware update provides one.
    static std::function<void(QWidget *parent)> &firmwareInfoOpener();

    explicit DSettingsDia(QWidget *parent = nullptr);
    ~DSettingsDia() override;

    QString settingsFilePath() const { return m_settingsPath; }
    CbNotice *notice() const { return m_notice; }
    QString lastNotice() const { return m_lastNotice; }

signals:
    void sigSettingsWindowClose();
    void sigUpdataAllUI();
    void sigChangAppTheme(int index);
    void sigFirmwareUpgradeCheck();
    void sigUpdateApp();

public slots:
    void showNoUpgradeableDevicesNotice();
    void onCurIndexChanged(int selIndex);
    void onLickActivited(QString str);
    void openFirmwareInfo();
    void loadAboutInfo();

private slots:
    void on_pushButton_Close_clicked();
    void on_checkBox_AutoStart_clicked();
    void on_checkBox_Close_clicked();
    void on_comboBox_Language_currentIndexChanged(const QString &text);
    void on_comboBox_Theme_currentIndexChanged(const QString &text);
    void on_pushButton_UpgradeCheck_clicked();
    void on_checkBox_UsingBgImage_clicked();
    void on_pushButton_CheckAppUpdate_clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    void reject() override;

private:
    void setCodeTexts();
    // Says next to "Close startup to tray" when no tray is there to close to.
    void updateTrayNote();
    // The line between the page buttons and the page, on the page's side.
    void placeDivider();
    void fillThemeCombo();
    void selectStoredLanguage();
    bool writeSetting(const QString &key, const QVariant &value);
    void showNotice(const QString &text);

    Ui::DSettingsDia *ui;
    CbNotice *m_notice = nullptr;
    QLabel *m_noTrayNote = nullptr;
    QString m_lastNotice;
    QButtonGroup *m_pageGroup = nullptr;
    QString m_companyLink;
    QString m_companyName;
    QString m_settingsPath;
    QSettings *m_settings = nullptr;
    int m_themeIndex = 0;
};

#endif // DSETTINGSDIA_H
