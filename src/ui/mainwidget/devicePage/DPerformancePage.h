#ifndef DPERFORMANCEPAGE_H
#define DPERFORMANCEPAGE_H

#include <QWidget>

// The performance page of the device page (Windows-key locks, sleep times,
// profile reset).
//
// The page's content is still to come; for now it only keeps what the device
// page hands it.
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

    // What the page was last handed; read by tests of the device page.
    int profileIndex() const { return m_profileIndex; }
    QByteArray profileXmlPath() const { return QByteArray(m_profileXmlPath); }
    int loadCount() const { return m_loadCount; }

signals:
    void sigResetoreCurrentProfile();
    void sigLockWinKeyAbout(int feature1, int feature2, int feature3, int feature4);
    void sigLightAndKeyboardSleepTime(int lightSleepTime, int keyboardSleepTime);

private:
    int m_profileIndex = 1;
    char m_profileXmlPath[256] = {};
    int m_loadCount = 0;
};

#endif // DPERFORMANCEPAGE_H
