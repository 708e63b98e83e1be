#pragma once

#include "base/variant.h"
#include "report/fr_values.h"

#include <QObject>
#include <QString>

#include <functional>

class TfrExportFilter;
class TfrView;
class TStringList;

// The report component.
class TfrReport : public QObject {
    Q_OBJECT
public:
    explicit TfrReport(QObject* owner = nullptr);
    ~TfrReport() override;

    QString Title;

    std::function<void(const QString& parName, Variant& parValue)> OnGetValue;
    std::function<void(TStringList& memo, TfrView* view)> OnEnterRect;
    std::function<void(const QString& name, const Variant& p1, const Variant& p2, const Variant& p3, QString& val)>
        OnUserFunction;
    TfrValues Values;

    // Values of expressions: the parser's handlers while the report is built, the display text of a
    // memo's bracketed expression, the hooks views call before they print, the export hooks.
    void ParserGetValue(const QString& name, Variant& value);
    void ParserFunction(const QString& name, const Variant& p1, const Variant& p2, const Variant& p3,
                        QString& value);
    void InstallParserHandlers();  // the global parser asks this report
    // An expression with an optional display-format suffix after " #" (N number, D date, B Boolean).
    void GetVariableValue(const QString& expression, QString& text);
    // By the category of the format word: text, number, date, time, Boolean; a blank for no value.
    void FormatValue(const Variant& value, int format, QString& text, const QString& formatStr);
    void DoEnterRect(TStringList& memo, TfrView* view);
    bool HasEnterRectHandler() const;
    void DoExportData(TfrView* view);
    void DoExportText(int x, int y, const QString& text, TfrView* view);
    TfrExportFilter* CurrentFilter = nullptr;  // set only while an export runs

private:
    QString selfReference_;  // the name the value handler is calculating as an expression
    int valueNesting_ = 0;
};
