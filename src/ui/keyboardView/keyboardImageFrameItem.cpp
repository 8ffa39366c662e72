#include "ui/keyboardView/keyboardImageFrameItem.h"
#include "ui_keyboardImageFrameItem.h"

#include "vardexSdk.h"

#include <QCoreApplication>

keyboardImageFrameItem::keyboardImageFrameItem(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::keyboardImageFrameItem)
{
    ui->setupUi(this);
}

keyboardImageFrameItem::~keyboardImageFrameItem()
{
    delete ui;
}

QString keyboardImageFrameItem::picturePath(const QString &modelCode)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/images/hidImages/Keyboard_") + modelCode
           + QStringLiteral(".png");
}

void keyboardImageFrameItem::setHidInfo(const hidStructInfo &info)
{
    m_modelCode = QString::fromUtf8(info.hidName, int(qstrnlen(info.hidName, sizeof info.hidName)));
    ui->frame->setStyleSheet(QStringLiteral("QFrame#frame{border-image: url(%1);}").arg(picturePath(m_modelCode)));
}
