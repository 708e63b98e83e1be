#include "report/fr_intrp.h"

#include "base/exceptions.h"
#include "base/string_list.h"
#include "report/fr_utils.h"

#include <QStringList>

// Variables.

void TfrVariables::SetVariable(const QString& name, const Variant& value)
{
    const int i = IndexOf(name);
    if (i >= 0)
        items_[static_cast<size_t>(i)].value = value;
    else
        items_.push_back({name, value});
}

Variant TfrVariables::GetVariable(const QString& name) const
{
    const int i = IndexOf(name);
    return i >= 0 ? items_[static_cast<size_t>(i)].value : Variant::Null();
}

int TfrVariables::IndexOf(const QString& name) const
{
    for (size_t i = 0; i < items_.size(); ++i) {
        if (frSameName(items_[i].name, name))
            return static_cast<int>(i);
    }
    return -1;
}

QString TfrVariables::GetName(int index) const
{
    return index >= 0 && index < Count() ? items_[static_cast<size_t>(index)].name : QString();
}

Variant TfrVariables::GetValue(int index) const
{
    return index >= 0 && index < Count() ? items_[static_cast<size_t>(index)].value : Variant();
}

void TfrVariables::Delete(int index)
{
    if (index >= 0 && index < Count())
        items_.erase(items_.begin() + index);
}

void TfrVariables::Clear()
{
    items_.clear();
}

// Compiled lines.

int frLineTarget(const QString& line)
{
    // A GOTO to a label that does not exist keeps its digits, read as the target; a single digit
    // has a 0 for its high byte.
    auto byteAt = [&](int k) { return k < line.size() ? static_cast<int>(line[k].unicode()) : 0; };
    return byteAt(1) + 256 * byteAt(2);
}

void frSetLineTarget(QString& line, int target)
{
    while (line.size() < 3)
        line += QChar(0);
    line[1] = QChar(static_cast<char16_t>(target & 0xFF));
    line[2] = QChar(static_cast<char16_t>((target >> 8) & 0xFF));
}

namespace {

constexpr char16_t kCondition = 1, kJump = 2, kCall = 3;

const QString kMsgBeginList = QStringLiteral("Здесь требуется \";\" или \"end\"");
const QString kMsgThen = QStringLiteral("Здесь требуется \"then\"");
const QString kMsgRepeatList = QStringLiteral("Здесь требуется \";\" или \"until\"");
const QString kMsgDo = QStringLiteral("Здесь требуется \"do\"");
const QString kMsgGotoLabel = QStringLiteral("Метка в goto должна быть числом");
const QString kMsgAssign = QStringLiteral("Здесь требуется \":=\"");
const QString kMsgParen = QStringLiteral("Здесь требуется \")\"");
const QString kMsgBracket = QStringLiteral("Здесь требуется \"]\"");
const QString kMsgArguments = QStringLiteral("Здесь требуется \",\" или \")\"");
const QString kMsgNesting = QStringLiteral("Слишком глубокая вложенность");
const QString kLinePrefix = QStringLiteral("Строка ");
// Longer than every keyword and operator, so that a longer run never equals one.
constexpr int kTokenPrefix = 7;
// Far beyond any report script, well within the stack.
constexpr int kMaxNesting = 200;

// The part of a source line that reaches the compiler: "//" and "{" start comments to the line's end.
QString CodePart(const QString& line)
{
    QString s = line;
    const int slashes = s.indexOf(QStringLiteral("//"));
    if (slashes >= 0)
        s.truncate(slashes);
    const int brace = s.indexOf('{');
    if (brace >= 0)
        s.truncate(brace);
    return s;
}

class ScriptCompiler {
public:
    ScriptCompiler(QStringList source, TStringList& lines, TStringList& errors)
        : source_(std::move(source)), lines_(lines), errors_(errors)
    {
        for (const QString& line : source_) {
            QString s = CodePart(' ' + line);
            s.replace('\t', ' ');
            while (s.contains(QStringLiteral("  ")))
                s.replace(QStringLiteral("  "), QStringLiteral(" "));
            buf_ += s;
        }
    }

    void Compile()
    {
        if (!buf_.isEmpty())
            Statement();
    }

    struct Label {
        QString text;
        int line;
    };
    const std::vector<Label>& Labels() const { return labels_; }

private:
    struct Token {
        QString text;  // upper case; a single #0 at the end of the text
        int start;
    };

    QChar Ch(int k) const { return k >= 0 && k < buf_.size() ? buf_[k] : QChar(0); }
    static bool IsLetter(QChar c) { return c.isLetter(); }
    static bool IsDigit(QChar c) { return c >= '0' && c <= '9'; }
    static bool IsNameChar(QChar c) { return c.isLetterOrNumber() || c == '_' || c == '.'; }

    void SkipSpace()
    {
        while (Ch(cur_) == ' ')
            ++cur_;
    }

    Token GetToken()
    {
        errorPos_ = cur_;
        SkipSpace();
        const int start = cur_;
        if (Ch(cur_).isNull())
            return {QString(QChar(0)), start};
        // Callers look at a token's first few characters only; reading a long run of text without
        // blanks to its end at every operator would make compiling quadratic.
        ++cur_;
        while (Ch(cur_).unicode() > 32 && cur_ - start < kTokenPrefix)
            ++cur_;
        return {frUpperName(buf_.mid(start, cur_ - start)), start};
    }

    // Counts one level of statement or expression nesting while it lives; too deep a nesting is an
    // error of the script, not a stack overflow.
    class Nested {
    public:
        explicit Nested(ScriptCompiler& c) : c_(c)
        {
            if (++c_.depth_ > kMaxNesting && !c_.error_)
                c_.Error(kMsgNesting);
        }
        ~Nested() { --c_.depth_; }
        Nested(const Nested&) = delete;
        Nested& operator=(const Nested&) = delete;

    private:
        ScriptCompiler& c_;
    };

    int LineCount() const { return lines_.Count(); }
    int AddLine(const QString& s) { return lines_.Add(s); }
    void SetTarget(int line, int target)
    {
        QString s = lines_[line];
        frSetLineTarget(s, target);
        lines_.SetStrings(line, s);
    }
    static QString Placeholder(char16_t kind) { return QString(QChar(kind)) + QChar(0) + QChar(0); }

    void Error(const QString& message)
    {
        error_ = true;
        cur_ = errorPos_;
        SkipSpace();
        int count = 0;
        for (int k = 0; k <= cur_ && k < buf_.size(); ++k) {
            if (buf_[k].unicode() > 32)
                ++count;
        }
        int line = std::max<int>(1, static_cast<int>(source_.size()));
        int column = source_.isEmpty() ? 1 : static_cast<int>(source_.back().size()) + 1;
        // The walk leaves out only "{" comments: the characters of a "//" comment count here although
        // the compiler never saw them, so an error after such a comment is placed that much earlier.
        int seen = 0;
        bool found = false;
        for (int l = 0; l < source_.size() && !found && count > 0; ++l) {
            const QString& text = source_[l];
            const int brace = text.indexOf('{');
            const int end = brace < 0 ? static_cast<int>(text.size()) : brace;
            for (int c = 0; c < end; ++c) {
                if (text[c].unicode() > 32 && ++seen == count) {
                    line = l + 1;
                    column = c + 1;
                    found = true;
                    break;
                }
            }
        }
        errors_.Add(kLinePrefix + QString::number(line) + '/' + QString::number(column) + QStringLiteral(": ") +
                    message);
    }

    // A list of statements separated by ";"; answers the token that ended it.
    Token StatementList()
    {
        for (;;) {
            Statement();
            if (error_)
                return {};
            Token t = GetToken();
            if (!t.text.startsWith(';'))
                return t;
            cur_ = t.start + 1;
        }
    }

    void Statement()
    {
        error_ = false;
        const Nested nested(*this);
        if (error_)
            return;
        const int j = cur_;
        const Token t = GetToken();
        if (t.text == QLatin1String("BEGIN")) {
            const Token end = StatementList();
            if (error_)
                return;
            if (end.text.startsWith(QLatin1String("END")))
                cur_ = end.start + 3;
            else
                Error(kMsgBeginList);
        } else if (t.text == QLatin1String("IF")) {
            IfStatement();
        } else if (t.text == QLatin1String("REPEAT")) {
            const int loopStart = LineCount();
            const Token until = StatementList();
            if (error_)
                return;
            if (until.text != QLatin1String("UNTIL")) {
                Error(kMsgRepeatList);
                return;
            }
            const QString condition = CheckedExpression();
            if (error_)
                return;
            QString line = Placeholder(kCondition) + condition;
            frSetLineTarget(line, loopStart);
            AddLine(line);
        } else if (t.text == QLatin1String("WHILE")) {
            const int loopStart = LineCount();
            const QString condition = CheckedExpression();
            if (error_)
                return;
            const int test = AddLine(Placeholder(kCondition) + condition);
            if (GetToken().text != QLatin1String("DO")) {
                Error(kMsgDo);
                return;
            }
            Statement();
            if (error_)
                return;
            QString jump = Placeholder(kJump);
            frSetLineTarget(jump, loopStart);
            AddLine(jump);
            SetTarget(test, LineCount());
        } else if (t.text == QLatin1String("GOTO")) {
            // No token is read for the label: an error points at GOTO itself.
            SkipSpace();
            const int start = cur_;
            while (IsDigit(Ch(cur_)))
                ++cur_;
            if (cur_ == start) {
                Error(kMsgGotoLabel);
                return;
            }
            AddLine(QChar(kJump) + buf_.mid(start, cur_ - start));
        } else if (t.text.startsWith(QLatin1String("END"))) {
            cur_ = j;
        } else {
            cur_ = j;
            OtherStatement();
        }
    }

    void IfStatement()
    {
        const QString condition = CheckedExpression();
        if (error_)
            return;
        const int test = AddLine(Placeholder(kCondition) + condition);
        if (GetToken().text != QLatin1String("THEN")) {
            Error(kMsgThen);
            return;
        }
        Statement();
        if (error_)
            return;
        const int save = cur_;
        if (GetToken().text == QLatin1String("ELSE")) {
            const int jump = AddLine(Placeholder(kJump));
            SetTarget(test, LineCount());
            Statement();
            if (error_)
                return;
            SetTarget(jump, LineCount());
        } else {
            cur_ = save;
            SetTarget(test, LineCount());
        }
    }

    // A label, an assignment, a call of a procedure without arguments, or an expression.
    void OtherStatement()
    {
        const int j = cur_;
        int k = j;
        while (Ch(k) == ' ')
            ++k;
        const int digits = k;
        while (IsDigit(Ch(k)))
            ++k;
        if (k > digits && Ch(k) == ':') {
            const QString label = buf_.mid(digits, k - digits + 1);
            if (std::none_of(labels_.begin(), labels_.end(), [&](const Label& l) { return l.text == label; }))
                labels_.push_back({label, LineCount()});
            cur_ = k + 1;
            Statement();
            return;
        }

        QString index;
        int nameEnd = 0;
        if (ReadVariable(nameEnd, index)) {
            if (error_)
                return;
            const QString variable = buf_.mid(j, cur_ - j).trimmed();
            const Token t = GetToken();
            if (t.text.startsWith(';') || t.text == QString(QChar(0))) {
                cur_ = t.start;
                AddLine(QChar(kCall) + variable + QStringLiteral("(0)"));
            } else if (t.text.startsWith(QLatin1String(":="))) {
                cur_ = t.start + 2;
                const QString expression = CheckedExpression();
                if (error_)
                    return;
                if (variable.contains('['))
                    AddLine(QChar(kCall) + QStringLiteral("SETARRAY(") + buf_.mid(j, nameEnd - j).trimmed() +
                            QStringLiteral(", ") + index + QStringLiteral(", ") + expression + ')');
                else
                    AddLine(variable + ' ' + expression);
            } else {
                Error(kMsgAssign);
            }
            return;
        }
        cur_ = j;
        const QString expression = CheckedExpression();
        if (error_)
            return;
        AddLine(QChar(kCall) + expression.trimmed());
    }

    // A name of letters, digits, "_" and ".", optionally indexed by "[" expression "]", not followed
    // by "(" (that makes it a call). On success cur_ is past it.
    bool ReadVariable(int& nameEnd, QString& index)
    {
        int k = cur_;
        while (Ch(k) == ' ')
            ++k;
        if (!IsLetter(Ch(k)))
            return false;
        while (IsNameChar(Ch(k)))
            ++k;
        if (Ch(k) == '(')
            return false;
        nameEnd = k;
        if (Ch(k) == '[') {
            cur_ = k + 1;
            Expression();
            if (error_)
                return true;
            index = buf_.mid(k + 1, cur_ - k - 1).trimmed();
            SkipSpace();
            if (Ch(cur_) != ']') {
                errorPos_ = cur_;
                Error(kMsgBracket);
                return true;
            }
            k = cur_ + 1;
        }
        cur_ = k;
        return true;
    }

    QString CheckedExpression()
    {
        const int start = cur_;
        Expression();
        return buf_.mid(start, cur_ - start);
    }

    void Expression()
    {
        const Nested nested(*this);
        if (error_)
            return;
        SimpleExpression();
        if (error_)
            return;
        const int save = cur_;
        const Token t = GetToken();
        if (t.text.startsWith(QLatin1String(">=")) || t.text.startsWith(QLatin1String("<=")) ||
            t.text.startsWith(QLatin1String("<>"))) {
            cur_ = t.start + 2;
        } else if (t.text.startsWith('>') || t.text.startsWith('<') || t.text.startsWith('=')) {
            cur_ = t.start + 1;
        } else {
            cur_ = save;
            return;
        }
        SimpleExpression();
    }

    // Terms joined by + - OR; a loop rather than recursion, so that a long sum needs no deep stack.
    void SimpleExpression()
    {
        for (;;) {
            Term();
            if (error_)
                return;
            const int save = cur_;
            const Token t = GetToken();
            if (t.text.startsWith('+') || t.text.startsWith('-'))
                cur_ = t.start + 1;
            else if (t.text.startsWith(QLatin1String("OR")))
                cur_ = t.start + 2;
            else {
                cur_ = save;
                return;
            }
        }
    }

    void Term()
    {
        for (;;) {
            Factor();
            if (error_)
                return;
            const int save = cur_;
            const Token t = GetToken();
            if (t.text.startsWith('*') || t.text.startsWith('/'))
                cur_ = t.start + 1;
            else if (t.text.startsWith(QLatin1String("AND")) || t.text.startsWith(QLatin1String("MOD")))
                cur_ = t.start + 3;
            else {
                cur_ = save;
                return;
            }
        }
    }

    void Factor()
    {
        const Token t = GetToken();
        if (t.text.startsWith('(')) {
            cur_ = t.start + 1;
            Expression();
            if (error_)
                return;
            errorPos_ = cur_;
            SkipSpace();
            if (Ch(cur_) == ')')
                ++cur_;
            else
                Error(kMsgParen);
        } else if (t.text.startsWith('[')) {
            SkipBracket(t.start);
        } else if (t.text.startsWith('+') || t.text.startsWith('-')) {
            cur_ = t.start + 1;
            Expression();
        } else if (t.text == QLatin1String("NOT")) {
            Expression();
        } else {
            cur_ = t.start;
            QString index;
            int nameEnd = 0;
            if (ReadVariable(nameEnd, index) || Constant())
                return;
            FunctionCall();
        }
    }

    void SkipBracket(int start)
    {
        int depth = 0;
        bool inSingle = false, inDouble = false;
        int k = start;
        for (; !Ch(k).isNull(); ++k) {
            const QChar c = Ch(k);
            if (c == '\'' && !inDouble)
                inSingle = !inSingle;
            else if (c == '"' && !inSingle)
                inDouble = !inDouble;
            else if (!inSingle && !inDouble && c == '[')
                ++depth;
            else if (!inSingle && !inDouble && c == ']' && --depth == 0)
                break;
        }
        if (Ch(k) == ']')
            cur_ = k + 1;
        else
            Error(kMsgBracket);  // at the "[" token: the scan reads no token
    }

    bool Constant()
    {
        int k = cur_;
        if (IsDigit(Ch(k))) {
            while (IsDigit(Ch(k)))
                ++k;
            if (Ch(k) == '.') {
                ++k;
                while (IsDigit(Ch(k)))
                    ++k;
            }
            cur_ = k;
            return true;
        }
        if (Ch(k) != '\'')
            return false;
        for (++k; !Ch(k).isNull(); ++k) {
            if (Ch(k) == '\'') {
                if (Ch(k + 1) != '\'') {
                    cur_ = k + 1;
                    return true;
                }
                ++k;
            }
        }
        return false;
    }

    void FunctionCall()
    {
        errorPos_ = cur_;
        int k = cur_;
        if (!IsLetter(Ch(k))) {
            Error(kMsgArguments);
            return;
        }
        while (Ch(k).isLetterOrNumber() || Ch(k) == '_')
            ++k;
        cur_ = k;
        if (Ch(cur_) != '(')
            return;
        ++cur_;
        SkipSpace();
        if (Ch(cur_) == ')') {
            ++cur_;
            return;
        }
        for (;;) {
            Expression();
            if (error_)
                return;
            errorPos_ = cur_;
            SkipSpace();
            if (Ch(cur_) == ',') {
                ++cur_;
            } else if (Ch(cur_) == ')') {
                ++cur_;
                return;
            } else {
                Error(kMsgArguments);
                return;
            }
        }
    }

    QStringList source_;
    TStringList& lines_;
    TStringList& errors_;
    QString buf_;
    int cur_ = 0;
    int errorPos_ = 0;
    bool error_ = false;
    int depth_ = 0;
    std::vector<Label> labels_;
};

}  // namespace

TfrInterpretator::TfrInterpretator()
{
    Parser.OnGetValue = [this](const QString& name, Variant& value) { GetValue(name, value); };
    Parser.OnFunction = [this](const QString& name, const Variant& p1, const Variant& p2, const Variant& p3,
                               QString& value) { CallFunction(name, p1, p2, p3, value); };
}

TfrInterpretator::~TfrInterpretator() = default;

void TfrInterpretator::GetValue(const QString&, Variant&) {}

void TfrInterpretator::SetValue(const QString&, const Variant&) {}

void TfrInterpretator::CallFunction(const QString&, const Variant&, const Variant&, const Variant&, QString&) {}

void TfrInterpretator::CompileScript(TStringList& sourceLines, TStringList& compiledLines, TStringList& errorLines)
{
    ScriptCompiler compiler(sourceLines.ToQStringList(), compiledLines, errorLines);
    compiledLines.Clear();
    errorLines.Clear();
    compiler.Compile();

    for (int i = 0; i < compiledLines.Count(); ++i) {
        QString s = compiledLines[i];
        if (s.isEmpty())
            continue;
        switch (s[0].unicode()) {
        case kCondition:
            s = s.left(3) + Parser.TranslateToPostfix(s.mid(3));
            break;
        case kJump: {
            const QString label = s.mid(1) + ':';
            for (const auto& l : compiler.Labels()) {
                if (l.text == label) {
                    frSetLineTarget(s, l.line);
                    s.truncate(3);
                    break;
                }
            }
            break;
        }
        case kCall:
            s = s.left(1) + Parser.TranslateToPostfix(s.mid(1));
            break;
        default: {
            int k = 0;
            while (k < s.size() && s[k] == ' ')
                ++k;
            while (k < s.size() && s[k] != ' ')
                ++k;
            s = s.left(k + 1) + Parser.TranslateToPostfix(s.mid(k + 1));
        }
        }
        compiledLines.SetStrings(i, s);
    }
}

void TfrInterpretator::RunScript(const TStringList& memo)
{
    int64_t executed = 0;
    int i = 0;
    while (i >= 0 && i < memo.Count()) {
        if (++executed > MaxExecutedLines)
            throw Exception(QStringLiteral("Betik %1 satırdan fazla çalıştırıldı ve durduruldu; "
                                           "bitmeyen bir WHILE ya da REPEAT döngüsü olabilir")
                                .arg(MaxExecutedLines));
        const QString& s = memo[i];
        if (s.isEmpty()) {
            ++i;
            continue;
        }
        switch (s[0].unicode()) {
        case kCondition:
            i = Parser.EvaluatePostfix(s.mid(3)) == Variant(0) ? frLineTarget(s) : i + 1;
            break;
        case kJump:
            i = frLineTarget(s);
            break;
        case kCall:
            Parser.EvaluatePostfix(s.mid(1));
            ++i;
            break;
        default: {
            const int blank = s.indexOf(' ');
            const QString name = blank < 0 ? s : s.left(blank);
            const Variant value = blank < 0 ? Variant() : Parser.EvaluatePostfix(s.mid(blank + 1));
            SetValue(name, value);
            ++i;
        }
        }
    }
}
