#include "base/rich_edit.h"

#include "base/color.h"
#include "base/fonts.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

TRichEdit::TRichEdit(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(true);
    setLineWrapMode(QTextEdit::NoWrap);
}

int TRichEdit::LineCount() const
{
    // An empty document has no line, as the original's rich edit reports.
    if (document()->isEmpty())
        return 0;
    return document()->blockCount();
}

QString TRichEdit::Line(int index) const
{
    if (index < 0 || index >= LineCount())
        return QString();
    return document()->findBlockByNumber(index).text();
}

void TRichEdit::SetLine(int index, const QString& text)
{
    if (index < 0 || index >= LineCount())
        return;
    QTextBlock block = document()->findBlockByNumber(index);
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertText(text);
}

void TRichEdit::AddLine(const QString& text)
{
    AddLines({text});
}

void TRichEdit::AddLines(const QStringList& lines)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    for (const QString& line : lines) {
        if (LineCount() > 0 || !document()->isEmpty())
            cursor.insertBlock();
        else if (line.isEmpty()) {
            // the first line of an empty document is an empty paragraph that must count
            cursor.insertText(QString(QChar(0x200B)));
            cursor.deletePreviousChar();
        }
        cursor.insertText(line);
    }
    cursor.endEditBlock();
}

void TRichEdit::ClearLines()
{
    clear();
}

QStringList TRichEdit::Lines() const
{
    QStringList lines;
    int n = LineCount();
    QTextBlock block = document()->begin();
    for (int i = 0; i < n && block.isValid(); ++i, block = block.next())
        lines << block.text();
    return lines;
}

void TRichEdit::SetLines(const QStringList& lines)
{
    clear();
    if (lines.isEmpty())
        return;
    setPlainText(lines.join('\n'));
}

void TRichEdit::AssignLines(const TRichEdit& other)
{
    SetLines(other.Lines());
}

void TRichEdit::SetFontSpec(const QString& name, int heightPixels, int style)
{
    QFont f = MakeFont(name, heightPixels, style);
    setFont(f);
    document()->setDefaultFont(f);
    setCurrentFont(f);
}

void TRichEdit::SetBackgroundColor(int tcolor)
{
    QPalette p = palette();
    p.setColor(QPalette::Base, ColorFromTColor(tcolor));
    setPalette(p);
}

bool TRichEdit::Modified() const
{
    return document()->isModified();
}

void TRichEdit::SetModified(bool modified)
{
    document()->setModified(modified);
}

QByteArray TRichEdit::SaveRtf() const
{
    return toPlainText().toUtf8();
}

void TRichEdit::LoadRtf(const QByteArray& rtf)
{
    setPlainText(QString::fromUtf8(rtf));
}

void TRichEdit::SaveToFile(const QString&) const
{
}

void TRichEdit::LoadFromFile(const QString&)
{
}
