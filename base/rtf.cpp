#include "base/rtf.h"

#include "base/code_page.h"
#include "base/fonts.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <vector>

namespace {

// ---- writing ----

int halfPoints(const QFont& font)
{
    if (font.pointSizeF() > 0)
        return qMax(1, qRound(font.pointSizeF() * 2));
    if (font.pixelSize() > 0)
        return qMax(1, qRound(font.pixelSize() * 1.5));  // 96 dpi: 0.75 pt a pixel
    return 24;
}

// A paragraph's alignment as written: centred, right, justified or, for anything else, left.
Qt::Alignment writtenAlignment(const QTextBlockFormat& format)
{
    switch (format.alignment() & Qt::AlignHorizontal_Mask) {
    case Qt::AlignHCenter: return Qt::AlignHCenter;
    case Qt::AlignRight: return Qt::AlignRight;
    case Qt::AlignJustify: return Qt::AlignJustify;
    default: return Qt::AlignLeft;
    }
}

struct RunProps {
    int font = -1;
    int size = -1;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int color = -1;

    bool operator==(const RunProps&) const = default;
};

class RtfWriter {
public:
    explicit RtfWriter(const QTextDocument& document) : document_(document) {}

    QByteArray Write()
    {
        QByteArray body;
        RunProps current;
        bool first = true;
        for (QTextBlock block = document_.begin(); block.isValid(); block = block.next()) {
            const bool last = block == document_.lastBlock();
            if (last && block.length() <= 1)
                break;
            body += "\\pard";
            switch (writtenAlignment(block.blockFormat())) {
            case Qt::AlignHCenter: body += "\\qc"; break;
            case Qt::AlignRight: body += "\\qr"; break;
            case Qt::AlignJustify: body += "\\qj"; break;
            default: break;
            }
            // an empty line keeps its size, so that it shows as high as the lines around it
            if (block.length() <= 1)
                switchTo(body, propsOf(block.charFormat()), current, first);
            bool delimit = true;  // after "\\pard": text must not extend the control word
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (!fragment.isValid())
                    continue;
                if (switchTo(body, propsOf(fragment.charFormat()), current, first))
                    delimit = true;
                if (delimit)
                    body += " ";
                appendText(body, fragment.text());
                delimit = false;
            }
            if (!last)
                body += "\\par\r\n";
        }

        QByteArray out = "{\\rtf1\\ansi\\ansicpg1254\\deff0\\deflang1055\r\n{\\fonttbl";
        Fonts();
        for (int i = 0; i < fonts_.size(); ++i) {
            out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset162 ";
            appendText(out, fonts_[i]);
            out += ";}";
        }
        out += "}\r\n{\\colortbl ;";
        for (const QColor& c : colors_)
            out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green()) + "\\blue" +
                   QByteArray::number(c.blue()) + ";";
        out += "}\r\n\\viewkind4\\uc1 ";
        out += body;
        out += "}\r\n";
        return out;
    }

    // The font table, in the order the runs first use its fonts; never empty.
    const QStringList& Fonts()
    {
        if (fonts_.isEmpty())
            fonts_ << ResolveFontFamily(document_.defaultFont().family());
        return fonts_;
    }
    const QList<QColor>& Colors() const { return colors_; }

    RunProps propsOf(const QTextCharFormat& format)
    {
        const QFont font = format.font().resolve(document_.defaultFont());
        RunProps p;
        QString family = font.families().isEmpty() ? font.family() : font.families().first();
        p.font = static_cast<int>(fonts_.indexOf(family));
        if (p.font < 0) {
            fonts_ << family;
            p.font = static_cast<int>(fonts_.size() - 1);
        }
        p.size = halfPoints(font);
        p.bold = font.bold();
        p.italic = font.italic();
        p.underline = font.underline();
        p.color = 0;
        if (format.foreground().style() != Qt::NoBrush) {
            const QColor c = format.foreground().color();
            p.color = static_cast<int>(colors_.indexOf(c)) + 1;
            if (p.color == 0) {
                colors_ << c;
                p.color = static_cast<int>(colors_.size());
            }
        }
        return p;
    }

private:
    // Writes the control words that change `current` into `want`; true when it wrote any.
    static bool switchTo(QByteArray& out, const RunProps& want, RunProps& current, bool& first)
    {
        const qsizetype before = out.size();
        auto flag = [&](const char* word, bool on, bool was) {
            if (first || on != was)
                out += QByteArray(word) + (on ? "" : "0");
        };
        if (first || want.font != current.font)
            out += "\\f" + QByteArray::number(want.font);
        if (first || want.size != current.size)
            out += "\\fs" + QByteArray::number(want.size);
        flag("\\b", want.bold, current.bold);
        flag("\\i", want.italic, current.italic);
        flag("\\ul", want.underline, current.underline);
        if (first || want.color != current.color)
            out += "\\cf" + QByteArray::number(want.color);
        current = want;
        first = false;
        return out.size() != before;
    }

    static void appendText(QByteArray& out, const QString& text)
    {
        for (QChar c : text) {
            const char16_t u = c.unicode();
            if (u == '\\' || u == '{' || u == '}') {
                out += '\\';
                out += static_cast<char>(u);
            } else if (u == '\t') {
                out += "\\tab ";
            } else if (u == QChar::LineSeparator) {
                out += "\\line ";
            } else if (u == QChar::Nbsp) {
                out += "\\~";
            } else if (u < 0x20) {
                continue;
            } else if (u < 0x80) {
                out += static_cast<char>(u);
            } else if (char b = ToCp1254Char(c); b != '?') {
                out += "\\'" + QByteArray::number(static_cast<unsigned char>(b), 16).rightJustified(2, '0');
            } else {
                out += "\\u" + QByteArray::number(static_cast<int16_t>(u)) + "?";
            }
        }
    }

    const QTextDocument& document_;
    QStringList fonts_;
    QList<QColor> colors_;
};

// ---- reading ----

enum class Destination { Text, Skip, FontTable, ColorTable };

struct State {
    Destination destination = Destination::Text;
    int font = -1;
    int size = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int color = 0;
    int unicodeSkip = 1;
    Qt::Alignment alignment = Qt::AlignLeft;
};

struct FontEntry {
    QString name;
    int charset = 1;
};

// Code page 1252 differs from 1254 in the six Turkish letters and two letters 1254 leaves out.
QChar fromCp1252(unsigned char b)
{
    switch (b) {
    case 0x8E: return QChar(0x017D);
    case 0x9E: return QChar(0x017E);
    case 0xD0: return QChar(0x00D0);
    case 0xDD: return QChar(0x00DD);
    case 0xDE: return QChar(0x00DE);
    case 0xF0: return QChar(0x00F0);
    case 0xFD: return QChar(0x00FD);
    case 0xFE: return QChar(0x00FE);
    default: return FromCp1254Char(b);
    }
}

const QSet<QByteArray>& skippedDestinations()
{
    static const QSet<QByteArray> words = {
        "stylesheet", "info",      "pict",        "object",     "header",     "footer",      "headerl",
        "headerr",    "headerf",   "footerl",     "footerr",    "footerf",    "footnote",    "listtable",
        "listoverridetable",       "revtbl",      "rsidtbl",    "generator",  "xmlnstbl",    "themedata",
        "colorschememapping",      "datastore",   "latentstyles", "fldinst",  "filetbl",     "docvar",
        "template",   "annotation", "atnid",      "atnauthor",  "atndate",    "atnref",      "shp",
        "shpinst",    "nonshppict", "pgdsctbl",   "mmathPr",    "defchp",     "defpap",      "userprops",
        "bkmkstart",  "bkmkend",   "formfield",   "datafield",  "ftnsep",     "ftnsepc",     "ftncn",
        "aftnsep",    "aftnsepc",  "aftncn",      "fchars",     "lchars",     "pn",          "panose",
        "falt",       "fname",     "leveltext",   "levelnumbers", "title",    "subject",     "author",
        "operator",   "keywords",  "comment",     "doccomm",    "company",    "manager",     "category",
        "creatim",    "revtim",    "printim",     "buptim",     "hlinkbase",  "passwordhash", "blipuid",
    };
    return words;
}

const QHash<QByteArray, char16_t>& specialCharacters()
{
    static const QHash<QByteArray, char16_t> chars = {
        {"tab", '\t'},          {"line", QChar::LineSeparator}, {"emdash", 0x2014}, {"endash", 0x2013},
        {"bullet", 0x2022},     {"lquote", 0x2018},   {"rquote", 0x2019},    {"ldblquote", 0x201C},
        {"rdblquote", 0x201D}, {"emspace", 0x2003},  {"enspace", 0x2002},   {"qmspace", 0x2005},
        {"cell", '\t'},
    };
    return chars;
}

// The character format a run read from RTF gets; the document-to-document copy builds the very same one.
QTextCharFormat ReadRunFormat(const QStringList& families, int halfPoints, bool bold, bool italic, bool underline,
                              const QColor& color)
{
    QTextCharFormat format;
    if (!families.isEmpty())
        format.setFontFamilies(families);
    format.setFontPointSize(halfPoints / 2.0);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(italic);
    format.setFontUnderline(underline);
    if (color.isValid())
        format.setForeground(color);
    return format;
}

class RtfReader {
public:
    RtfReader(const QByteArray& rtf, QTextDocument& document) : data_(rtf), cursor_(&document) {}

    void Read()
    {
        cursor_.beginEditBlock();
        cursor_.select(QTextCursor::Document);
        cursor_.removeSelectedText();
        cursor_.setBlockFormat(QTextBlockFormat());
        while (pos_ < data_.size())
            step();
        flush();
        applyBlockFormat();
        cursor_.endEditBlock();
    }

private:
    void step()
    {
        const char c = data_[pos_++];
        switch (c) {
        case '{':
            if (stack_.size() < 4096)
                stack_.push_back(state_);
            else
                ++overflow_;
            unicodeToSkip_ = 0;
            break;
        case '}':
            endGroup();
            break;
        case '\\':
            controlSequence();
            break;
        case '\r':
        case '\n':
        case '\0':
            break;
        default:
            byte(static_cast<unsigned char>(c));
        }
    }

    void endGroup()
    {
        unicodeToSkip_ = 0;
        if (overflow_ > 0) {
            --overflow_;
            return;
        }
        if (stack_.empty())
            return;
        if (state_.destination == Destination::FontTable)
            finishFont();
        flush();
        state_ = stack_.back();
        stack_.pop_back();
        if (stack_.empty())
            pos_ = data_.size();  // the document group is closed: what follows is no part of it
    }

    void controlSequence()
    {
        if (pos_ >= data_.size())
            return;
        const char c = data_[pos_];
        if (!isLetter(c)) {
            ++pos_;
            controlSymbol(c);
            return;
        }
        QByteArray word;
        while (pos_ < data_.size() && isLetter(data_[pos_]) && word.size() < 32)
            word += data_[pos_++];
        bool hasParam = false;
        int param = 0;
        bool negative = false;
        if (pos_ < data_.size() && data_[pos_] == '-') {
            negative = true;
            ++pos_;
        }
        long long value = 0;
        while (pos_ < data_.size() && data_[pos_] >= '0' && data_[pos_] <= '9') {
            if (value < 100000000)
                value = value * 10 + (data_[pos_] - '0');
            hasParam = true;
            ++pos_;
        }
        param = static_cast<int>(negative ? -value : value);
        if (pos_ < data_.size() && data_[pos_] == ' ')
            ++pos_;
        if (word == "bin") {
            // binary data follows the word; never read it as RTF
            pos_ = qMin<qsizetype>(data_.size(), pos_ + qMax(0, param));
            return;
        }
        if (unicodeToSkip_ > 0) {
            --unicodeToSkip_;
            return;
        }
        controlWord(word, hasParam, param);
    }

    void controlSymbol(char c)
    {
        if (c == '\'') {
            int value = 0;
            int digits = 0;
            for (; digits < 2 && pos_ < data_.size() && hexValue(data_[pos_]) >= 0; ++digits)
                value = value * 16 + hexValue(data_[pos_++]);
            if (digits == 2)
                byte(static_cast<unsigned char>(value), true);
            return;
        }
        if (unicodeToSkip_ > 0) {
            --unicodeToSkip_;
            return;
        }
        switch (c) {
        case '\\':
        case '{':
        case '}': character(QChar(c)); break;
        case '~': character(QChar::Nbsp); break;
        case '_': character(QChar(0x2011)); break;
        case '*': state_.destination = Destination::Skip; break;
        case '\r':
        case '\n': paragraph(); break;
        default: break;  // optional hyphen, formula marker, index subentry
        }
    }

    void controlWord(const QByteArray& word, bool hasParam, int param)
    {
        if (state_.destination == Destination::Skip)
            return;
        if (state_.destination == Destination::FontTable) {
            if (word == "f")
                startFont(param);
            else if (word == "fcharset" && currentFont_ != kNoFont)
                fonts_[currentFont_].charset = param;
            else if (skippedDestinations().contains(word))
                state_.destination = Destination::Skip;
            return;
        }
        if (state_.destination == Destination::ColorTable) {
            if (word == "red")
                red_ = param;
            else if (word == "green")
                green_ = param;
            else if (word == "blue")
                blue_ = param;
            colorSet_ = true;
            return;
        }
        const bool on = !hasParam || param != 0;
        if (word == "par" || word == "row")
            paragraph();
        else if (auto it = specialCharacters().find(word); it != specialCharacters().end())
            character(QChar(it.value()));
        else if (word == "u")
            unicode(param);
        else if (word == "uc")
            state_.unicodeSkip = qBound(0, param, 8);
        else if (word == "b")
            setProp(state_.bold, on);
        else if (word == "i")
            setProp(state_.italic, on);
        else if (word == "ul" || word == "uld" || word == "uldb" || word == "ulw" || word == "ulth" ||
                 word == "uldash")
            setProp(state_.underline, on);
        else if (word == "ulnone")
            setProp(state_.underline, false);
        else if (word == "fs")
            setProp(state_.size, hasParam && param > 0 ? param : 24);
        else if (word == "f")
            setProp(state_.font, param);
        else if (word == "cf")
            setProp(state_.color, param);
        else if (word == "plain")
            plain();
        else if (word == "pard")
            state_.alignment = Qt::AlignLeft;
        else if (word == "ql")
            state_.alignment = Qt::AlignLeft;
        else if (word == "qc")
            state_.alignment = Qt::AlignHCenter;
        else if (word == "qr")
            state_.alignment = Qt::AlignRight;
        else if (word == "qj")
            state_.alignment = Qt::AlignJustify;
        else if (word == "deff")
            defaultFont_ = param;
        else if (word == "ansicpg")
            codePage_ = param;
        else if (word == "fonttbl")
            state_.destination = Destination::FontTable;
        else if (word == "colortbl")
            state_.destination = Destination::ColorTable;
        else if (skippedDestinations().contains(word))
            state_.destination = Destination::Skip;
    }

    template <typename T>
    void setProp(T& prop, T value)
    {
        if (prop != value) {
            flush();
            prop = value;
        }
    }

    void plain()
    {
        flush();
        state_.font = defaultFont_;
        state_.size = 24;
        state_.bold = state_.italic = state_.underline = false;
        state_.color = 0;
    }

    void startFont(int index)
    {
        finishFont();
        currentFont_ = index;
        fonts_[index];
    }

    void finishFont()
    {
        if (currentFont_ == kNoFont)
            return;
        FontEntry& entry = fonts_[currentFont_];
        entry.name = entry.name.trimmed();
        if (entry.name.endsWith(';'))
            entry.name.chop(1);
        entry.name = entry.name.trimmed();
        currentFont_ = kNoFont;
    }

    void byte(unsigned char b, bool escaped = false)
    {
        if (unicodeToSkip_ > 0) {
            --unicodeToSkip_;
            return;
        }
        switch (state_.destination) {
        case Destination::Skip: return;
        case Destination::FontTable:
            if (currentFont_ != kNoFont) {
                if (b == ';' && !escaped)
                    finishFont();
                else
                    fonts_[currentFont_].name += decode(b, fonts_[currentFont_].charset);
            }
            return;
        case Destination::ColorTable:
            if (b == ';') {
                colors_ << (colorSet_ ? QColor(qBound(0, red_, 255), qBound(0, green_, 255), qBound(0, blue_, 255))
                                      : QColor());
                red_ = green_ = blue_ = 0;
                colorSet_ = false;
            }
            return;
        case Destination::Text: break;
        }
        int charset = 1;
        if (auto it = fonts_.find(state_.font); it != fonts_.end())
            charset = it->charset;
        character(decode(b, charset));
    }

    QChar decode(unsigned char b, int charset) const
    {
        int codePage = codePage_;
        if (charset == 162)
            codePage = 1254;
        else if (charset == 0)
            codePage = 1252;
        return codePage == 1252 ? fromCp1252(b) : FromCp1254Char(b);
    }

    void unicode(int value)
    {
        if (value < 0)
            value += 65536;
        if (value > 0 && value <= 0xFFFF)
            character(QChar(static_cast<char16_t>(value)));
        unicodeToSkip_ = state_.unicodeSkip;
    }

    void character(QChar c)
    {
        if (state_.destination != Destination::Text)
            return;
        if (pending_.isEmpty())
            pendingState_ = state_;
        pending_ += c;
    }

    QTextCharFormat formatOf(const State& s) const
    {
        auto font = fonts_.find(s.font);
        if (font == fonts_.end())
            font = fonts_.find(defaultFont_);
        QStringList families;
        if (font != fonts_.end() && !font->name.isEmpty())
            families << ResolveFontFamily(font->name);
        const QColor color = s.color > 0 && s.color < colors_.size() ? colors_[s.color] : QColor();
        return ReadRunFormat(families, s.size, s.bold, s.italic, s.underline, color);
    }

    void flush()
    {
        if (pending_.isEmpty())
            return;
        cursor_.insertText(pending_, formatOf(pendingState_));
        pending_.clear();
    }

    void applyBlockFormat()
    {
        QTextBlockFormat format = cursor_.blockFormat();
        format.setAlignment(state_.alignment);
        cursor_.setBlockFormat(format);
        if (cursor_.block().length() <= 1)
            cursor_.setBlockCharFormat(formatOf(state_));
    }

    void paragraph()
    {
        if (state_.destination != Destination::Text)
            return;
        flush();
        applyBlockFormat();
        cursor_.insertBlock(QTextBlockFormat(), formatOf(state_));
    }

    static bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static int hexValue(char c)
    {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    }

    static constexpr int kNoFont = -1000000;

    const QByteArray& data_;
    qsizetype pos_ = 0;
    QTextCursor cursor_;
    State state_;
    std::vector<State> stack_;
    int overflow_ = 0;
    int unicodeToSkip_ = 0;
    QString pending_;
    State pendingState_;
    QHash<int, FontEntry> fonts_;
    int currentFont_ = kNoFont;
    int defaultFont_ = 0;
    int codePage_ = 1252;
    QList<QColor> colors_;
    int red_ = 0, green_ = 0, blue_ = 0;
    bool colorSet_ = false;
};

// ---- copying ----

// What a character becomes when written and read back; 0 for one that is dropped.
QChar throughRtf(QChar c)
{
    const char16_t u = c.unicode();
    if (u == '\t' || u == QChar::LineSeparator || u == QChar::Nbsp)
        return c;
    if (u < 0x20)
        return QChar(0);
    if (u < 0x80)
        return FromCp1254Char(static_cast<unsigned char>(u));
    if (char b = ToCp1254Char(c); b != '?')
        return FromCp1254Char(static_cast<unsigned char>(b));
    return c;  // written as \uN
}

QString textThroughRtf(const QString& text)
{
    static const std::vector<char16_t> table = [] {
        std::vector<char16_t> t(0x10000);
        for (int u = 0; u < 0x10000; ++u)
            t[u] = throughRtf(QChar(static_cast<char16_t>(u))).unicode();
        return t;
    }();
    qsizetype i = 0;
    while (i < text.size() && table[text[i].unicode()] == text[i].unicode())
        ++i;
    if (i == text.size())
        return text;
    QString out = text.left(i);
    for (; i < text.size(); ++i)
        if (char16_t c = table[text[i].unicode()])
            out += QChar(c);
    return out;
}

// A font name the font table gives back as it stands: no characters it escapes, drops or changes,
// no separator, no white space at the ends.
bool fontNameSurvives(const QString& name)
{
    if (name.isEmpty() || name != name.trimmed())
        return false;
    for (QChar c : name) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u == '\\' || u == '{' || u == '}' || u == ';' || u == QChar::Nbsp)
            return false;
        if (throughRtf(c) != c || (u >= 0x80 && ToCp1254Char(c) == '?'))
            return false;
    }
    return true;
}

// Builds what ReadRtf makes of WriteRtf's bytes, step for step with the reader's edits, from the runs
// and paragraphs the writer would write.
class RtfCopier {
public:
    RtfCopier(const QTextDocument& source, QTextDocument& target) : source_(source), writer_(source), cursor_(&target)
    {
    }

    bool Copy()
    {
        // The tables first, in the order the writer fills them; then paragraph by paragraph, so
        // that a long text is not held a second time on the way.
        forEachParagraph(false, [](const Paragraph&) {});
        const QStringList& fonts = writer_.Fonts();
        for (const QString& name : fonts)
            if (!fontNameSurvives(name))
                return false;
        for (const QString& name : fonts)
            families_ << QStringList{ResolveFontFamily(name)};

        cursor_.beginEditBlock();
        cursor_.select(QTextCursor::Document);
        cursor_.removeSelectedText();
        cursor_.setBlockFormat(QTextBlockFormat());
        forEachParagraph(true, [this](const Paragraph& paragraph) {
            for (const Run& run : runs_) {
                if (run.text.isEmpty())
                    continue;
                if (!pending_.isEmpty() && !(run.props == pendingProps_))
                    flush();
                if (pending_.isEmpty())
                    pendingProps_ = run.props;
                pending_ += run.text;
            }
            if (paragraph.closed) {
                flush();
                applyBlockFormat(paragraph.alignment, paragraph.end);
                cursor_.insertBlock(QTextBlockFormat(), formatOf(paragraph.end));
            }
        });
        flush();
        // the closing brace restores the state the document group began with
        applyBlockFormat(Qt::AlignLeft, kGroupStart);
        cursor_.endEditBlock();
        return true;
    }

private:
    struct Run {
        RunProps props;
        QString text;
    };
    struct Paragraph {
        Qt::Alignment alignment;
        RunProps end;  // the state at its end
        bool closed;   // ended by a paragraph mark
    };

    static constexpr RunProps kGroupStart{-1, 24, false, false, false, 0};

    // The paragraphs and runs the writer would write, one paragraph at a time in runs_ (without
    // their text when only the tables are wanted).
    template <typename Use>
    void forEachParagraph(bool withText, const Use& use)
    {
        RunProps state = kGroupStart;
        for (QTextBlock block = source_.begin(); block.isValid(); block = block.next()) {
            const bool last = block == source_.lastBlock();
            if (last && block.length() <= 1)
                break;
            if (block.length() <= 1)
                state = writer_.propsOf(block.charFormat());
            runs_.clear();
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (!fragment.isValid())
                    continue;
                state = writer_.propsOf(fragment.charFormat());
                if (withText)
                    runs_.push_back({state, textThroughRtf(fragment.text())});
            }
            use(Paragraph{writtenAlignment(block.blockFormat()), state, !last});
        }
    }

    QTextCharFormat formatOf(const RunProps& props)
    {
        for (const auto& [known, format] : formats_)
            if (known == props)
                return format;
        QColor color;
        if (props.color > 0) {
            const QColor c = writer_.Colors()[props.color - 1];
            color = QColor(c.red(), c.green(), c.blue());
        }
        const QTextCharFormat format =
            ReadRunFormat(families_[props.font >= 0 && props.font < families_.size() ? props.font : 0], props.size,
                          props.bold, props.italic, props.underline, color);
        formats_.push_back({props, format});
        return format;
    }

    void flush()
    {
        if (pending_.isEmpty())
            return;
        cursor_.insertText(pending_, formatOf(pendingProps_));
        pending_.clear();
    }

    void applyBlockFormat(Qt::Alignment alignment, const RunProps& props)
    {
        QTextBlockFormat format = cursor_.blockFormat();
        format.setAlignment(alignment);
        cursor_.setBlockFormat(format);
        if (cursor_.block().length() <= 1)
            cursor_.setBlockCharFormat(formatOf(props));
    }

    const QTextDocument& source_;
    RtfWriter writer_;
    QTextCursor cursor_;
    std::vector<Run> runs_;
    QList<QStringList> families_;
    std::vector<std::pair<RunProps, QTextCharFormat>> formats_;
    QString pending_;
    RunProps pendingProps_;
};

}  // namespace

QByteArray WriteRtf(const QTextDocument& document)
{
    return RtfWriter(document).Write();
}

bool IsRtf(const QByteArray& bytes)
{
    qsizetype i = 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\r' || bytes[i] == '\n' || bytes[i] == '\t'))
        ++i;
    return bytes.mid(i, 5) == "{\\rtf";
}

bool ReadRtf(const QByteArray& rtf, QTextDocument& document)
{
    if (!IsRtf(rtf))
        return false;
    RtfReader(rtf, document).Read();
    return true;
}

bool CopyAsRtf(const QTextDocument& source, QTextDocument& document)
{
    if (&source == &document)
        return false;
    return RtfCopier(source, document).Copy();
}
