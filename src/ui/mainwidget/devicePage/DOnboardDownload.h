// DOnboardDownload.h - the onboard download of the device page: writes the
// key tables of both layers and the bound macros of the current profile into
// the current keyboard, paced by the keyboard's acknowledgements, and judges
// the outcome by the keyboard's own report. Runs in the interface thread,
// inside the Download click; its bounded waits process events.
#ifndef DONBOARDDOWNLOAD_H
#define DONBOARDDOWNLOAD_H

#include "hid/hidCmdBuff.h"
#include "hid/onboardPlan.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>

#include <functional>

class DDeviceKeyboardLink;

class DOnboardDownload : public QObject
{
    Q_OBJECT
public:
    enum class Outcome {
        Successful,
        Failed,       // both attempts failed
        Refused,      // the profile cannot be held by the keyboard; nothing was sent
        KeyboardLeft, // the keyboard left (or stopped being current) meanwhile
        Busy,         // a download is already running; nothing started
    };
    struct Result
    {
        Outcome outcome = Outcome::Failed;
        int attempts = 0;
        OnboardPlanProblem problem;
        QString message; // the translated text to show
    };
    // True while the link the download writes to is still the page's current
    // keyboard with its transport open.
    using StillCurrent = std::function<bool()>;
    // The keys of the keyboard view in registry order: key code and caption.
    using KeyList = QList<QPair<int, QString>>;

    static constexpr int kAckWindowMs = 100;
    static constexpr int kAckWindows = 4;
    static constexpr int kClosingPauseMs = 400;
    static constexpr int kStatusWaitMs = 3000;

    explicit DOnboardDownload(QObject *parent = nullptr);

    Result run(DDeviceKeyboardLink *link, const QString &profileDir, const KeyList &keys,
               const StillCurrent &stillCurrent);
    bool isRunning() const { return m_running; }

    // The writers of one download (also the device page's façade).
    void writeKeyPage(int layerByte, int pageNumber, const QByteArray &entries);
    int nextMacroSlot(const KeyOperateInfo &record, int layerIndex);
    void writeMacroPage(const KeyOperateInfo &record, int slot, int layerIndex);
    void writePackage(const hidCmdBuff &piece);

    // Replies of a keyboard link; only those of the download's keyboard count.
    void onAcknowledgement(QObject *fromLink);
    void onDownloadStatus(QObject *fromLink, int status);

    // State, for the page and its tests.
    int profileIndex() const { return m_profileIndex; }
    QByteArray storePath() const { return m_storePath; }
    int macroSlotCounter() const { return m_macroSlot; }
    bool isAcknowledged() const { return m_ack; }
    int downloadStatus() const { return m_downloadStatus; }
    bool isOk() const { return m_ok; }
    hidCmdBuff lastPiece() const { return m_lastPiece; }
    int resendCount() const { return m_resends; } // of the last download

private:
    void startAttempt();
    bool sendPlan(const OnboardPlan &plan);
    void writeMacroImage(int slot, const OnboardMacroImage &image);
    bool awaitAcknowledgement();
    void waitForStatus();
    bool keyboardStillHere();
    void queue(const hidCmdBuff &report, const char *failureLine);
    QString problemMessage(const OnboardPlanProblem &problem, const KeyList &keys) const;

    bool m_running = false;
    QPointer<DDeviceKeyboardLink> m_link;
    StillCurrent m_stillCurrent;
    bool m_keyboardLeft = false;

    int m_profileIndex = -1;
    QByteArray m_storePath;
    int m_macroSlot = -1;
    bool m_ack = true;
    int m_downloadStatus = -1;
    hidCmdBuff m_lastPiece;
    bool m_ok = true;
    int m_resends = 0;
};

#endif // DONBOARDDOWNLOAD_H
