#pragma once

#include "base/variant.h"

#include <QString>

#include <functional>

// Operator codes of the postfix form.
namespace frOp {
constexpr char16_t GreaterEqual = 1, LessEqual = 2, NotEqual = 3, Or = 4, And = 5, Int = 6, Frac = 7,
                   UnaryMinus = 9, UnaryPlus = 10, Str = 11, Not = 12, Mod = 13, Round = 14;
}

// Priority of an operator code or character; a smaller number binds more tightly.
int frOperatorPriority(QChar c);

// The report engine's expression language. A text is translated into a postfix string of operand
// tokens (each followed by a blank) and one-character operator codes, which is then evaluated on a
// stack of eight values. Names and function calls are resolved by the owner's two handlers; function
// calls (and COPY and IF) are performed while translating and their results spliced in as source
// text. Positions in the token readers are 1-based.
class TfrParser {
public:
    using TGetValueEvent = std::function<void(const QString& name, Variant& value)>;
    using TFunctionEvent = std::function<void(const QString& name, const Variant& p1, const Variant& p2,
                                              const Variant& p3, QString& value)>;

    TGetValueEvent OnGetValue;
    TFunctionEvent OnFunction;

    Variant Calc(const QString& text);
    QString TranslateToPostfix(const QString& text);
    // EParserError for postfix that does not hold together (too few operands, more than eight
    // pending, an unclosed parenthesis).
    Variant EvaluatePostfix(const QString& postfix);

    static QString ReadName(const QString& text, int& pos);
    static QString GetQuotedString(const QString& text, int& pos);
    // Up to three arguments of the call whose "(" is at pos; EParserError for a fourth.
    static void SplitArguments(const QString& text, int& pos, QString& p1, QString& p2, QString& p3);

    static constexpr int StackSize = 8;
};

// With Start at a "[", the matching "]" (nesting counted, quoted brackets ignored): Stop is its
// position and Name the text between. Otherwise Stop = Start and Name is empty.
void frExtractBracketedName(const QString& text, int& start, int& stop, QString& name);
// Doubles the quotes inside a quoted literal, leaving the outer two.
void frDoubleInnerQuotes(QString& s);
