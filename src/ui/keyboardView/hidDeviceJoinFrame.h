#ifndef HIDDEVICEJOINFRAME_H
#define HIDDEVICEJOINFRAME_H

#include "ui/keyboardView/keySelectFrame.h"

#include <QList>
#include <QString>
#include <QWidget>

class keyboardButCustom;
class keyboardImageFrameItem;
class keyColorRgbFrameItem;
class QFrame;

namespace Ui {
class hidDeviceJoinFrame;
}

// The drawing of the current keyboard: the key layer over the keyboard
// picture over an empty colour layer, in a drawing area sized from the
// model's picture, zoomable from 1.0 to 2.0, with hover and rubber-band
// selection of keys.
class hidDeviceJoinFrame : public QWidget
{
    Q_OBJECT

public:
    static constexpr float kMinZoom = 1.0f;
    static constexpr float kMaxZoom = 2.0f;

    explicit hidDeviceJoinFrame(QWidget *parent = nullptr);
    ~hidDeviceJoinFrame() override;

    // Builds the layers for the model and loads its layout. Once per view.
    // The device page passes its hidStructInfoAll; the view reads its HID
    // path and model code ("hidName").
    template <class DeviceRecord>
    void initKeyboard(const DeviceRecord &record)
    {
        initKeyboard(record.hidPath, record.hidName);
    }
    void initKeyboard(const char *hidPath, const char *modelCode);

    void setScale(float scale);
    float scale() const { return m_scale; }

    void selectKeysInRect(int x1, int y1, int x2, int y2);
    // A finished band from the overlay: ignores a click without movement,
    // orders the corners and selects (a band of zero width or height clears).
    void selectBand(int startX, int startY, int endX, int endY);
    void hoverAt(int x, int y);
    void setMousePressed(bool pressed);
    void setColorDisplay(bool on);
    void clearColorDisplay();
    // Drops the keys picked on the drawing.
    void clearKeySelection();
    QList<keyboardButCustom *> selectedKeyButtons() const { return m_selection; }
    keyboardButCustom *hoveredKey() const { return m_hovered; }
    void logDrawingAreaPosition() const;

    keySelectFrame *keyLayer() const { return m_keyLayer; }
    keyboardImageFrameItem *pictureLayer() const { return m_pictureLayer; }
    QFrame *drawingArea() const;
    int baseWidth() const { return m_baseWidth; }
    int baseHeight() const { return m_baseHeight; }

    // A scaled value in whole pixels: truncated, plus one when the first
    // decimal digit is 4 or more (12.3 -> 12, 12.4 -> 13).
    static int toScaledPixels(float value);
    // Orders a band's corners into (left, top, right, bottom); a band of zero
    // width or height becomes (0, 0, 0, 0).
    static void normalizeBand(int &x1, int &y1, int &x2, int &y2);
    // One press of a zoom button: moves factor by 0.1 towards 2.0 (enlarge)
    // or 1.0, unless its label already shows the bound; returns whether it
    // moved.
    static bool stepZoom(float &factor, bool enlarge);
    // The zoom factor as the page's label shows it, one decimal ("1.5").
    static QString zoomLabel(float factor);

signals:
    void sigDragAreaMoveOneKey(bool isSelectedOneKey);

public slots:
    void onKeyboardAlreadyLoad();

private:
    Ui::hidDeviceJoinFrame *ui;
    keySelectFrame *m_keyLayer = nullptr;
    keyColorRgbFrameItem *m_colorLayer = nullptr;
    keyboardImageFrameItem *m_pictureLayer = nullptr;
    QWidget *m_layerContainer = nullptr;
    int m_baseWidth = 0;
    int m_baseHeight = 0;
    float m_scale = 1.0f;
    bool m_mousePressed = false;
    QList<keyboardButCustom *> m_selection;
    keyboardButCustom *m_hovered = nullptr;
    keyGeometryInfo m_grid[keySelectFrame::kRows][keySelectFrame::kColumns];
    QList<keyGeometryInfo> m_rowHeads;
};

#endif // HIDDEVICEJOINFRAME_H
