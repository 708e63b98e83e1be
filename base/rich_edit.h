#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTextCharFormat>
#include <QTextEdit>

// The rich edit of every report pane and hidden store. Lines are paragraphs; its stream form is RTF.
// As in the original control every line ends with a paragraph break, so the document of n lines has
// n + 1 paragraphs, the last one empty; an empty document has no line.
class TRichEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TRichEdit(QWidget* parent = nullptr);

    int LineCount() const;
    QString Line(int index) const;                  // text without the line break; "" out of range
    void SetLine(int index, const QString& text);   // a line that does not exist is not created
    void AddLine(const QString& text);
    void AddLines(const QStringList& lines);
    void ClearLines();
    QStringList Lines() const;
    void SetLines(const QStringList& lines);
    void AssignLines(const TRichEdit& other);

    // name as the original's ("Courier New"), pixel height (negative: character height), style bits
    // (1 italic, 2 bold, 4 underline); applies to the whole text and to text added later.
    void SetFontSpec(const QString& name, int heightPixels, int style = 0);
    // Takes the font as last given from another edit whose text was copied here, leaving this text
    // and its formats as they are.
    void KeepFontSpecOf(const TRichEdit& other);
    // The font as last given, in the same terms; the class library's default before.
    QString FontName() const { return fontName_; }
    int FontHeight() const { return fontHeight_; }
    int FontStyle() const { return fontStyle_; }
    void SetBackgroundColor(int tcolor);  // a colour in the original's 0x00BBGGRR form
    bool Modified() const;
    void SetModified(bool modified);

    QByteArray SaveRtf() const;         // whole text, one paragraph per line
    void LoadRtf(const QByteArray& rtf);  // plain text (code page 1254) when the bytes are not RTF
    void SaveToFile(const QString& fileName) const;  // EInOutError when it cannot be written
    void LoadFromFile(const QString& fileName);      // EInOutError when it cannot be read

private:
    QTextCharFormat textFormat_;  // the format of text added through the line operations
    QString fontName_ = QStringLiteral("MS Sans Serif");
    int fontHeight_ = -11;
    int fontStyle_ = 0;
};
