#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <vector>

// Reads back the first sheet of an .xlsx: cells with their values, formulas and styles, column widths.
struct XlsxSheet {
    struct Cell {
        QString type;  // "s" shared string, "str", "inlineStr", "" number
        QString value;
        QString formula;
        int style = 0;
    };
    struct Style {
        bool bold = false;
        double size = 11;
        QString numberFormat;  // "General", "#,##0.00", ...
    };
    std::map<QString, Cell> cells;  // by reference, "B4"
    std::vector<Style> styles;
    std::map<int, double> widths;  // 1-based column

    bool Has(const QString& ref) const { return cells.count(ref) > 0; }
    QString Text(const QString& ref) const;   // a string cell's text
    double Number(const QString& ref) const;  // a number cell's value or a formula's stored result
    QString Formula(const QString& ref) const;
    Style StyleOf(const QString& ref) const;

    QStringList sharedStrings;
};

XlsxSheet ReadXlsxSheet(const QString& path);
