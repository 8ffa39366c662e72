#ifndef KEYSELECTFRAME_H
#define KEYSELECTFRAME_H

#include <QList>
#include <QMap>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <cstdint>

struct hidStructInfo;
class keyboardButCustom;
class sideLightButtonCustom;
class ArrowWidget;
class keyBackdrop;
class DCustomEventTipExplain;

namespace Ui {
class keySelectFrame;
}

// One key cell or side-light segment as the key layer hands it to the view.
struct keyGeometryInfo
{
    int32_t code = 0;          // key code ("Dec") or segment number ("Index")
    int32_t x = 0;             // layout pixels, unscaled, without the margin
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t kind = 0;          // kindKey or kindSideLight
    int32_t sidePosition = 0;  // segments: 1 left, 2 right, 3 top, 4 bottom

    static constexpr int32_t kindKey = 999;
    static constexpr int32_t kindSideLight = 777;
};

// The key layer of the keyboard drawing: one button per key cell and per
// side-light segment, built from the model's layout file and registered with
// DDataManager so the other pages can reach every key.
class keySelectFrame : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kRows = 6;
    static constexpr int kColumns = 22;
    static constexpr int kMargin = 10;

    explicit keySelectFrame(QWidget *parent = nullptr);
    ~keySelectFrame() override;

    // Loads ":/images/configDir/KeyInfo_<model>.config" for the record's
    // model code; no other field is read.
    void setHidInfo(const hidStructInfo &info);
    void loadKeyboardInfo(const QString &modelCode);
    // Builds the layer from layout text; returns false (and builds nothing)
    // when the text is not a usable layout.
    bool parseKeyboardInfo(const char *text);

    void setDisplayMode(bool colorDisplay, bool hoverHighlight);
    void setHoverHighlight(bool on);
    void setColorDisplay(bool on);
    void showSideLights(bool show);

    // The picture beneath the buttons that lets a changed key repaint alone.
    keyBackdrop *backdrop() const { return m_backdrop; }

    QList<keyGeometryInfo> keyGeometryInfos() const { return m_keyGeometry; }
    QList<keyGeometryInfo> sideGeometryInfos() const { return m_sideGeometry; }
    QMap<int, keyboardButCustom *> keyButtonMap() const { return m_keyMap; }
    QMap<int, sideLightButtonCustom *> sideButtonMap() const { return m_sideMap; }
    QList<sideLightButtonCustom *> sideLightButtons() const { return m_sideButtons; }
    QList<keyboardButCustom *> keyButtons() const { return m_keyButtons; }
    keyboardButCustom *gridButton(int row, int column) const;
    bool hasSideLight() const { return m_hasSideLight; }
    bool hasSpecialEnter() const { return m_specialEnter; }
    // The hover bubble's content while one is shown (tests read its texts).
    DCustomEventTipExplain *tipContent() const;

signals:
    void sigKeyboardAlreadyLoad();

public slots:
    void onKeyButtonClicked();
    void onCustomButMouseEnter();
    void onCustomButMouseLeave();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void clearLayer();
    // Deselects the last clicked key (repainted) and forgets it.
    void dropSelection();
    void releaseRegistry(bool evenIfNotOurs);

    Ui::keySelectFrame *ui;
    bool m_hasSideLight = false;
    bool m_specialEnter = false;
    int m_specialEnterShape = 0;
    int m_sideOffsetX = kMargin;
    int m_sideOffsetY = kMargin;

    QList<sideLightButtonCustom *> m_sideButtons;
    QMap<int, sideLightButtonCustom *> m_sideMap;
    QList<keyGeometryInfo> m_sideGeometry;

    QMap<int, keyboardButCustom *> m_keyMap;
    QList<keyboardButCustom *> m_keyButtons;
    keyboardButCustom *m_grid[kRows][kColumns] = {};
    QList<keyGeometryInfo> m_keyGeometry;

    keyboardButCustom *m_selected = nullptr;
    keyBackdrop *m_backdrop = nullptr;
    QPointer<ArrowWidget> m_tip;
    QPointer<DCustomEventTipExplain> m_tipContent;
};

#endif // KEYSELECTFRAME_H
