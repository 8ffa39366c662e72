// vardex-gallery [--page widgets|images|firmware] [--language Arabic] [--screenshot file.png]
// Shows the shared widgets in each of their states, every embedded picture
// in its quiet and selected look, or the firmware update dialog with each
// kind of row, on the dark theme and in the language asked for.

#include "app/QtLinguist.h"
#include "data/hidStructInfoAll.h"
#include "ui/firmware/DUpdateFirmwareDia.h"
#include "ui/firmware/UpdateFirmwareInfoItem.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/keyboardView/keyboardButCustom.h"
#include "ui/keyboardView/sideLightButtonCustom.h"
#include "ui/widgets/ArrowWidget.h"
#include "ui/widgets/BatteryItem.h"
#include "ui/widgets/CbNotice.h"
#include "ui/widgets/DToolTipExplain.h"
#include "ui/widgets/TextMoveWidget.h"
#include "ui/widgets/sliderCustomWidget.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QPainter>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include <cstring>
#include <memory>

namespace {

const QColor kAccent(255, 143, 31);
int g_missingPictures = 0;
const QColor kSelected(250, 40, 45);

QLabel *caption(const QString &text)
{
    auto *l = new QLabel(text);
    l->setStyleSheet(QStringLiteral("color: rgb(158,158,158); font-size: 11px;"));
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QLabel *heading(const QString &text)
{
    auto *l = new QLabel(text);
    l->setStyleSheet(QStringLiteral("color: rgb(255,143,31); font-weight: bold; font-size: 14px;"));
    return l;
}

// A dark key cap behind each key button, as the keyboard picture would be.
class KeySlot : public QWidget
{
public:
    explicit KeySlot(QWidget *parent = nullptr) : QWidget(parent) { setFixedSize(52, 52); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QColor(20, 20, 30));
        p.setBrush(QColor(48, 50, 62));
        p.drawRoundedRect(QRectF(6, 6, 40, 40), 6, 6);
    }
};

QWidget *keyState(const QString &name, const std::function<void(keyboardButCustom *)> &setUp)
{
    auto *box = new QWidget;
    auto *v = new QVBoxLayout(box);
    v->setContentsMargins(0, 0, 0, 0);
    auto *slot = new KeySlot;
    auto *key = new keyboardButCustom(slot);
    key->setButtonSize(44, 44);
    key->move(4, 4);
    key->setStateColors(kSelected, kAccent);
    key->setKeyInfo(4, QStringLiteral("A"));
    key->setShowLightColor(true);
    setUp(key);
    v->addWidget(slot, 0, Qt::AlignHCenter);
    v->addWidget(caption(name));
    return box;
}

hidStructInfoAll tileRecord(const char *name, int online, int dongle)
{
    hidStructInfoAll r;
    std::strncpy(r.hidName, "GALLERY", sizeof(r.hidName) - 1);
    std::strncpy(r.productName, "FL-750", sizeof(r.productName) - 1);
    std::strncpy(r.likeName, name, sizeof(r.likeName) - 1);
    r.onlineStatus = online;
    r.hidUsbOrDongle = dongle;
    return r;
}

// The tiles need a model picture beside the executable; draw a stand-in.
void ensureTilePicture()
{
    const QString dir = DDeviceListItem::pictureDir() + QStringLiteral("/images/hidImages");
    const QString path = dir + QStringLiteral("/Keyboard_GALLERY.png");
    if (QFile::exists(path))
        return;
    QDir().mkpath(dir);
    QImage img(740, 260, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(80, 82, 100), 4));
    p.setBrush(QColor(36, 37, 46));
    p.drawRoundedRect(QRectF(4, 4, 732, 252), 18, 18);
    p.setPen(Qt::NoPen);
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 15; ++c) {
            const QColor glow = QColor::fromHsv((c * 24 + r * 10) % 360, 170, 230);
            p.setBrush(QColor(58, 60, 72));
            p.drawRoundedRect(QRectF(22 + c * 47, 20 + r * 38, 40, 32), 5, 5);
            p.setBrush(glow);
            p.drawRect(QRectF(24 + c * 47, 48 + r * 38, 36, 3));
        }
    img.save(path);
}

QWidget *widgetsPage()
{
    auto *page = new QWidget;
    auto *v = new QVBoxLayout(page);
    v->setContentsMargins(20, 16, 20, 16);
    v->setSpacing(10);

    v->addWidget(heading(QStringLiteral("Key buttons")));
    auto *keys = new QHBoxLayout;
    keys->addWidget(keyState("idle", [](keyboardButCustom *) {}));
    keys->addWidget(keyState("hovered", [](keyboardButCustom *k) { k->setHovered(true); }));
    keys->addWidget(keyState("selected", [](keyboardButCustom *k) { k->setSelected(true); }));
    keys->addWidget(keyState("sel+hover", [](keyboardButCustom *k) {
        k->setSelected(true);
        k->setHovered(true);
    }));
    keys->addWidget(keyState("band", [](keyboardButCustom *k) { k->setRangeSelected(true); }));
    keys->addWidget(keyState("custom", [](keyboardButCustom *k) { k->setCustomMark(true); }));
    keys->addWidget(keyState("unavailable", [](keyboardButCustom *k) { k->setKeyEnabled(false); }));
    keys->addWidget(keyState("light", [](keyboardButCustom *k) {
        k->setColorDisplay(true);
        k->setKeyColor(QColor(40, 120, 255));
    }));
    keys->addWidget(keyState("light+hover", [](keyboardButCustom *k) {
        k->setColorDisplay(true);
        k->setKeyColor(QColor(60, 220, 120));
        k->setHovered(true);
    }));
    keys->addWidget(keyState("black+band", [](keyboardButCustom *k) {
        k->setColorDisplay(true);
        k->setKeyColor(QColor(0, 0, 0));
        k->setRangeSelected(true);
    }));
    keys->addWidget(keyState("preview", [](keyboardButCustom *k) {
        k->setColorDisplay(true);
        k->setHoverHighlight(false);
        k->setKeyColor(QColor(255, 60, 160));
    }));
    keys->addStretch();
    v->addLayout(keys);

    v->addWidget(heading(QStringLiteral("Side light segments")));
    auto *side = new QHBoxLayout;
    const QColor sideColours[] = {QColor(255, 0, 0), QColor(255, 143, 31), QColor(40, 200, 255), QColor(160, 80, 255)};
    for (const QColor &c : sideColours) {
        auto *seg = new sideLightButtonCustom;
        seg->setButtonSize(120, 14);
        seg->setColor(c);
        side->addWidget(seg);
    }
    auto *tall = new sideLightButtonCustom;
    tall->setButtonSize(14, 60);
    tall->setColor(QColor(60, 255, 120));
    side->addWidget(tall);
    side->addWidget(caption(QStringLiteral("(square: nothing)")));
    auto *square = new sideLightButtonCustom;
    square->setButtonSize(30, 30);
    square->setColor(Qt::red);
    side->addWidget(square);
    side->addStretch();
    v->addLayout(side);

    v->addWidget(heading(QStringLiteral("Sliders and battery")));
    auto *controls = new QHBoxLayout;
    for (int pos : {0, 2, 3, 5}) {
        auto *s = new sliderCustomWidget;
        s->setSliderSize(140, 40);
        s->setMargin(6);
        s->setSteps(5);
        s->setPosition(pos);
        controls->addWidget(s);
    }
    for (int level : {10, 25, 26, 50, 51, 100}) {
        auto *b = new BatteryItem;
        b->setFixedSize(34, 18);
        b->setLevel(level);
        controls->addWidget(b);
    }
    auto *charging = new BatteryItem;
    charging->setFixedSize(34, 18);
    charging->setColorEnabled(false);
    charging->setLevel(60);
    controls->addWidget(charging);
    controls->addWidget(caption(QStringLiteral("charging")));
    auto *unknown = new BatteryItem;
    unknown->setFixedSize(34, 18);
    unknown->setLevel(100);
    unknown->setLevelUnknown();
    controls->addWidget(unknown);
    controls->addWidget(caption(QStringLiteral("not reported yet")));
    controls->addStretch();
    v->addLayout(controls);

    v->addWidget(heading(QStringLiteral("Scrolling text")));
    auto *marquee = new TextMoveWidget;
    marquee->setFixedSize(420, 28);
    marquee->setText(QStringLiteral("Do not unplug the keyboard while the firmware is being updated."));
    marquee->setTextFont(QStringLiteral("Microsoft YaHei"), 10);
    marquee->setForeground(kAccent);
    marquee->setBackground(QColor(34, 34, 58));
    v->addWidget(marquee);

    v->addWidget(heading(QStringLiteral("Device tiles")));
    ensureTilePicture();
    auto *tiles = new QHBoxLayout;
    struct TileCase { const char *name; int online; int dongle; bool selected; };
    const TileCase cases[] = {{"VARDEX K1", 1, 0, true}, {"VARDEX K1", 1, 1, false}, {"VARDEX K1", 0, 1, false}};
    for (const TileCase &c : cases) {
        auto *tile = new DDeviceListItem;
        tile->setHidInfo(tileRecord(c.name, c.online, c.dongle));
        tile->setSelected(c.selected);
        tiles->addWidget(tile);
    }
    tiles->addStretch();

    // Toast and tip, drawn live inside the page.
    auto *popups = new QVBoxLayout;
    auto *toastHost = new QWidget;
    toastHost->setFixedSize(320, 70);
    popups->addWidget(toastHost);
    auto *bubble = new ArrowWidget(1, nullptr);
    bubble->setWindowFlags(Qt::Widget);
    bubble->setAttribute(Qt::WA_TranslucentBackground);
    bubble->setBubbleSize(230, 70);
    bubble->setArrowPosition(30);
    auto *tip = new DToolTipExplain;
    tip->setText(QStringLiteral("Macro: Copy"));
    bubble->setContentWidget(tip);
    popups->addWidget(bubble);
    popups->addWidget(caption(QStringLiteral("toast and key tip")));
    tiles->addLayout(popups);
    v->addLayout(tiles);
    v->addStretch();

    QTimer::singleShot(0, toastHost, [toastHost] {
        auto *toast = new CbNotice(toastHost);
        toast->setPixelSize(14);
        toast->showNotice(QStringLiteral("Download succeeded"), QPoint(160, 35));
    });
    return page;
}

QWidget *imagesPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    QFile list(QStringLiteral(VARDEX_SOURCE_ROOT "/resources/imagesrc/image-list.txt"));
    list.open(QIODevice::ReadOnly | QIODevice::Text);
    int cell = 0;
    const int columns = 16;
    while (!list.atEnd()) {
        const QString line = QString::fromUtf8(list.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString path = QStringLiteral(":/") + line.split(QRegularExpression(QStringLiteral("\\s+"))).value(0);
        auto *l = new QLabel;
        l->setFixedSize(72, 56);
        l->setAlignment(Qt::AlignCenter);
        l->setToolTip(path);
        if (path.endsWith(QLatin1String(".gif"))) {
            auto *movie = new QMovie(path, QByteArray(), l);
            l->setMovie(movie);
            movie->start();
        } else {
            QPixmap px(path);
            if (px.isNull()) {
                qWarning("missing picture %s", qPrintable(path));
                ++g_missingPictures;
            }
            if (px.width() > 68 || px.height() > 40)
                px = px.scaled(68, 40, Qt::KeepAspectRatio, Qt::SmoothTransformation);
            l->setPixmap(px);
        }
        l->setStyleSheet(QStringLiteral("background: rgb(26,27,49); border: 1px solid rgb(46,47,80);"));
        grid->addWidget(l, cell / columns, cell % columns);
        ++cell;
    }
    return page;
}

hidStructInfoAll firmwareRow(const char *path, const char *model, const char *version, const char *newVersion,
                             const char *likeName)
{
    hidStructInfoAll r {};
    qstrncpy(r.hidPath, path, sizeof r.hidPath);
    qstrncpy(r.hidName, model, sizeof r.hidName);
    qstrncpy(r.productName, "Vardex", sizeof r.productName);
    qstrncpy(r.likeName, likeName, sizeof r.likeName);
    qstrncpy(r.firmwareVersion, version, sizeof r.firmwareVersion);
    qstrncpy(r.newFirmwareVersion, newVersion, sizeof r.newFirmwareVersion);
    return r;
}

// The update dialog with a keyboard offered its update, one waiting in
// update mode, one just updated, and one whose image is for another model
// (the longest reason in most languages), with the longest model names.
QWidget *firmwareDialog()
{
    auto *dia = new DUpdateFirmwareDia;
    dia->setAttribute(Qt::WA_DeleteOnClose, false);
    const QList<hidStructInfoAll> rows = {firmwareRow("/dev/hidraw2", "Quendo", "V1.0.3", "V1.1", "Quendo 108"),
                                          firmwareRow("sim://boot/0416:3f00/1", "Torvi", "", "V1.0.10", "Torvi 66"),
                                          firmwareRow("/dev/hidraw3", "Mirvan", "V1.0.3", "V1.0.10", "Mirvan 104"),
                                          firmwareRow("/dev/hidraw5", "Gampel", "V1.0", "", "Gampel 104")};
    dia->setUpgradeDeviceList(rows, {}, {QStringLiteral("sim://boot/0416:3f00/1")},
                              {{QStringLiteral("/dev/hidraw5"), DUpdateFirmwareDia::UpdateFailure::ImageOtherModel}});
    // As the dialog leaves a row whose update has just finished.
    UpdateFirmwareInfoItem *updated = dia->items().at(2);
    updated->setProgressNum(100);
    updated->showCompletePage();
    updated->showInstalledVersion();
    return dia;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption pageOpt(QStringLiteral("page"), QStringLiteral("widgets or images"), QStringLiteral("page"),
                               QStringLiteral("widgets"));
    QCommandLineOption shotOpt(QStringLiteral("screenshot"), QStringLiteral("Save a picture and quit."),
                               QStringLiteral("file"));
    QCommandLineOption languageOpt(QStringLiteral("language"), QStringLiteral("Interface language, as its file name"),
                                   QStringLiteral("name"));
    parser.addOption(pageOpt);
    parser.addOption(shotOpt);
    parser.addOption(languageOpt);
    parser.process(app);

    QtLinguist linguist;
    if (parser.isSet(languageOpt)) {
        const QMap<int, QString> files = linguist.languageFiles();
        const int language = files.key(parser.value(languageOpt) + QStringLiteral(".qm"), 0);
        if (!language || !linguist.load(language)) {
            qWarning("language %s cannot be loaded", qPrintable(parser.value(languageOpt)));
            return 1;
        }
    }

    if (parser.value(pageOpt) == QLatin1String("firmware")) {
        std::unique_ptr<QWidget> dia(firmwareDialog());
        dia->show();
        if (parser.isSet(shotOpt)) {
            const QString file = parser.value(shotOpt);
            QTimer::singleShot(600, dia.get(), [&dia, file] { QApplication::exit(dia->grab().save(file) ? 0 : 1); });
        }
        return app.exec();
    }

    QWidget window;
    window.setWindowTitle(QStringLiteral("vardex widget gallery"));
    window.setStyleSheet(QStringLiteral("QWidget#gallery{background: rgb(26,27,49);}"));
    window.setObjectName(QStringLiteral("gallery"));
    window.setAttribute(Qt::WA_StyledBackground);
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(parser.value(pageOpt) == QLatin1String("images") ? imagesPage() : widgetsPage());
    window.show();

    if (parser.isSet(shotOpt)) {
        const QString file = parser.value(shotOpt);
        QTimer::singleShot(600, &window, [&window, file] {
            const bool ok = window.grab().save(file) && g_missingPictures == 0;
            QApplication::exit(ok ? 0 : 1);
        });
    }
    return app.exec();
}
