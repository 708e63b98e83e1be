#include "report/fr_utils.h"

#include "base/code_page.h"
#include "base/components.h"
#include "base/data_set.h"
#include "base/exceptions.h"
#include "base/stream.h"
#include "base/string_list.h"
#include "report/fr_globals.h"
#include "report/fr_report.h"

#include <QFont>
#include <QPoint>
#include <QWidget>

uint8_t frTemplateVersion = 23;

namespace {

constexpr int kMaxShortLength = 0xFFFF;

void WriteCounted(TStream& stream, const QString& s)
{
    const QByteArray bytes = ToCp1254(s);
    if (bytes.size() > kMaxShortLength)
        throw EStreamError(QStringLiteral("Metin rapor akışına yazılamıyor: %1 karakter, en fazla %2 olabilir")
                               .arg(bytes.size())
                               .arg(kMaxShortLength));
    stream.WriteWord(static_cast<uint16_t>(bytes.size()));
    stream.WriteBytes(bytes);
}

QString ReadCounted(TStream& stream)
{
    const uint16_t n = stream.ReadWord();
    return FromCp1254(stream.ReadBytes(n));
}

}  // namespace

void frWriteString(TStream& stream, const QString& s)
{
    WriteCounted(stream, s);
    stream.WriteByte(0);
}

QString frReadString(TStream& stream)
{
    QString s = ReadCounted(stream);
    stream.ReadByte();
    return s;
}

void frWriteMemo(TStream& stream, const TStringList& lines)
{
    const int count = lines.Count();
    if (count > kMaxShortLength)
        throw EStreamError(QStringLiteral("Satır listesi rapor akışına yazılamıyor: %1 satır, en fazla %2 olabilir")
                               .arg(count)
                               .arg(kMaxShortLength));
    stream.WriteWord(static_cast<uint16_t>(count));
    if (count == 0) {
        stream.WriteByte(0);
        return;
    }
    for (int i = 0; i < count; ++i) {
        WriteCounted(stream, lines[i]);
        stream.WriteByte(i < count - 1 ? 13 : 0);
    }
}

void frReadMemo(TStream& stream, TStringList& lines)
{
    lines.Clear();
    // The count only tells an empty list from a full one; the separators decide how many lines follow.
    if (stream.ReadWord() == 0) {
        stream.ReadByte();
        return;
    }
    uint8_t separator = 0;
    do {
        lines.Add(ReadCounted(stream));
        separator = stream.ReadByte();
    } while (separator != 0);
}

QString frReadString22(TStream& stream)
{
    QByteArray bytes;
    for (uint8_t b = stream.ReadByte(); b != 0; b = stream.ReadByte())
        bytes.append(static_cast<char>(b));
    return FromCp1254(bytes);
}

void frReadMemo22(TStream& stream, TStringList& lines)
{
    lines.Clear();
    QByteArray line;
    for (;;) {
        const uint8_t b = stream.ReadByte();
        if (b == 13) {
            lines.Add(FromCp1254(line));
            line.clear();
        } else if (b == 0) {
            if (!line.isEmpty())
                lines.Add(FromCp1254(line));
            return;
        } else {
            line.append(static_cast<char>(b));
        }
    }
}

TFontStyles frSetFontStyle(int value)
{
    TFontStyles style;
    if (value & 1)
        style |= fsItalic;
    if (value & 2)
        style |= fsBold;
    if (value & 4)
        style |= fsUnderline;
    return style;
}

int frGetFontStyle(TFontStyles style)
{
    int value = 0;
    if (style & fsItalic)
        value |= 1;
    if (style & fsBold)
        value |= 2;
    if (style & fsUnderline)
        value |= 4;
    return value;
}

TFontStyles frFontStyles(const QFont& font)
{
    TFontStyles style;
    if (font.bold())
        style |= fsBold;
    if (font.italic())
        style |= fsItalic;
    if (font.underline())
        style |= fsUnderline;
    if (font.strikeOut())
        style |= fsStrikeOut;
    return style;
}

void frApplyFontStyles(QFont& font, TFontStyles style)
{
    font.setBold(style.testFlag(fsBold));
    font.setItalic(style.testFlag(fsItalic));
    font.setUnderline(style.testFlag(fsUnderline));
    font.setStrikeOut(style.testFlag(fsStrikeOut));
}

void frRemoveQuotes(QString& s)
{
    if (!s.isEmpty() && s.front() == '"' && s.back() == '"')
        s = s.size() < 2 ? QString() : s.mid(1, s.size() - 2);
}

QObject* frFindComponentIn(QObject* owner, const QString& name)
{
    try {
        const int dot = name.indexOf('.');
        if (dot < 0)
            return FindComponent(owner, name);
        QObject* form = FindGlobalComponent(name.left(dot));
        return form == nullptr ? nullptr : FindComponent(form, name.mid(dot + 1).left(255));
    } catch (const std::exception&) {
        throw EClassNotFound(QStringLiteral("Отсутствует ") + name);
    }
}

QObject* frFindComponent(const QString& name)
{
    return frFindComponentIn(frCurrentReport == nullptr ? nullptr : frCurrentReport->parent(), name);
}

void frGetDataSetAndField(const QString& text, TDataSet*& dataSet, TField*& field)
{
    field = nullptr;
    const QStringList parts = text.split('.');
    auto fieldOf = [](TDataSet* ds, QString name) -> TField* {
        frRemoveQuotes(name);
        return ds == nullptr ? nullptr : ds->FindField(name);
    };
    if (parts.size() == 1) {
        field = fieldOf(dataSet, text);
    } else if (parts.size() == 2) {
        dataSet = qobject_cast<TDataSet*>(frFindComponent(parts[0]));
        field = fieldOf(dataSet, parts[1].left(255));
    } else {
        const int first = text.indexOf('.');
        const int second = text.indexOf('.', first + 1);
        QObject* form = FindGlobalComponent(text.left(first));
        if (form == nullptr)
            return;
        dataSet = qobject_cast<TDataSet*>(FindComponent(form, text.mid(first + 1, second - first - 1).left(255)));
        field = fieldOf(dataSet, text.mid(second + 1).left(255));
    }
}

namespace {

// Controls built to hold other controls: panels, group boxes, scroll areas and the like. Other
// widgets keep private children (a combo box's line edit) that are no controls of the form.
bool AcceptsControls(const QWidget* w)
{
    static const char* const kContainers[] = {"QWidget",     "QFrame",         "QGroupBox",  "QScrollArea",
                                              "QTabWidget",  "QStackedWidget", "QSplitter",  "QDialog",
                                              "QMainWindow", "QToolBox",       "QDockWidget"};
    const QMetaObject* meta = w->metaObject();
    while (meta != nullptr && meta->className()[0] != 'Q')
        meta = meta->superClass();
    if (meta == nullptr)
        return false;
    for (const char* name : kContainers) {
        if (qstrcmp(meta->className(), name) == 0)
            return true;
    }
    return false;
}

}  // namespace

QWidget* frControlAtPos(QWidget* parent, const QPoint& p)
{
    if (parent == nullptr)
        return nullptr;
    const QObjectList& children = parent->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        auto* child = qobject_cast<QWidget*>(*it);
        if (child == nullptr || child->isWindow() || child->isHidden() || !child->geometry().contains(p))
            continue;
        const bool hasChildren = std::any_of(child->children().cbegin(), child->children().cend(),
                                             [](QObject* o) { return o->isWidgetType(); });
        if (AcceptsControls(child) && hasChildren) {
            if (QWidget* inner = frControlAtPos(child, p - child->pos()))
                return inner;
            continue;
        }
        return child;
    }
    return nullptr;
}

QString frUpperName(const QString& s)
{
    QString r = s;
    for (QChar& c : r) {
        const char16_t u = c.unicode();
        if (u >= 'a' && u <= 'z')
            c = QChar(u - 'a' + 'A');
        else if (u == 0x130 || u == 0x131)  // İ and ı meet I and i
            c = QChar('I');
        else if (u > 127)
            c = c.toUpper();
    }
    return r;
}

bool frSameName(const QString& a, const QString& b)
{
    return a.size() == b.size() && frUpperName(a) == frUpperName(b);
}

int frCompareNames(const QString& a, const QString& b)
{
    return QString::compare(frUpperName(a), frUpperName(b), Qt::CaseSensitive);
}
