// Colour editing of the light page: the picker, the value ring, the swatches,
// the RGB fields and the choice between the top and the bottom colour.
#include "DLightsConfigPage.h"
#include "ui_DLightsConfigPage.h"

#include "SVColorArea.h"

#include <QDebug>
#include <QSignalBlocker>

namespace {

QString rgbText(const QColor &c)
{
    return QStringLiteral("rgb(%1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

QColor colorFromText(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    return QColor(parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt(), 255);
}

} // namespace

void DLightsConfigPage::initColorSwatches()
{
    m_colorSwatchList = QStringList{
        QStringLiteral("255,0,0"),   QStringLiteral("255,85,0"),    QStringLiteral("255,170,0"),
        QStringLiteral("255,255,0"), QStringLiteral("170,255,170"), QStringLiteral("85,255,85"),
        QStringLiteral("0,255,0"),   QStringLiteral("0,255,85"),    QStringLiteral("0,255,170"),
        QStringLiteral("0,255,255"), QStringLiteral("0,170,255"),   QStringLiteral("0,85,255"),
        QStringLiteral("0,0,255"),   QStringLiteral("85,0,255"),    QStringLiteral("170,0,255"),
        QStringLiteral("255,0,255"), QStringLiteral("255,85,255"),  QStringLiteral("255,170,255"),
        QStringLiteral("0,0,0"),     QStringLiteral("255,255,255")};
    m_swatches.clear();
    for (int n = 1; n <= m_colorSwatchList.size(); ++n) {
        auto *swatch = findChild<QLabel *>(QStringLiteral("label_Color%1").arg(n, 2, 10, QLatin1Char('0')));
        m_swatches.append(swatch);
        if (!swatch)
            continue;
        const QColor c = colorFromText(m_colorSwatchList.at(n - 1));
        swatch->setStyleSheet(QStringLiteral("QLabel{background-color: %1; border-radius: 7px;}"
                                             "QLabel:hover{border: 2px solid rgb(255, 143, 31); border-radius: 7px;}")
                                  .arg(rgbText(c)));
    }
}

bool DLightsConfigPage::topColorChosen() const
{
    return ui->pushButton_TopColor->isChecked();
}

void DLightsConfigPage::setChosenEnd(const QColor &c)
{
    const int base = topColorChosen() ? 0 : 3;
    m_editColors[base] = c.red();
    m_editColors[base + 1] = c.green();
    m_editColors[base + 2] = c.blue();
}

void DLightsConfigPage::showEditedColor(const QColor &c)
{
    showColorInFields(c);
    showColorPreview(c);
    paintColorButton(topColorChosen() ? ui->pushButton_TopColor : ui->pushButton_BottomColor, c);
    setChosenEnd(c);
}

void DLightsConfigPage::showColorInFields(const QColor &c)
{
    const QSignalBlocker r(ui->lineEdit_R), g(ui->lineEdit_G), b(ui->lineEdit_B);
    ui->lineEdit_R->setText(QString::number(c.red()));
    ui->lineEdit_G->setText(QString::number(c.green()));
    ui->lineEdit_B->setText(QString::number(c.blue()));
}

void DLightsConfigPage::showColorPreview(const QColor &c)
{
    ui->label_ColorShow->setStyleSheet(QStringLiteral("background-color: %1; border-radius: 4px;").arg(rgbText(c)));
}

void DLightsConfigPage::paintColorButton(QAbstractButton *button, const QColor &c)
{
    button->setStyleSheet(QStringLiteral("QPushButton{background-color: %1; border: 2px solid rgb(52, 52, 86); "
                                         "border-radius: 7px;}"
                                         "QPushButton:hover, QPushButton:pressed, QPushButton:checked"
                                         "{border: 2px solid rgb(255, 143, 31);}")
                              .arg(rgbText(c)));
}

// The colour controls from the loaded record; the top colour is chosen.
void DLightsConfigPage::fillColorControls()
{
    const colorInfoData &r = m_currentLightConfig;
    for (int i = 0; i < 3; ++i) {
        m_editColors[i] = r.ledTopColor[i];
        m_editColors[3 + i] = r.ledBottomColor[i];
    }
    ui->checkBox_FullColorMode->setChecked(r.ledFullColor == 1);
    m_colorArea->resetRingValue();
    const QColor top(qBound(0, r.ledTopColor[0], 255), qBound(0, r.ledTopColor[1], 255), qBound(0, r.ledTopColor[2], 255));
    const QColor bottom(qBound(0, r.ledBottomColor[0], 255), qBound(0, r.ledBottomColor[1], 255),
                        qBound(0, r.ledBottomColor[2], 255));
    m_shownColor = top;
    showColorInFields(top);
    showColorPreview(top);
    paintColorButton(ui->pushButton_TopColor, top);
    paintColorButton(ui->pushButton_BottomColor, bottom);
    ui->pushButton_TopColor->setChecked(true);
}

void DLightsConfigPage::onGetRGB(int r, int g, int b)
{
    qDebug() << "----------------onGetRGB --->>> r:" << r << "  g:" << g << "  b:" << b;
    const QColor c(r, g, b);
    m_shownColor = c;
    showEditedColor(c);
}

void DLightsConfigPage::onMoveingStatus(int valueRotate, int degRotate)
{
    Q_UNUSED(degRotate);
    if (valueRotate == 0)
        return; // the ring at rest
    const int value = int((100 - valueRotate) * 2.55);
    const QColor c = QColor::fromHsv(m_shownColor.hsvHue(), m_shownColor.hsvSaturation(), qBound(0, value, 255));
    qDebug() << "----------------onMoveingStatus --->>> r:" << c.red() << "  g:" << c.green() << "  b:" << c.blue();
    showEditedColor(c);
}

void DLightsConfigPage::onSVColorAreaMouseIsPress(bool isMousePress)
{
    m_isColorAreaPressed = isMousePress;
    // While held this does nothing; the release stores and sends the drag once.
    saveAndSendLightConfig(0);
}

void DLightsConfigPage::onColorItemSelcSignal(QColor color)
{
    if (!m_isColorAreaPressed)
        m_shownColor = color;
    showEditedColor(color);
    saveAndSendLightConfig(0);
}

void DLightsConfigPage::onColorSwatchPressed(QString color)
{
    m_colorArea->resetRingValue();
    onColorItemSelcSignal(colorFromText(color));
    if (m_currentLightConfig.ledType == lightTypeTable::CustomValue)
        emit sigLightConfigHaveChanged_Custom(0, m_currentLightConfig);
}

void DLightsConfigPage::onCurIndexChanged_LightTopOrBottomColor(int selIndex)
{
    const int32_t *stored = selIndex == 0 ? m_currentLightConfig.ledTopColor : m_currentLightConfig.ledBottomColor;
    m_shownColor = QColor(qBound(0, stored[0], 255), qBound(0, stored[1], 255), qBound(0, stored[2], 255));
    showColorInFields(m_shownColor);
    showColorPreview(m_shownColor);
    m_colorArea->resetRingValue();
}

// component: 0 red, 1 green, 2 blue.
void DLightsConfigPage::onRgbFieldEdited(QLineEdit *field, const QString &text, int component)
{
    if (!field->hasFocus())
        return; // the page's own updates
    bool ok = false;
    int number = text.toInt(&ok);
    if (!ok)
        number = text.trimmed().isEmpty() ? 0 : -1;
    if (number < 0 || number > 255) {
        // Back to what this field showed, not to the last field edited.
        const QSignalBlocker blocker(field);
        field->setText(QString::number(m_editColors[(topColorChosen() ? 0 : 3) + component]));
        return;
    }
    switch (component) {
    case 0: setRedNum(number); break;
    case 1: setGreenNum(number); break;
    default: setBlueNum(number); break;
    }
}

void DLightsConfigPage::setRedNum(int value)
{
    qDebug() << "------------------- *** redNum:" << value;
    onColorItemSelcSignal(QColor(value, ui->lineEdit_G->text().toInt(), ui->lineEdit_B->text().toInt()));
}

void DLightsConfigPage::setGreenNum(int value)
{
    qDebug() << "------------------- *** greenNum:" << value;
    onColorItemSelcSignal(QColor(ui->lineEdit_R->text().toInt(), value, ui->lineEdit_B->text().toInt()));
}

void DLightsConfigPage::setBlueNum(int value)
{
    qDebug() << "------------------- *** blueNum:" << value;
    onColorItemSelcSignal(QColor(ui->lineEdit_R->text().toInt(), ui->lineEdit_G->text().toInt(), value));
}

void DLightsConfigPage::on_lineEdit_R_textChanged(const QString &text)
{
    onRgbFieldEdited(ui->lineEdit_R, text, 0);
}

void DLightsConfigPage::on_lineEdit_G_textChanged(const QString &text)
{
    onRgbFieldEdited(ui->lineEdit_G, text, 1);
}

void DLightsConfigPage::on_lineEdit_B_textChanged(const QString &text)
{
    onRgbFieldEdited(ui->lineEdit_B, text, 2);
}
