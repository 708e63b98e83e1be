#pragma once

#include <QString>
#include <QStringList>

#include <map>
#include <vector>

// Reads back the first sheet of an .xlsx: cells with their values, formulas and styles, column widths.
struct XlsxSheet {
    struct Cell {
        QString type;  // "s" shared string, "str", "inlineStr", "" number
        QString value, formula;
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
    std::map<QString, QString> pageMargins;  // "left" ... as written
    QStringList sharedStrings;

    bool Has(const QString& ref) const { return cells.count(ref) > 0; }
    Cell At(const QString& ref) const { return Has(ref) ? cells.at(ref) : Cell(); }
    QString Text(const QString& ref) const  // a string cell's text
    {
        return At(ref).type == "s" ? sharedStrings.value(At(ref).value.toInt()) : At(ref).value;
    }
    double Number(const QString& ref) const { return At(ref).value.toDouble(); }  // or a formula's result
    QString Formula(const QString& ref) const { return At(ref).formula; }
    Style StyleOf(const QString& ref) const
    {
        return size_t(At(ref).style) < styles.size() ? styles[At(ref).style] : Style();
    }
};

XlsxSheet ReadXlsxSheet(const QString& path);
