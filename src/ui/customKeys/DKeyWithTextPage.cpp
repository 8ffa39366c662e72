#include "ui/customKeys/DKeyWithTextPage.h"
#include "ui_DKeyWithTextPage.h"

#include <QCoreApplication>
#include <QTextCursor>

namespace {

int utf8Bytes(uint codePoint)
{
    if (codePoint < 0x80)
        return 1;
    if (codePoint < 0x800)
        return 2;
    if (codePoint < 0x10000)
        return 3;
    return 4;
}

// The code point that ends at `end` and the number of code units it takes.
uint codePointBefore(const QString &text, int end, int *units)
{
    const QChar last = text.at(end - 1);
    if (last.isLowSurrogate() && end >= 2 && text.at(end - 2).isHighSurrogate()) {
        *units = 2;
        return QChar::surrogateToUcs4(text.at(end - 2), last);
    }
    *units = 1;
    // A lone surrogate goes out as a replacement character (3 bytes).
    return last.isSurrogate() ? 0xFFFD : last.unicode();
}

} // namespace

DKeyWithTextPage::DKeyWithTextPage(QWidget *parent)
    : DKeyFunctionPage(parent)
    , ui(new Ui::DKeyWithTextPage)
{
    ui->setupUi(this);
    applyTexts();
}

DKeyWithTextPage::~DKeyWithTextPage()
{
    delete ui;
}

void DKeyWithTextPage::applyTexts()
{
    ui->textEdit_keyText->setPlaceholderText(QCoreApplication::translate("QObject", "Enter text ..."));
    ui->pushButton_OK->setText(QCoreApplication::translate("QObject", "OK"));
    ui->pushButton_Cancel->setText(QCoreApplication::translate("QObject", "Cancel"));
}

void DKeyWithTextPage::retranslate()
{
    ui->retranslateUi(this);
    applyTexts();
}

void DKeyWithTextPage::clearChoice()
{
    ui->textEdit_keyText->clear();
    ui->textEdit_keyText->setFocus();
}

void DKeyWithTextPage::showBinding(const KeyOperateInfo &info)
{
    ui->textEdit_keyText->setPlainText(QString::fromUtf8(info.value));
    ui->textEdit_keyText->moveCursor(QTextCursor::End);
}

int DKeyWithTextPage::cutToLimits(QString *text, int cursor, int maxUnits, int maxBytes)
{
    int units = text->size();
    int bytes = text->toUtf8().size();
    cursor = qBound(0, cursor, units);
    // An insertion ends at the cursor: its end goes first. What stays over
    // the limit after that (a stored text, a cursor at the start) is cut
    // from the end of the text.
    int cut = cursor;
    int cutUnits = 0;
    while ((units - cutUnits > maxUnits || bytes > maxBytes) && cut - cutUnits > 0) {
        int n = 0;
        bytes -= utf8Bytes(codePointBefore(*text, cut - cutUnits, &n));
        cutUnits += n;
    }
    text->remove(cut - cutUnits, cutUnits);
    cursor -= cutUnits;
    units = text->size();
    int end = units;
    while ((end > maxUnits || bytes > maxBytes) && end > 0) {
        int n = 0;
        bytes -= utf8Bytes(codePointBefore(*text, end, &n));
        end -= n;
    }
    text->truncate(end);
    // The count above is exact for well-formed text; a lone surrogate may
    // encode otherwise, so the encoder has the last word.
    while (!text->isEmpty() && text->toUtf8().size() > maxBytes) {
        int n = 0;
        codePointBefore(*text, text->size(), &n);
        text->chop(n);
    }
    return qMin(cursor, text->size());
}

void DKeyWithTextPage::on_textEdit_keyText_textChanged()
{
    m_text = ui->textEdit_keyText->toPlainText();
    if (m_cutting)
        return;
    if (m_text.size() <= MaxTextUnits && m_text.size() * 3 <= MaxValueBytes)
        return;
    if (m_text.size() <= MaxTextUnits && m_text.toUtf8().size() <= MaxValueBytes)
        return;
    QString shortened = m_text;
    const int cursor = cutToLimits(&shortened, ui->textEdit_keyText->textCursor().position(), MaxTextUnits,
                                   MaxValueBytes);
    m_cutting = true;
    ui->textEdit_keyText->setPlainText(shortened);
    QTextCursor c = ui->textEdit_keyText->textCursor();
    c.setPosition(cursor);
    ui->textEdit_keyText->setTextCursor(c);
    m_cutting = false;
    m_text = ui->textEdit_keyText->toPlainText();
    emit sigCustomKeyInfoSaveFailed(KeyFunctionText, ErrorShortened);
}

void DKeyWithTextPage::saveKeyBinding()
{
    if (m_text.isEmpty()) {
        emit sigCustomKeyInfoSaveFailed(KeyFunctionText, ErrorEmpty);
        return;
    }
    storeBinding(KeyFunctionText, 1, 1, m_text.toUtf8());
}

void DKeyWithTextPage::on_pushButton_OK_clicked()
{
    saveKeyBinding();
}

void DKeyWithTextPage::on_pushButton_Cancel_clicked()
{
    emit sigClickedCancel();
}
