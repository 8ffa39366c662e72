#ifndef DPERFORMANCEPAGE_H
#define DPERFORMANCEPAGE_H

#include <QWidget>

namespace Ui {
class DPerformancePage;
}

// The performance page of the device page: the Windows-key lock switches and
// the two sleep times of the current profile, the profile reset and the
// desktop's keyboard settings.
//
// The page never talks to a keyboard: it keeps the lock switches in the
// profile store and hands every request to the device page by a signal.
class DPerformancePage : public QWidget
{
    Q_OBJECT
public:
    explicit DPerformancePage(QWidget *parent = nullptr);
    ~DPerformancePage() override;

    void setProfileIndex(int profileIndex);
    void setProfileXmlPath(const char *path);
    void loadFromProfile();
    void retranslate();
    // Without a usable keyboard the switches, the sleep times and the reset
    // are greyed out: nothing could reach a keyboard.
    void setKeyboardAvailable(bool available);

    // What the page was last handed; read by tests of the device page.
    int profileIndex() const { return m_profileIndex; }
    QByteArray profileXmlPath() const { return QByteArray(m_profileXmlPath); }
    int loadCount() const { return m_loadCount; }

signals:
    void sigResetoreCurrentProfile();
    void sigLockWinKeyAbout(int feature1, int feature2, int feature3, int feature4);
    void sigLightAndKeyboardSleepTime(int lightSleepTime, int keyboardSleepTime);
    // A message for the device page's toast.
    void sigSomeMessageTip_PerformancePage(QString strTip);

private slots:
    void on_checkBox_disableALT_TAB_clicked();
    void on_checkBox_disableALT_F4_clicked();
    void on_checkBox_disableSHIFT_TAB_clicked();
    void on_checkBox_disableWindowsKey_clicked();
    void on_pushButton_Restore_clicked();
    void on_pushButton_keyboardProperties_clicked();
    void on_pushButton_SubmitSleepTime_clicked();

private:
    void setCodeTexts();
    void saveWinLockSwitches();
    bool hasProfile() const { return m_profileXmlPath[0] != '\0'; }

    Ui::DPerformancePage *ui;
    int m_profileIndex = 1;
    char m_profileXmlPath[256] = {};
    int m_loadCount = 0;
};

#endif // DPERFORMANCEPAGE_H
