#include "platform/keyActions.h"

#include <QClipboard>
#include <QDebug>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QUrl>
#include <QX11Info>

#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <X11/extensions/XTest.h>

namespace keyActions {

namespace {
bool pressCtrlV()
{
    if (!QX11Info::isPlatformX11()) {
        qDebug() << "---------- *** [Type Text] not possible: the display is not X11 *** ----------";
        return false;
    }
    Display *dpy = QX11Info::display();
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!dpy || !XTestQueryExtension(dpy, &eventBase, &errorBase, &major, &minor)) {
        qDebug() << "---------- *** [Type Text] not possible: no XTest extension *** ----------";
        return false;
    }
    const KeyCode ctrl = XKeysymToKeycode(dpy, XK_Control_L);
    const KeyCode v = XKeysymToKeycode(dpy, XK_v);
    if (ctrl == 0 || v == 0) {
        qDebug() << "---------- *** [Type Text] not possible: no key for Ctrl or V *** ----------";
        return false;
    }
    XTestFakeKeyEvent(dpy, ctrl, True, CurrentTime);
    XTestFakeKeyEvent(dpy, v, True, CurrentTime);
    XTestFakeKeyEvent(dpy, v, False, CurrentTime);
    XTestFakeKeyEvent(dpy, ctrl, False, CurrentTime);
    XFlush(dpy);
    return true;
}
} // namespace

bool typeTextByPaste(const QString &text)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard) {
        qDebug() << "---------- *** [Type Text] not possible: no clipboard *** ----------";
        return false;
    }
    clipboard->setText(text);
    return pressCtrlV();
}

bool launchProgram(const QString &target)
{
    if (target.isEmpty())
        return false;
    const QFileInfo info(target);
    if (info.isFile() && info.isExecutable()) {
        const bool started = QProcess::startDetached(info.absoluteFilePath(), QStringList(), info.absolutePath());
        if (!started)
            qDebug() << "---------- *** [Launch] Failed:" << target << "*** ----------";
        return started;
    }
    const QUrl url = info.exists() ? QUrl::fromLocalFile(info.absoluteFilePath()) : QUrl::fromUserInput(target);
    const bool opened = QDesktopServices::openUrl(url);
    if (!opened)
        qDebug() << "---------- *** [Launch] Failed:" << target << "*** ----------";
    return opened;
}

} // namespace keyActions
