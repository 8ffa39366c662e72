#ifndef KEYBOARDIMAGEFRAMEITEM_H
#define KEYBOARDIMAGEFRAMEITEM_H

#include <QString>
#include <QWidget>

struct hidStructInfo;

namespace Ui {
class keyboardImageFrameItem;
}

// The picture layer of the keyboard view: the model's keyboard picture,
// stretched over the drawing area less a 10-pixel margin.
class keyboardImageFrameItem : public QWidget
{
    Q_OBJECT

public:
    explicit keyboardImageFrameItem(QWidget *parent = nullptr);
    ~keyboardImageFrameItem() override;

    void setHidInfo(const hidStructInfo &info);
    QString modelCode() const { return m_modelCode; }
    // "<executable dir>/images/hidImages/Keyboard_<model>.png"
    static QString picturePath(const QString &modelCode);

private:
    Ui::keyboardImageFrameItem *ui;
    QString m_modelCode;
};

#endif // KEYBOARDIMAGEFRAMEITEM_H
