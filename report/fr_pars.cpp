#include "report/fr_pars.h"

#include "base/exceptions.h"
#include "base/format_settings.h"
#include "base/numbers.h"
#include "base/strings.h"
#include "report/fr_utils.h"

#include <cmath>

namespace {

constexpr QChar kQuote = '\'';
// A handler that keeps answering with further calls would otherwise splice for ever.
constexpr int kMaxSplices = 10000;
// Calls nest through the handlers, which evaluate their arguments with the parser again; a text
// that nests deeper than any template would otherwise end the stack.
constexpr int kMaxNesting = 100;
// A string that doubles in a script's loop would otherwise take all memory.
constexpr qsizetype kMaxTextLength = qsizetype(1) << 22;

int nesting = 0;

class Nested {
public:
    Nested()
    {
        if (nesting >= kMaxNesting)
            throw EParserError(QStringLiteral("İfadede iç içe çok fazla çağrı var (en çok %1)").arg(kMaxNesting));
        ++nesting;
    }
    ~Nested() { --nesting; }
    Nested(const Nested&) = delete;
    Nested& operator=(const Nested&) = delete;
};

void CheckLength(qsizetype length)
{
    if (length > kMaxTextLength)
        throw EParserError(QStringLiteral("İfadenin değeri çok uzun (en çok %1 karakter)").arg(kMaxTextLength));
}

QChar At(const QString& s, int pos)
{
    return pos >= 1 && pos <= s.size() ? s[pos - 1] : QChar(0);
}

bool IsNameDelimiter(QChar c)
{
    switch (c.unicode()) {
    case ' ':
    case '(':
    case ')':
    case '*':
    case '+':
    case '-':
    case '/':
    case '<':
    case '=':
    case '>':
    case ';':  // ends the expression, even right after an operand ("1 + 2; 3")
        return true;
    default:
        return false;
    }
}

bool IsBinaryOperator(QChar c)
{
    switch (c.unicode()) {
    case frOp::GreaterEqual:
    case frOp::LessEqual:
    case frOp::NotEqual:
    case frOp::Or:
    case frOp::And:
    case frOp::Mod:
    case '+':
    case '-':
    case '*':
    case '/':
    case '<':
    case '=':
    case '>':
        return true;
    default:
        return false;
    }
}

bool StartsNumber(const QString& token)
{
    if (token.isEmpty())
        return false;
    const char16_t c = token[0].unicode();
    return (c >= '0' && c <= '9') || c == ',' || c == '.';
}

// The nearest whole number, halves to the even neighbour, for any amount a value holds: within 64 bits
// an integer, beyond them the whole floating number (a 32-bit result would wrap large amounts).
Variant RoundedValue(long double value)
{
    const long double whole = std::nearbyint(value);
    if (whole >= -9223372036854775808.0L && whole < 9223372036854775808.0L)
        return Variant(static_cast<int64_t>(whole));
    return Variant(whole);
}

struct OperatorWord {
    const char* word;
    char16_t code;
};

constexpr OperatorWord kOperatorWords[] = {
    {"INT", frOp::Int}, {"FRAC", frOp::Frac}, {"ROUND", frOp::Round}, {"OR", frOp::Or},
    {"AND", frOp::And}, {"NOT", frOp::Not},   {"STR", frOp::Str},     {"MOD", frOp::Mod},
};

char16_t OperatorWordCode(const QString& upperToken)
{
    for (const OperatorWord& w : kOperatorWords) {
        if (upperToken == QLatin1String(w.word))
            return w.code;
    }
    return 0;
}

// The literal with its outer quotes; runs of quotes inside collapse to one, since a spliced text
// may have had its quotes doubled more than once on its way.
QString UnquoteLiteral(QString literal)
{
    for (int k = literal.indexOf(QStringLiteral("''")); k >= 0; k = literal.indexOf(QStringLiteral("''")))
        literal.remove(k, 1);
    return literal.size() < 2 ? QString() : literal.mid(1, literal.size() - 2);
}

[[noreturn]] void MissingOperand()
{
    throw EParserError(QStringLiteral("İfadede bir işlecin işleneni eksik"));
}

}  // namespace

int frOperatorPriority(QChar c)
{
    switch (c.unicode()) {
    case '*':
    case '/':
    case frOp::And:
    case frOp::Or:
    case frOp::Not:
    case frOp::Mod:
        return 1;
    case '+':
    case '-':
    case frOp::UnaryMinus:
    case frOp::UnaryPlus:
        return 2;
    case '<':
    case '=':
    case '>':
    case frOp::GreaterEqual:
    case frOp::LessEqual:
    case frOp::NotEqual:
        return 3;
    case ')':
        return 4;
    case '(':
        return 5;
    default:
        return 0;
    }
}

void frExtractBracketedName(const QString& text, int& start, int& stop, QString& name)
{
    name.clear();
    stop = start;
    if (text.isEmpty() || At(text, start) != '[')
        return;
    int depth = 0;
    bool inDouble = false, inSingle = false;
    int k = start;
    for (; k <= text.size(); ++k) {
        const QChar c = text[k - 1];
        if (!inDouble && !inSingle) {
            if (c == '[')
                ++depth;
            else if (c == ']')
                --depth;
        }
        if (c == '"' && !inSingle)
            inDouble = !inDouble;
        else if (c == kQuote && !inDouble)
            inSingle = !inSingle;
        if (depth == 0)
            break;
    }
    stop = std::min(k, static_cast<int>(text.size()));
    name = text.mid(start, stop - start - 1);
}

void frDoubleInnerQuotes(QString& s)
{
    if (s.size() <= 2 || s[0] != kQuote)
        return;
    QString inner = s.mid(1, s.size() - 2);
    inner.replace(kQuote, QStringLiteral("''"));
    s = kQuote + inner + s.back();
}

QString TfrParser::ReadName(const QString& text, int& pos)
{
    while (At(text, pos) == ' ')
        ++pos;
    const int start = pos;
    bool inDouble = false;
    for (; pos <= text.size(); ++pos) {
        const QChar c = text[pos - 1];
        if (c == '"')
            inDouble = !inDouble;
        else if (!inDouble && IsNameDelimiter(c))
            break;
    }
    return text.mid(start - 1, pos - start);
}

QString TfrParser::GetQuotedString(const QString& text, int& pos)
{
    const int start = pos;
    int j = pos + 1;
    while (j <= text.size()) {
        if (text[j - 1] == kQuote) {
            if (At(text, j + 1) != kQuote)
                break;
            ++j;
        }
        ++j;
    }
    pos = j + 1;
    return text.mid(start - 1, j - start + 1);
}

void TfrParser::SplitArguments(const QString& text, int& pos, QString& p1, QString& p2, QString& p3)
{
    QString args[3];
    int count = 0;
    QString current;
    int depth = 1;
    bool inQuote = false;
    int j = pos + 1;
    auto finish = [&]() {
        if (count == 3)
            throw EParserError(QStringLiteral("Bir fonksiyona en fazla üç parametre verilebilir"));
        args[count++] = current;
        current.clear();
    };
    for (; j <= text.size(); ++j) {
        const QChar c = text[j - 1];
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (--depth == 0)
                break;
        } else if (c == kQuote) {
            inQuote = !inQuote;
        } else if (c == ',' && depth == 1 && !inQuote) {
            finish();
            continue;
        }
        current += c;
    }
    finish();
    pos = j + 1;
    p1 = args[0];
    p2 = args[1];
    p3 = args[2];
}

Variant TfrParser::Calc(const QString& text)
{
    return EvaluatePostfix(TranslateToPostfix(text));
}

QString TfrParser::TranslateToPostfix(const QString& text)
{
    const Nested nested;
    QString s = text;
    QString out;
    QString stack;  // its first character is the top
    bool operandSeen = false;
    int splices = 0;

    auto operatorStep = [&](QChar c) {
        if (!operandSeen) {
            if (c == '-')
                c = QChar(frOp::UnaryMinus);
            else if (c == '+')
                c = QChar(frOp::UnaryPlus);
        }
        operandSeen = false;
        while (!stack.isEmpty() && frOperatorPriority(c) >= frOperatorPriority(stack[0])) {
            out += stack[0];
            stack.remove(0, 1);
        }
        stack.prepend(c);
    };

    int i = 1;
    while (i <= s.size()) {
        QChar c = s[i - 1];
        switch (c.unicode()) {
        case ' ':
            ++i;
            continue;
        case '(':
            stack.prepend(c);
            operandSeen = false;
            ++i;
            continue;
        case ')': {
            const int open = stack.indexOf('(');
            if (open >= 0) {
                out += stack.left(open);
                stack.remove(0, open + 1);
            }
            ++i;
            continue;
        }
        case ';':
            i = s.size() + 1;
            continue;
        case '+':
        case '-':
        case '*':
        case '/':
        case '<':
        case '=':
        case '>': {
            const QChar next = At(s, i + 1);
            char16_t code = 0;
            if (c == '<' && next == '>')
                code = frOp::NotEqual;
            else if (c == '>' && next == '=')
                code = frOp::GreaterEqual;
            else if (c == '<' && next == '=')
                code = frOp::LessEqual;
            if (code != 0) {
                ++i;
                s[i - 1] = QChar(code);
                c = QChar(code);
            }
            operatorStep(c);
            ++i;
            continue;
        }
        default:
            break;
        }

        operandSeen = true;
        const int j = i;
        QString token;
        if (c == '%') {
            token = s.mid(i - 1, 2);
            i += 2;
        }
        if (At(s, i) == kQuote) {
            token += GetQuotedString(s, i);
        } else if (At(s, i) == '[') {
            int start = i, stop = i;
            QString name;
            frExtractBracketedName(s, start, stop, name);
            token += '[' + name + ']';
            i = stop + 1;
        } else {
            token += ReadName(s, i);
        }
        const QChar next = At(s, i);

        if (StartsNumber(token)) {
            out += token + ' ';
            continue;
        }
        const QString upper = frUpperName(token);
        if (const char16_t code = OperatorWordCode(upper)) {
            --i;
            s[i - 1] = QChar(code);
            operatorStep(QChar(code));
            ++i;
            continue;
        }
        const bool isCopy = upper == QLatin1String("COPY");
        const bool isIf = upper == QLatin1String("IF");
        if (!isCopy && !isIf && next != '(') {
            out += token + ' ';
            continue;
        }

        if (++splices > kMaxSplices)
            throw EParserError(QStringLiteral("İfadede çok fazla fonksiyon çağrısı var"));
        QString p1, p2, p3;
        SplitArguments(s, i, p1, p2, p3);
        QString result;
        if (isCopy) {
            const int from = StrToInt(Calc(p2).AsString());
            const int count = StrToInt(Calc(p3).AsString());
            result = kQuote + Copy(Calc(p1).AsString(), from, count) + kQuote;
        } else if (isIf) {
            const long double condition = StrToFloat(Calc(p1).AsString());
            result = Trunc(condition) > 0 ? p2 : p3;
        } else if (OnFunction) {
            OnFunction(upper, Variant(p1), Variant(p2), Variant(p3), result);
        }
        frDoubleInnerQuotes(result);
        CheckLength(s.size() + result.size());
        s = s.left(j - 1) + '(' + result + ')' + s.mid(i - 1);
        i = j;
    }
    out += stack;
    return out;
}

Variant TfrParser::EvaluatePostfix(const QString& postfix)
{
    const Nested nested;
    Variant stack[StackSize + 1];  // positions 1..8
    int sp = 1;
    int dateFlag = 0;

    auto needs = [&](int operands) {
        if (sp - operands < 1)
            MissingOperand();
    };
    // The slot keeps what an earlier operand left there: a value handler gets it as it stands.
    auto push = [&]() -> Variant& {
        if (sp > StackSize)
            throw EParserError(QStringLiteral("İfade çok karmaşık: aynı anda en fazla %1 işlenen bekleyebilir")
                                   .arg(StackSize));
        return stack[sp];
    };
    auto askValue = [&](const QString& name) {
        Variant& value = push();
        if (OnGetValue)
            OnGetValue(name, value);
        else
            value = Variant();
        ++sp;
    };

    int i = 1;
    while (i <= postfix.size()) {
        const QChar c = postfix[i - 1];
        switch (c.unicode()) {
        case '+':
        case frOp::Or:
            needs(2);
            stack[sp - 2] = stack[sp - 2] + stack[sp - 1];
            if (stack[sp - 2].IsString())
                CheckLength(stack[sp - 2].AsString().size());
            break;
        case '-':
            needs(2);
            stack[sp - 2] = stack[sp - 2] - stack[sp - 1];
            break;
        case '*':
        case frOp::And:
            needs(2);
            stack[sp - 2] = stack[sp - 2] * stack[sp - 1];
            break;
        case '/':
            needs(2);
            stack[sp - 2] = stack[sp - 1] == Variant(0) ? Variant(0) : stack[sp - 2] / stack[sp - 1];
            break;
        case frOp::Mod:
            needs(2);
            stack[sp - 2] = stack[sp - 2] % stack[sp - 1];
            break;
        case '<':
        case '=':
        case '>':
        case frOp::GreaterEqual:
        case frOp::LessEqual:
        case frOp::NotEqual: {
            needs(2);
            const int cmp = Variant::Compare(stack[sp - 2], stack[sp - 1]);
            bool holds = false;
            switch (c.unicode()) {
            case '<':
                holds = cmp < 0;
                break;
            case '=':
                holds = cmp == 0;
                break;
            case '>':
                holds = cmp > 0;
                break;
            case frOp::GreaterEqual:
                holds = cmp >= 0;
                break;
            case frOp::LessEqual:
                holds = cmp <= 0;
                break;
            default:
                holds = cmp != 0;
            }
            stack[sp - 2] = Variant(holds ? 1 : 0);
            break;
        }
        case frOp::Int:
            needs(1);
            stack[sp - 1] = Variant(Int(stack[sp - 1].AsFloat()));
            break;
        case frOp::Frac:
            needs(1);
            stack[sp - 1] = Variant(Frac(stack[sp - 1].AsFloat()));
            break;
        case frOp::Round:
            needs(1);
            stack[sp - 1] = RoundedValue(stack[sp - 1].AsFloat());
            break;
        case frOp::Str:
            needs(1);
            stack[sp - 1] = Variant(stack[sp - 1].AsString());
            break;
        case frOp::Not:
            needs(1);
            stack[sp - 1] = Variant(stack[sp - 1] == Variant(0) ? 1 : 0);
            break;
        case frOp::UnaryMinus:
            needs(1);
            stack[sp - 1] = -stack[sp - 1];
            break;
        case frOp::UnaryPlus:
        case ' ':
            break;
        case '(':
            throw EParserError(QStringLiteral("İfadede kapanmamış parantez var"));
        case ')':
            throw EParserError(QStringLiteral("İfadede fazladan kapanan parantez var"));
        case '%': {
            ++i;
            const QChar kind = At(postfix, i);
            if (kind == 'D' || kind == 'd')
                dateFlag = 1;
            else if (kind == 'T' || kind == 't')
                dateFlag = 2;
            break;
        }
        case '[': {
            int start = i, stop = i;
            QString name;
            frExtractBracketedName(postfix, start, stop, name);
            i = stop;
            askValue(name);
            break;
        }
        case '\'': {
            // Like every operand token, the literal is followed by a blank, which the step below skips.
            const QString text = UnquoteLiteral(GetQuotedString(postfix, i));
            Variant& value = push();
            if (dateFlag == 1)
                value = Variant::FromDate(StrToDate(text));
            else if (dateFlag == 2)
                value = Variant::FromDate(StrToTime(text));
            else
                value = Variant(text);
            dateFlag = 0;
            ++sp;
            break;
        }
        default: {
            QString token = ReadName(postfix, i);
            if (token.isEmpty())
                throw EParserError(QStringLiteral("İfadenin ara biçimi bozuk"));
            if (!StartsNumber(token)) {
                askValue(frUpperName(token));
                break;
            }
            const QChar sep = FormatSettings().DecimalSeparator;
            token.replace(',', sep).replace('.', sep);
            push() = Variant(StrToFloat(token));
            ++sp;
            break;
        }
        }
        if (IsBinaryOperator(c))
            --sp;
        ++i;
    }
    return stack[1];
}
