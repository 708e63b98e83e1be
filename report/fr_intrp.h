#pragma once

#include "base/variant.h"
#include "report/fr_pars.h"

#include <QString>

#include <vector>

class TStringList;

// Named values shared by scripts and expressions, in insertion order. Names compare as identifiers
// (see frSameName).
class TfrVariables {
public:
    void SetVariable(const QString& name, const Variant& value);
    Variant GetVariable(const QString& name) const;  // Null when absent
    int IndexOf(const QString& name) const;           // -1 when absent
    int Count() const { return static_cast<int>(items_.size()); }
    QString GetName(int index) const;                 // empty out of range
    Variant GetValue(int index) const;                // empty out of range
    void Delete(int index);                           // ignores an index out of range
    void Clear();

private:
    struct Item {
        QString name;
        Variant value;
    };
    std::vector<Item> items_;
};

// Compiles a report script into a list of lines, each an expression in postfix form with a
// one-character kind, and runs such a list:
//   #1 T T postfix   evaluate; 0 jumps to line T (two characters, low byte first), else next line
//   #2 T T           jump to line T
//   #3 postfix       evaluate and drop the result
//   name postfix     evaluate and hand name and value to SetValue
class TfrInterpretator {
public:
    TfrInterpretator();
    virtual ~TfrInterpretator();
    TfrInterpretator(const TfrInterpretator&) = delete;
    TfrInterpretator& operator=(const TfrInterpretator&) = delete;

    virtual void GetValue(const QString& name, Variant& value);
    virtual void SetValue(const QString& name, const Variant& value);
    virtual void CallFunction(const QString& name, const Variant& p1, const Variant& p2, const Variant& p3,
                              QString& value);
    // Source and compiled list may be the same list. Errors go to ErrorLines as
    // "Строка L/C: message"; compiling never raises for the script's syntax.
    virtual void CompileScript(TStringList& sourceLines, TStringList& compiledLines, TStringList& errorLines);
    // Raises the parser's errors, and stops a script that runs more than MaxExecutedLines lines.
    virtual void RunScript(const TStringList& memo);

    TfrParser Parser;

    // A loop that never ends would freeze the program: no report script comes near this. (The fuzz
    // target lowers it to keep its runs short.)
    static inline int64_t MaxExecutedLines = 1000000;
};

// Jump targets of compiled lines.
int frLineTarget(const QString& line);
void frSetLineTarget(QString& line, int target);
