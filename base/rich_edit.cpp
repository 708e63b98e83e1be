#include "base/rich_edit.h"

#include "base/atomic_file.h"
#include "base/code_page.h"
#include "base/color.h"
#include "base/exceptions.h"
#include "base/fonts.h"
#include "base/rtf.h"
#include "base/stream.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

TRichEdit::TRichEdit(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(true);
    setLineWrapMode(QTextEdit::NoWrap);
    // The line operations are the program's own edits; an undo history would only grow.
    document()->setUndoRedoEnabled(false);
    textFormat_.setFont(document()->defaultFont());
}

int TRichEdit::LineCount() const
{
    const int blocks = document()->blockCount();
    return document()->lastBlock().length() <= 1 ? blocks - 1 : blocks;
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
    QTextCursor cursor(document()->findBlockByNumber(index));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    const QTextCharFormat format = cursor.charFormat();
    cursor.insertText(QString(text).replace('\n', ' ').replace('\r', ' '), format);
}

void TRichEdit::AddLine(const QString& text)
{
    AddLines({text});
}

void TRichEdit::AddLines(const QStringList& lines)
{
    if (lines.isEmpty())
        return;
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    // text typed after the last break is a line of its own
    if (document()->lastBlock().length() > 1)
        cursor.insertBlock(cursor.blockFormat(), textFormat_);
    cursor.setBlockCharFormat(textFormat_);
    cursor.insertText(lines.join('\n') + '\n', textFormat_);
    cursor.endEditBlock();
}

void TRichEdit::ClearLines()
{
    clear();
    QTextCursor cursor(document());
    cursor.setBlockCharFormat(textFormat_);
}

QStringList TRichEdit::Lines() const
{
    QStringList lines;
    const int n = LineCount();
    QTextBlock block = document()->begin();
    for (int i = 0; i < n && block.isValid(); ++i, block = block.next())
        lines << block.text();
    return lines;
}

void TRichEdit::SetLines(const QStringList& lines)
{
    ClearLines();
    AddLines(lines);
}

void TRichEdit::AssignLines(const TRichEdit& other)
{
    SetLines(other.Lines());
}

void TRichEdit::KeepFontSpecOf(const TRichEdit& other)
{
    fontName_ = other.fontName_;
    fontHeight_ = other.fontHeight_;
    fontStyle_ = other.fontStyle_;
}

void TRichEdit::SetFontSpec(const QString& name, int heightPixels, int style)
{
    fontName_ = name;
    fontHeight_ = heightPixels;
    fontStyle_ = style;
    const QFont f = MakeFont(name, heightPixels, style);
    setFont(f);
    document()->setDefaultFont(f);
    textFormat_ = QTextCharFormat();
    textFormat_.setFont(f);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(textFormat_);
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        QTextCursor(block).mergeBlockCharFormat(textFormat_);
    setCurrentCharFormat(textFormat_);
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
    return WriteRtf(*document());
}

void TRichEdit::LoadRtf(const QByteArray& rtf)
{
    if (ReadRtf(rtf, *document()))
        return;
    ClearLines();
    QString text = FromCp1254(rtf);
    text.replace("\r\n", "\n").replace('\r', '\n');
    QTextCursor cursor(document());
    cursor.insertText(text, textFormat_);
}

void TRichEdit::SaveToFile(const QString& fileName) const
{
    WriteFileAtomically(fileName, SaveRtf());
}

void TRichEdit::LoadFromFile(const QString& fileName)
{
    TMemoryStream stream;
    stream.LoadFromFile(fileName);
    LoadRtf(stream.Data());
}
