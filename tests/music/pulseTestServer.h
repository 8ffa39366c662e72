// A private PulseAudio server for tests and benchmarks: a null sink whose
// monitor the capture records, reachable only through its own socket.
// Every wait is bounded; where no server can start, start() says why.
#ifndef PULSETESTSERVER_H
#define PULSETESTSERVER_H

#include "../testWait.h"

#include <QByteArray>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <cmath>
#include <memory>

class pulseTestServer
{
public:
    static constexpr const char *SinkName = "vardex_null";

    ~pulseTestServer() { shutDown(); }

    // Starts the server and waits (at most about 8 s) until it answers.
    // Returns false with a reason in error() when none can start.
    bool start()
    {
        const QString daemon = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        m_pactl = QStandardPaths::findExecutable(QStringLiteral("pactl"));
        m_pacat = QStandardPaths::findExecutable(QStringLiteral("pacat"));
        if (daemon.isEmpty() || m_pactl.isEmpty() || m_pacat.isEmpty()) {
            m_error = QStringLiteral("pulseaudio, pactl or pacat is not installed");
            return false;
        }
        if (!m_dir.isValid()) {
            m_error = QStringLiteral("no temporary folder");
            return false;
        }
        QDir(m_dir.path()).mkpath(QStringLiteral("runtime"));
        m_socket = m_dir.path() + QStringLiteral("/native");
        const QStringList modules = {
            QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=%1 rate=44100").arg(SinkName),
            QStringLiteral("-L"), QStringLiteral("module-native-protocol-unix socket=%1 auth-anonymous=1").arg(m_socket),
        };
        const QStringList common = {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                                    QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                                    QStringLiteral("--log-target=stderr")};
        // A user instance with explicit modules works as root too (it only
        // warns); the system-instance switches are the fallback.
        const QList<QStringList> attempts = {
            common + modules,
            common + QStringList{QStringLiteral("--system"), QStringLiteral("--disallow-exit")} + modules,
        };
        QString reasons;
        for (const QStringList &args : attempts) {
            if (launch(daemon, args))
                return true;
            reasons += QStringLiteral("[pulseaudio %1] %2\n").arg(args.join(' '), m_error);
            shutDown();
        }
        m_error = reasons.trimmed();
        return false;
    }

    QString error() const { return m_error; }
    QString serverAddress() const { return QStringLiteral("unix:") + m_socket; }

    // pactl against this server; output on success, empty on failure.
    bool pactl(const QStringList &args, QString *output = nullptr, int timeoutMs = testWait::kHangMs)
    {
        QProcess p;
        p.setProcessEnvironment(environment());
        p.start(m_pactl, QStringList{QStringLiteral("-s"), serverAddress()} + args);
        if (!p.waitForFinished(timeoutMs)) {
            p.kill();
            p.waitForFinished(1000);
            return false;
        }
        if (output)
            *output = QString::fromLocal8Bit(p.readAllStandardOutput());
        return p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    // A player that writes raw 44100 Hz stereo 16-bit PCM from its stdin into
    // a sink, with a short buffer so that what is written is heard soon; with
    // latencyMs 0 it asks for nothing and gets the server's default buffer
    // (about 2 s), as most players do.
    std::unique_ptr<QProcess> player(const QString &sink = QString::fromLatin1(SinkName), int latencyMs = 10)
    {
        std::unique_ptr<QProcess> p(new QProcess);
        p->setProcessEnvironment(environment());
        QStringList args = {QStringLiteral("--playback"), QStringLiteral("--server=%1").arg(serverAddress()),
                            QStringLiteral("--device=%1").arg(sink), QStringLiteral("--raw"),
                            QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                            QStringLiteral("--channels=2")};
        if (latencyMs > 0)
            args << QStringLiteral("--latency-msec=%1").arg(latencyMs);
        p->start(m_pacat, args);
        if (!p->waitForStarted(testWait::kHangMs))
            return nullptr;
        return p;
    }

    void shutDown()
    {
        if (!m_daemon)
            return;
        m_daemon->terminate();
        if (!m_daemon->waitForFinished(3000)) {
            m_daemon->kill();
            m_daemon->waitForFinished(3000);
        }
        m_daemon.reset();
    }

    // frames of a sine of the given frequency, both channels.
    static QByteArray tone(double hz, int frames, double amplitude = 0.5, qint64 firstFrame = 0)
    {
        QByteArray out(frames * 4, '\0');
        for (int i = 0; i < frames; ++i) {
            const qint16 s = qint16(std::lround(amplitude * 32767 * std::sin(2 * M_PI * hz * double(firstFrame + i) / 44100)));
            for (int ch = 0; ch < 2; ++ch) {
                out[i * 4 + ch * 2] = char(s & 0xFF);
                out[i * 4 + ch * 2 + 1] = char((s >> 8) & 0xFF);
            }
        }
        return out;
    }

private:
    QProcessEnvironment environment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), m_dir.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_dir.path() + QStringLiteral("/runtime"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.path() + QStringLiteral("/config"));
        env.insert(QStringLiteral("PULSE_RUNTIME_PATH"), m_dir.path() + QStringLiteral("/runtime"));
        env.remove(QStringLiteral("DISPLAY")); // no X11 cookie or bell modules
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        return env;
    }

    bool launch(const QString &daemon, const QStringList &args)
    {
        m_daemon.reset(new QProcess);
        m_daemon->setProcessEnvironment(environment());
        m_daemon->setProcessChannelMode(QProcess::MergedChannels);
        m_daemon->start(daemon, args);
        if (!m_daemon->waitForStarted(testWait::kHangMs)) {
            m_error = QStringLiteral("could not be run");
            return false;
        }
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 8000) {
            if (m_daemon->state() == QProcess::NotRunning) {
                m_error = QString::fromLocal8Bit(m_daemon->readAll()).trimmed().split('\n').last();
                return false;
            }
            if (QFileInfo::exists(m_socket) && pactl({QStringLiteral("info")}, nullptr, 2000))
                return true;
            m_daemon->waitForReadyRead(100);
        }
        m_error = QStringLiteral("did not answer within 8 s");
        return false;
    }

    QTemporaryDir m_dir{QDir::tempPath() + QStringLiteral("/vardex-pulse-XXXXXX")};
    QString m_socket;
    QString m_pactl;
    QString m_pacat;
    QString m_error;
    std::unique_ptr<QProcess> m_daemon;
};

#endif // PULSETESTSERVER_H
