// How long the main window takes to settle after a start with the default
// simulated keyboards: the first and the last repaint of any window, the last
// repaint larger than one device tile, and how many device tiles were built on
// the way. Times count from the start of main(). Takes the program's own start-up
// road (application object, start-up window, main window), in a throw-away
// HOME. Run by hand, on a display or under xvfb-run:
//   build/bin/bench_startup [runs] [seconds to watch]
// Each run is a fresh process; the figures are the median of the runs.
#include "app/DAppllication.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QPaintEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

QElapsedTimer g_clock;

class PaintWatch : public QObject
{
public:
    qint64 firstPaint = -1;
    qint64 lastPaint = -1;
    qint64 lastLargePaint = -1; // a window repaint larger than one device tile
    int paints = 0;
    int tilesBuilt = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            const qint64 now = g_clock.elapsed();
            if (firstPaint < 0)
                firstPaint = now;
            lastPaint = now;
            ++paints;
            const QRect r = static_cast<QPaintEvent *>(event)->rect();
            if (watched->isWidgetType() && static_cast<QWidget *>(watched)->isWindow()
                && r.width() * r.height() > 190 * 140)
                lastLargePaint = now;
            if (qEnvironmentVariableIsSet("BENCH_STARTUP_TRACE"))
                std::fprintf(stderr, "%6lld paint %s %s %dx%d\n", static_cast<long long>(now),
                             watched->metaObject()->className(), qPrintable(watched->objectName()),
                             static_cast<QPaintEvent *>(event)->rect().width(),
                             static_cast<QPaintEvent *>(event)->rect().height());
        } else if (event->type() == QEvent::Polish && qobject_cast<DDeviceListItem *>(watched)) {
            ++tilesBuilt; // each new tile is polished once
        }
        return QObject::eventFilter(watched, event);
    }
};

int runOnce(int argc, char **argv, int watchMs)
{
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/.local/share")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit());

    std::vector<char *> args(argv, argv + argc);
    char simulate[] = "--simulate";
    args.push_back(simulate);
    int n = int(args.size());
    DMainWidget::factories().devicePage = [](QWidget *parent) { return new DDevicePage(parent); };
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    PaintWatch watch;
    DAppllication app(QStringLiteral("RimoKeyboard_1.2.0.1"), n, args.data(), false);
    app.installEventFilter(&watch);
    QTimer::singleShot(watchMs, &app, &QCoreApplication::quit);
    app.exec();
    std::printf("%lld %lld %lld %d %d\n", static_cast<long long>(watch.firstPaint),
                static_cast<long long>(watch.lastLargePaint), static_cast<long long>(watch.lastPaint), watch.paints,
                watch.tilesBuilt);
    return 0;
}

qint64 median(std::vector<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    g_clock.start();
    if (argc > 1 && std::strcmp(argv[1], "--child") == 0)
        return runOnce(1, argv, argc > 2 ? std::atoi(argv[2]) : 4000);

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const int watchMs = argc > 2 ? std::max(1000, std::atoi(argv[2]) * 1000) : 4000;
    std::vector<qint64> first, large, last, tiles;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QString::fromLocal8Bit(argv[0]), {QStringLiteral("--child"), QString::number(watchMs)});
        child.waitForFinished(watchMs + 30000);
        const QList<QByteArray> f = child.readAllStandardOutput().trimmed().split('\n').last().split(' ');
        if (f.size() != 5) {
            std::fprintf(stderr, "run %d gave no figures\n", i + 1);
            continue;
        }
        std::printf("run %d: first paint %s ms, last large repaint %s ms, last paint %s ms, %s paints, "
                    "%s tiles built\n",
                    i + 1, f[0].constData(), f[1].constData(), f[2].constData(), f[3].constData(), f[4].constData());
        first.push_back(f[0].toLongLong());
        large.push_back(f[1].toLongLong());
        last.push_back(f[2].toLongLong());
        tiles.push_back(f[4].toLongLong());
    }
    std::printf("median of %zu: first paint %lld ms, last large repaint %lld ms, settled (last paint) %lld ms, "
                "%lld tiles built\n",
                last.size(), static_cast<long long>(median(first)), static_cast<long long>(median(large)),
                static_cast<long long>(median(last)), static_cast<long long>(median(tiles)));
    return 0;
}
