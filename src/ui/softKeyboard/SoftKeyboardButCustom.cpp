#include "ui/softKeyboard/SoftKeyboardButCustom.h"

namespace {
QString selectedTextStyle(const QString &accent)
{
    return QStringLiteral("QToolButton{color:%1;font-weight:bold;font-size:7pt;font-family:\"Microsoft YaHei\";"
                          "border:none;border-bottom:1px solid %1;border-radius:3px;}")
        .arg(accent);
}

QString normalTextStyle(const QString &text)
{
    return QStringLiteral("QToolButton{color:%1;font-weight:bold;font-size:7pt;font-family:\"Microsoft YaHei\";"
                          "border:none;border-bottom:0px solid #7F8386;border-radius:3px;}")
        .arg(text);
}

QString backgroundStyle(const QString &background)
{
    return QStringLiteral("QToolButton{background-color:%1;}").arg(background);
}

QString rgb(const QString &components)
{
    return QStringLiteral("rgb(%1)").arg(components);
}
} // namespace

SoftKeyboardButCustom::SoftKeyboardButCustom(int kind, QWidget *parent)
    : QToolButton(parent)
    , m_kind(kind)
{
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setFocusPolicy(Qt::NoFocus);
    m_selectedTextStyle = selectedTextStyle(QStringLiteral("#FF3135"));
    m_normalTextStyle = normalTextStyle(QStringLiteral("#c3c3c3"));
    m_backgroundStyle = backgroundStyle(QStringLiteral("#4b4b4b"));
    showNormalLook();
}

void SoftKeyboardButCustom::setButtonSize(int width, int height)
{
    m_width = width;
    m_height = height;
    setFixedSize(width, height);
}

void SoftKeyboardButCustom::setKeyInfo(int keyCode, const QString &caption)
{
    m_keyCode = keyCode;
    m_caption = caption;
    QString shown = caption;
    switch (keyCode) {
    case 145: shown = tr("Chinese"); break;
    case 144: shown = tr("Korean/English"); break;
    case 226:
    case 230: shown = QStringLiteral("Alt"); break;
    case 36: shown = QStringLiteral("7&&"); break; // a lone & would mark a shortcut
    default: break;
    }
    // Any other & in a caption would vanish as a shortcut mark as well.
    if (keyCode != 36)
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    setText(shown);
    setToolTip(caption);
}

void SoftKeyboardButCustom::setKeyColors(const QString &text, const QString &accent, const QString &background)
{
    m_selectedTextStyle = selectedTextStyle(rgb(accent));
    m_normalTextStyle = normalTextStyle(rgb(text));
    m_backgroundStyle = backgroundStyle(rgb(background));
    m_textColor = text;
    m_accentColor = accent;
    m_backgroundColor = background;
    showNormalLook();
}

void SoftKeyboardButCustom::setKeyState(int state)
{
    if (state == 0) {
        m_selected = false;
        showNormalLook();
    } else if (state == 1) {
        m_selected = true;
        showSelectedLook();
    }
}

void SoftKeyboardButCustom::setUnselectedMark(bool unselected)
{
    m_unselectedMark = unselected;
}

void SoftKeyboardButCustom::enterEvent(QEvent *event)
{
    m_hovered = true;
    showSelectedLook();
    QToolButton::enterEvent(event);
}

void SoftKeyboardButCustom::leaveEvent(QEvent *event)
{
    m_hovered = false;
    if (m_unselectedMark)
        showNormalLook();
    QToolButton::leaveEvent(event);
}

void SoftKeyboardButCustom::showNormalLook()
{
    m_selectedLook = false;
    setStyleSheet(m_normalTextStyle + m_backgroundStyle);
}

void SoftKeyboardButCustom::showSelectedLook()
{
    m_selectedLook = true;
    setStyleSheet(m_selectedTextStyle + m_backgroundStyle);
}
