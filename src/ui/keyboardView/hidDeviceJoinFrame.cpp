#include "ui/keyboardView/hidDeviceJoinFrame.h"
#include "ui_hidDeviceJoinFrame.h"

#include "ui/keyboardView/keyColorRgbFrameItem.h"
#include "ui/keyboardView/keyboardButCustom.h"
#include "ui/keyboardView/keyboardImageFrameItem.h"
#include "ui/keyboardView/keyboardPictureSize.h"
#include "ui/keyboardView/sideLightButtonCustom.h"

#include "vardexSdk.h"

#include <QDebug>
#include <cstring>
#include <QStackedLayout>

namespace {
constexpr int kMargin = keySelectFrame::kMargin;

int scaled(int value, float scale)
{
    return hidDeviceJoinFrame::toScaledPixels(static_cast<float>(double(value) * double(scale)));
}

// Where a layout position lies on screen at this zoom (single precision, as
// the hover and band tests measure it).
int screenPos(int value, float scale, int origin)
{
    return static_cast<int>(float(value) * scale + float(origin) + float(kMargin));
}
} // namespace

hidDeviceJoinFrame::hidDeviceJoinFrame(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::hidDeviceJoinFrame)
{
    ui->setupUi(this);
}

hidDeviceJoinFrame::~hidDeviceJoinFrame()
{
    delete ui;
}

QFrame *hidDeviceJoinFrame::drawingArea() const
{
    return ui->frame_hidSpace;
}

int hidDeviceJoinFrame::toScaledPixels(float value)
{
    const int whole = static_cast<int>(value);
    const int firstDecimal = static_cast<int>(value * 10.0f) % 10;
    return firstDecimal >= 4 ? whole + 1 : whole;
}

void hidDeviceJoinFrame::normalizeBand(int &x1, int &y1, int &x2, int &y2)
{
    if (x1 == x2 || y1 == y2) {
        x1 = y1 = x2 = y2 = 0;
        return;
    }
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
}

QString hidDeviceJoinFrame::zoomLabel(float factor)
{
    return QString::number(double(factor), 'f', 1);
}

bool hidDeviceJoinFrame::stepZoom(float &factor, bool enlarge)
{
    const QString bound = zoomLabel(enlarge ? kMaxZoom : kMinZoom);
    if (zoomLabel(factor) == bound)
        return false;
    factor += enlarge ? 0.1f : -0.1f;
    return true;
}

void hidDeviceJoinFrame::initKeyboard(const char *hidPath, const char *modelCodeText)
{
    // The layers take the vendor record; only its model code matters to them.
    hidStructInfo info;
    std::memset(&info, 0, sizeof info);
    info.vendorId = 4660;
    info.productId = 22136;
    qstrncpy(info.hidPath, hidPath ? hidPath : "", sizeof info.hidPath);
    qstrncpy(info.hidManufacturer, "hidStu_hidManufacturer", sizeof info.hidManufacturer);
    qstrncpy(info.hidProduct, "hidStu_hidProduct", sizeof info.hidProduct);
    qstrncpy(info.hidName, modelCodeText ? modelCodeText : "", sizeof info.hidName);
    qstrncpy(info.hidFirmwareNUC, "hidStu_hidFirmwareNUC", sizeof info.hidFirmwareNUC);
    const QString modelCode = QString::fromUtf8(info.hidName);

    const QSize picture = keyboardPictureSize(modelCode);
    m_baseWidth = picture.width() + 2 * kMargin;
    m_baseHeight = picture.height() + 2 * kMargin;
    ui->frame_hidSpace->setFixedSize(m_baseWidth, m_baseHeight);

    m_layerContainer = new QWidget(ui->frame_hidSpace);
    m_keyLayer = new keySelectFrame(m_layerContainer);
    m_colorLayer = new keyColorRgbFrameItem(m_layerContainer);
    m_pictureLayer = new keyboardImageFrameItem(m_layerContainer);
    connect(m_keyLayer, SIGNAL(sigKeyboardAlreadyLoad()), this, SLOT(onKeyboardAlreadyLoad()));
    auto *stack = new QStackedLayout;
    stack->setStackingMode(QStackedLayout::StackAll);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->addWidget(m_keyLayer);
    stack->addWidget(m_colorLayer);
    stack->addWidget(m_pictureLayer);
    m_layerContainer->setLayout(stack);
    ui->frame_hidSpace->layout()->addWidget(m_layerContainer);
    m_pictureLayer->lower();
    m_colorLayer->lower();
    m_keyLayer->raise();

    m_pictureLayer->setHidInfo(info);
    m_keyLayer->setHidInfo(info);
    m_keyLayer->setDisplayMode(false, true);
}

void hidDeviceJoinFrame::onKeyboardAlreadyLoad()
{
    m_rowHeads.clear();
    for (auto &row : m_grid)
        for (auto &cell : row)
            cell = keyGeometryInfo();
    const QList<keyGeometryInfo> keys = m_keyLayer->keyGeometryInfos();
    if (keys.isEmpty())
        return;
    m_rowHeads.append(keys.first());
    int r = 0;
    int c = 0;
    for (const keyGeometryInfo &info : keys) {
        if (c != 0 && c % keySelectFrame::kColumns == 0) {
            ++r;
            c = 0;
            if (r >= keySelectFrame::kRows)
                break; // the grid holds 6 x 22 cells; the layer accepts no more
            m_rowHeads.append(info);
        }
        m_grid[r][c] = info;
        ++c;
    }
}

void hidDeviceJoinFrame::setScale(float s)
{
    const int width = toScaledPixels(float(double(m_baseWidth - 2 * kMargin) * double(s))) + 2 * kMargin;
    const int height = toScaledPixels(float(double(m_baseHeight - 2 * kMargin) * double(s))) + 2 * kMargin;
    ui->frame_hidSpace->setFixedSize(width, height);
    m_scale = s;
    if (!m_keyLayer)
        return;

    const QMap<int, keyboardButCustom *> buttons = m_keyLayer->keyButtonMap();
    for (const keyGeometryInfo &info : m_keyLayer->keyGeometryInfos()) {
        if (info.code == 0)
            continue;
        keyboardButCustom *button = buttons.value(info.code);
        if (!button)
            continue;
        const int x = scaled(info.x, s) + kMargin;
        const int y = scaled(info.y, s) + kMargin;
        const int w = scaled(info.width, s);
        const int h = scaled(info.height, s);
        button->place(x, y, w, h);
        button->updateFace();
    }

    if (!m_keyLayer->hasSideLight())
        return;
    const QMap<int, sideLightButtonCustom *> segments = m_keyLayer->sideButtonMap();
    for (const keyGeometryInfo &info : m_keyLayer->sideGeometryInfos()) {
        if (info.sidePosition == 0)
            continue;
        sideLightButtonCustom *button = segments.value(info.code);
        if (!button)
            continue;
        // Bars keep their thickness and hug the edges of the drawing area.
        const int along = info.sidePosition <= 2 ? info.y : info.x;
        const int start = along < 0 ? along + kMargin : scaled(along, s) + kMargin;
        int x = 0, y = 0, w = 0, h = 0;
        switch (info.sidePosition) {
        case 1:
        case 2:
            x = info.sidePosition == 1 ? 0 : width - kMargin;
            y = start;
            w = info.width;
            h = scaled(info.height, s);
            break;
        case 3:
        case 4:
            x = start;
            y = info.sidePosition == 3 ? 0 : height - kMargin;
            w = scaled(info.width, s);
            h = info.height;
            break;
        default:
            break;
        }
        button->place(x, y, w, h);
    }
}

void hidDeviceJoinFrame::clearKeySelection()
{
    for (keyboardButCustom *button : qAsConst(m_selection))
        button->setRangeSelected(false);
    m_selection.clear();
}

void hidDeviceJoinFrame::selectKeysInRect(int x1, int y1, int x2, int y2)
{
    clearKeySelection();
    if (!m_keyLayer)
        return;

    const QPoint origin = ui->frame_hidSpace->pos();
    const QMap<int, keyboardButCustom *> buttons = m_keyLayer->keyButtonMap();
    const int left = qMin(x1, x2), right = qMax(x1, x2);
    const int top = qMin(y1, y2), bottom = qMax(y1, y2);
    for (const keyGeometryInfo &info : m_keyLayer->keyGeometryInfos()) {
        if (info.code == 0)
            continue;
        const int keyLeft = screenPos(info.x, m_scale, origin.x());
        const int keyTop = screenPos(info.y, m_scale, origin.y());
        if (keyLeft < left || keyLeft > right || keyTop < top || keyTop > bottom)
            continue;
        keyboardButCustom *button = buttons.value(info.code);
        if (!button)
            continue;
        button->setRangeSelected(true);
        m_selection.append(button);
    }
}

void hidDeviceJoinFrame::selectBand(int startX, int startY, int endX, int endY)
{
    if (startX == endX && startY == endY)
        return;
    normalizeBand(startX, startY, endX, endY);
    selectKeysInRect(startX, startY, endX, endY);
}

void hidDeviceJoinFrame::hoverAt(int x, int y)
{
    if (m_mousePressed)
        return;
    const QPoint origin = ui->frame_hidSpace->pos();
    const int rightEdge = origin.x() + ui->frame_hidSpace->width();
    const QMap<int, keyboardButCustom *> buttons =
        m_keyLayer ? m_keyLayer->keyButtonMap() : QMap<int, keyboardButCustom *>();
    bool found = false;
    for (int r = 0; r < m_rowHeads.size(); ++r) {
        const keyGeometryInfo &head = m_rowHeads.at(r);
        const int top = screenPos(head.y, m_scale, origin.y());
        const int bottom = static_cast<int>(float(top) + float(head.height) * m_scale);
        if (!(origin.x() < x && x < rightEdge && top < y && y < bottom))
            continue;
        for (int c = 0; c < keySelectFrame::kColumns; ++c) {
            const keyGeometryInfo &info = m_grid[r][c];
            if (info.code == 0)
                continue;
            const int left = screenPos(info.x, m_scale, origin.x());
            const int keyTop = screenPos(info.y, m_scale, origin.y());
            const int right = static_cast<int>(float(left) + float(info.width) * m_scale);
            const int keyBottom = static_cast<int>(float(keyTop) + float(info.height) * m_scale);
            if (!(left < x && x < right && keyTop < y && y < keyBottom))
                continue;
            found = true;
            keyboardButCustom *button = buttons.value(info.code);
            if (button && button != m_hovered) {
                if (m_hovered)
                    m_hovered->setHovered(false);
                button->setHovered(true);
                m_hovered = button;
            }
            break;
        }
        break;
    }
    if (!found && m_hovered) {
        m_hovered->setHovered(false);
        m_hovered = nullptr;
    }
    emit sigDragAreaMoveOneKey(found);
}

void hidDeviceJoinFrame::setMousePressed(bool pressed)
{
    m_mousePressed = pressed;
    if (!pressed || !m_hovered)
        return;
    const int at = m_selection.indexOf(m_hovered);
    if (at >= 0) {
        m_hovered->setRangeSelected(false);
        m_selection.removeAt(at);
    } else {
        m_hovered->setRangeSelected(true);
        m_selection.append(m_hovered);
    }
}

void hidDeviceJoinFrame::setColorDisplay(bool on)
{
    if (on)
        clearKeySelection();
    if (m_keyLayer)
        m_keyLayer->setColorDisplay(on);
}

void hidDeviceJoinFrame::clearColorDisplay()
{
    if (m_keyLayer)
        m_keyLayer->setColorDisplay(false);
}

void hidDeviceJoinFrame::logDrawingAreaPosition() const
{
    qDebug() << "----------------posX:" << ui->frame_hidSpace->x() << "  posY:" << ui->frame_hidSpace->y();
}
