#pragma once
// "Another program" for the X11 tests of the global hook: the test binary
// started again with --helper-window shows a focused line edit and prints
// "text:<text>" whenever its text changes, "focus:<0|1>" when its focus
// changes and "ready" once it is up. Keys that reach it show in its text.
#include "../testWait.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QRect>
#include <QWindow>

#include <cstdio>
#include <cstring>

namespace x11Test {

inline bool isHelperWindowRun(int argc, char **argv)
{
    return argc > 1 && std::strcmp(argv[1], "--helper-window") == 0;
}

inline int runHelperWindow(int argc, char **argv, const QRect &geometry)
{
    QApplication app(argc, argv);
    QLineEdit edit;
    edit.setWindowTitle(QStringLiteral("X11 test helper"));
    edit.setGeometry(geometry);
    QObject::connect(&edit, &QLineEdit::textChanged, [](const QString &text) {
        std::printf("text:%s\n", qPrintable(text));
        std::fflush(stdout);
    });
    QObject::connect(&app, &QGuiApplication::focusWindowChanged, [](QWindow *w) {
        std::printf("focus:%d\n", w ? 1 : 0);
        std::fflush(stdout);
    });
    edit.show();
    edit.activateWindow();
    edit.setFocus();
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

// The test's side of the helper window.
class HelperWindow
{
public:
    ~HelperWindow() { stop(); }

    // Starts the helper and waits (at most 10 s) until it is up.
    bool start()
    {
        m_text.clear();
        m_focused = false;
        m_process.setProgram(QCoreApplication::applicationFilePath());
        m_process.setArguments({QStringLiteral("--helper-window")});
        m_process.start();
        if (!m_process.waitForStarted(testWait::kHangMs))
            return false;
        QElapsedTimer waited;
        waited.start();
        bool ready = false;
        while (!ready && waited.elapsed() < testWait::kHangMs) {
            if (!m_process.canReadLine())
                m_process.waitForReadyRead(100);
            while (m_process.canReadLine())
                ready = take(m_process.readLine().trimmed()) || ready;
        }
        return ready;
    }

    void stop()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }

    // The helper's text as it last reported it.
    QString text()
    {
        readPending();
        return m_text;
    }

    bool focused()
    {
        readPending();
        return m_focused;
    }

private:
    void readPending()
    {
        while (m_process.canReadLine() || m_process.waitForReadyRead(50)) {
            take(m_process.readLine().trimmed());
            if (!m_process.canReadLine())
                break;
        }
    }

    // True for the "ready" line.
    bool take(const QByteArray &line)
    {
        if (line.startsWith("focus:"))
            m_focused = line.endsWith('1');
        else if (line.startsWith("text:"))
            m_text = QString::fromUtf8(line.mid(5));
        return line == "ready";
    }

    QProcess m_process;
    QString m_text;
    bool m_focused = false;
};

} // namespace x11Test
