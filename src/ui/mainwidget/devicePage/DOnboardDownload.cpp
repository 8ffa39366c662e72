#include "DOnboardDownload.h"

#include "data/DDataManager.h"
#include "hid/DDeviceKeyboardLink.h"
#include "hid/MainHidInterFace.h"

#include <QCoreApplication>
#include <QDebug>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <cstring>
#include <list>
#include <vector>

namespace {

QString macroName(const std::string &macroIndex)
{
    char path[256] = {};
    DDataManager::instance()->copyMacroXmlPath(path);
    std::vector<MacroNodeEntry> macros;
    if (path[0] != '\0')
        CVardexXML_SelectMacroAllNodes(path, macros);
    for (const MacroNodeEntry &m : macros)
        if (macroIndex == std::string(m.index, strnlen(m.index, sizeof m.index)))
            return QString::fromUtf8(m.name, int(strnlen(m.name, sizeof m.name)));
    return QString::fromStdString(macroIndex);
}

} // namespace

DOnboardDownload::DOnboardDownload(QObject *parent)
    : QObject(parent)
{
}

DOnboardDownload::Result DOnboardDownload::run(DDeviceKeyboardLink *link, const QString &profileDir,
                                               const KeyList &keys, const StillCurrent &stillCurrent)
{
    Result result;
    if (m_running) {
        result.outcome = Outcome::Busy;
        return result;
    }
    m_running = true;
    m_link = link;
    m_stillCurrent = stillCurrent;
    m_keyboardLeft = false;
    m_resends = 0;

    std::vector<int> keyCodes;
    keyCodes.reserve(size_t(keys.size()));
    for (const auto &key : keys)
        keyCodes.push_back(key.first);
    const std::string dir = QFile::encodeName(profileDir).toStdString();

    result.outcome = Outcome::Failed;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!link || !keyboardStillHere()) {
            result.outcome = Outcome::KeyboardLeft;
            break;
        }
        startAttempt();
        ++result.attempts;
        // Every attempt reads the bindings again.
        const OnboardPlan plan = onboard::buildPlan(dir, keyCodes);
        m_profileIndex = plan.profileIndex;
        m_storePath = QByteArray::fromStdString(plan.storePath);
        if (!plan.ok() && plan.problem.reason != OnboardPlanProblem::StoreUnreadable) {
            result.outcome = Outcome::Refused;
            result.problem = plan.problem;
            break;
        }
        const bool sent = plan.ok() && sendPlan(plan);
        if (m_keyboardLeft) {
            result.outcome = Outcome::KeyboardLeft;
            break;
        }
        if (sent) {
            result.outcome = Outcome::Successful;
            break;
        }
        if (attempt == 0)
            qDebug().noquote() << "-------------------------- *** Onboard Download [Try again] *** --------------------------";
    }

    switch (result.outcome) {
    case Outcome::Successful:
        result.message = QCoreApplication::translate("QObject", "Download config successful");
        break;
    case Outcome::Refused:
        result.message = problemMessage(result.problem, keys);
        break;
    default:
        result.message = QCoreApplication::translate("QObject", "Download config failed, Please try again");
        break;
    }
    m_running = false;
    m_link = nullptr;
    m_stillCurrent = nullptr;
    return result;
}

void DOnboardDownload::startAttempt()
{
    m_macroSlot = -1;
    m_ack = true;
    m_ok = true;
    m_downloadStatus = -1;
    m_lastPiece = hidCmdBuff();
}

bool DOnboardDownload::sendPlan(const OnboardPlan &plan)
{
    for (const OnboardPlanStep &step : plan.steps) {
        if (step.kind == OnboardPlanStep::KeyPage) {
            writeKeyPage(onboard::layerByte(step.layerIndex), step.page,
                         QByteArray(reinterpret_cast<const char *>(step.entries.data()), 4 * step.entryCount));
        } else {
            m_macroSlot = step.slot;
            writeMacroImage(step.slot, step.image);
            // The slot is complete and acknowledged before the page that
            // points at it goes out.
            awaitAcknowledgement();
        }
        if (m_keyboardLeft)
            return false;
    }
    qDebug().noquote() << "-------------------- ****** Download Over [ Default & FN ] ****** --------------------";
    qDebug() << "";
    QThread::msleep(kClosingPauseMs);

    const OnboardMacroImage empty{};
    for (int slot = m_macroSlot + 1; slot < onboard::kMacroSlots; ++slot)
        writeMacroImage(slot, empty);
    qDebug().noquote() << "-------------------------- *** End Onboard Download *** --------------------------";
    if (!m_ok)
        return false;

    // Only the keyboard's report on the complete download counts: anything
    // it said before the last report went out is about an earlier state.
    m_downloadStatus = -1;
    if (!awaitAcknowledgement())
        return false;
    waitForStatus();
    return m_ok && m_downloadStatus == 1;
}

void DOnboardDownload::writeKeyPage(int layerByte, int pageNumber, const QByteArray &entries)
{
    if (!m_ok)
        return;
    const int count = qMin(entries.size() / 4, onboard::kEntriesPerPage);
    const hidCmdBuff page =
        onboard::keyPage(layerByte, pageNumber, reinterpret_cast<const uint8_t *>(entries.constData()), count);
    queue(page, "USB serial port [Write keyboard Onboard-data] Failed ...");
}

int DOnboardDownload::nextMacroSlot(const KeyOperateInfo &record, int layerIndex)
{
    ++m_macroSlot;
    writeMacroPage(record, m_macroSlot, layerIndex);
    return m_macroSlot;
}

void DOnboardDownload::writeMacroPage(const KeyOperateInfo &record, int slot, int layerIndex)
{
    Q_UNUSED(layerIndex);
    std::list<MacroEventRecord> events;
    const QByteArray index = QByteArray::number(m_profileIndex);
    if (!m_storePath.isEmpty())
        CVardexXML_ProFileMacroWithKeyInfoSelectAll(m_storePath.constData(), index.constData(), record.value, "",
                                                    events);
    OnboardMacroImage image{};
    if (!onboard::buildMacroImage(onboard::cNumber(record.playMode), onboard::cNumber(record.playCount), events,
                                  &image)) {
        // Never a truncated or wrapped image: the slot is not written at all.
        qDebug() << "onboard macro with" << events.size() << "events does not fit a slot";
        m_ok = false;
        return;
    }
    writeMacroImage(slot, image);
}

void DOnboardDownload::writeMacroImage(int slot, const OnboardMacroImage &image)
{
    for (int piece = 0; piece < onboard::kMacroPieces; ++piece)
        writePackage(onboard::macroPiece(slot, piece, image));
}

void DOnboardDownload::writePackage(const hidCmdBuff &piece)
{
    if (!awaitAcknowledgement())
        return;
    m_lastPiece = piece;
    m_ack = false;
    queue(piece, "USB serial port [Write keyboard Macro-data list Failed ...");
}

bool DOnboardDownload::awaitAcknowledgement()
{
    int windows = 0;
    while (m_ok) {
        // Each window has its own clock: a wait nested inside another one
        // must not move the outer one's deadline.
        QElapsedTimer clock;
        clock.start();
        while (!m_ack && m_ok && clock.elapsed() < kAckWindowMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (!keyboardStillHere())
                break;
            if (!m_ack)
                QThread::msleep(1);
        }
        if (m_ack || !m_ok)
            break;
        if (++windows == kAckWindows) {
            qDebug().noquote() << "-------------------------- *** Onboard Download [Failed] *** --------------------------";
            m_ok = false;
        } else {
            qDebug().noquote() << "-------------------------- *** Onboard Download [Retry] *** -------------------------- PkgNum:"
                               << m_lastPiece[2] << " index:" << m_lastPiece[4];
            ++m_resends;
            queue(m_lastPiece, "USB serial port [Write keyboard Macro-data list Failed ...");
        }
    }
    return m_ok;
}

void DOnboardDownload::waitForStatus()
{
    QElapsedTimer clock;
    clock.start();
    while (m_downloadStatus == -1 && m_ok && clock.elapsed() < kStatusWaitMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (!keyboardStillHere())
            return;
        if (m_downloadStatus == -1)
            QThread::msleep(1);
    }
    if (m_downloadStatus == -1)
        qDebug().noquote() << "-------------------------- *** Onboard Download Status [none] *** --------------------------";
}

bool DOnboardDownload::keyboardStillHere()
{
    if (m_keyboardLeft)
        return false;
    if (m_stillCurrent && !m_stillCurrent()) {
        // Nothing more may go to this keyboard, nor to the one that may have
        // become current in its place.
        qDebug().noquote() << "-------------------------- *** Onboard Download [Keyboard left] *** --------------------------";
        m_keyboardLeft = true;
        m_ok = false;
        return false;
    }
    return true;
}

void DOnboardDownload::queue(const hidCmdBuff &report, const char *failureLine)
{
    if (!keyboardStillHere())
        return;
    MainHidInterFace *transport = m_link ? m_link->hidInterface() : nullptr;
    if (!transport || transport->hidApi_Write(report.data()) < 0)
        qDebug().noquote() << failureLine;
}

void DOnboardDownload::onAcknowledgement(QObject *fromLink)
{
    if (m_running && (!m_link || fromLink != m_link.data()))
        return; // another keyboard's acknowledgement says nothing about this download
    m_ack = true;
}

void DOnboardDownload::onDownloadStatus(QObject *fromLink, int status)
{
    qDebug() << "";
    qDebug().noquote() << "-------------------------- *** Onboard Download Status *** -------------------------- [ 1 "
                          "Successful / 2 Failed ] statusNun:"
                       << status;
    qDebug() << "";
    if (m_running && (!m_link || fromLink != m_link.data()))
        return;
    m_downloadStatus = status;
}

QString DOnboardDownload::problemMessage(const OnboardPlanProblem &problem, const KeyList &keys) const
{
    QString key = QString::number(problem.keyCode);
    for (const auto &k : keys)
        if (k.first == problem.keyCode && !k.second.isEmpty())
            key = k.second;
    const QString layer = problem.layerIndex == 0 ? QCoreApplication::translate("QObject", "Default", "keyboard layer")
                                                  : QCoreApplication::translate("QObject", "FN");
    // One line on the page's toast: short enough to fit its width.
    switch (problem.reason) {
    case OnboardPlanProblem::TooManyMacroKeys:
        return QCoreApplication::translate("QObject", "%1 keys are bound to macros, the keyboard holds %2. Nothing was downloaded.")
            .arg(problem.count)
            .arg(onboard::kMacroSlots);
    case OnboardPlanProblem::MacroTooLong:
        return QCoreApplication::translate("QObject", "Macro \"%1\" on key %2 (%3 layer) has %4 events, the keyboard holds %5. "
                                                      "Nothing was downloaded.")
            .arg(macroName(problem.macroIndex), key, layer)
            .arg(problem.count)
            .arg(onboard::kMacroMaxEvents);
    case OnboardPlanProblem::TooManyModifiers:
        return QCoreApplication::translate("QObject", "Key %1 (%2 layer) combines %3 modifier keys, the keyboard holds two. "
                                                      "Nothing was downloaded.")
            .arg(key, layer)
            .arg(problem.count);
    default:
        return QCoreApplication::translate("QObject", "Download config failed, Please try again");
    }
}
