#include "payroll_xlsx_reader.h"

#include <QFile>
#include <QXmlStreamReader>

#include <zip.h>

#include <stdexcept>

namespace {
QByteArray member(zip_t* archive, const char* name)
{
    zip_stat_t st;
    if (zip_stat(archive, name, 0, &st) != 0)
        return QByteArray();
    QByteArray data(static_cast<qsizetype>(st.size), '\0');
    zip_file_t* file = zip_fopen(archive, name, 0);
    if (!file)
        return QByteArray();
    zip_fread(file, data.data(), st.size);
    zip_fclose(file);
    return data;
}

QString builtInFormat(int id)
{
    switch (id) {
    case 0: return "General";
    case 3: return "#,##0";
    case 4: return "#,##0.00";
    default: return QString("builtin %1").arg(id);
    }
}
}  // namespace

QString XlsxSheet::Text(const QString& ref) const
{
    auto it = cells.find(ref);
    if (it == cells.end())
        return QString();
    if (it->second.type == "s")
        return sharedStrings.value(it->second.value.toInt());
    return it->second.value;
}

double XlsxSheet::Number(const QString& ref) const
{
    auto it = cells.find(ref);
    return it == cells.end() ? 0 : it->second.value.toDouble();
}

QString XlsxSheet::Formula(const QString& ref) const
{
    auto it = cells.find(ref);
    return it == cells.end() ? QString() : it->second.formula;
}

XlsxSheet::Style XlsxSheet::StyleOf(const QString& ref) const
{
    auto it = cells.find(ref);
    const int s = it == cells.end() ? 0 : it->second.style;
    return s < static_cast<int>(styles.size()) ? styles[s] : Style();
}

XlsxSheet ReadXlsxSheet(const QString& path)
{
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!archive)
        throw std::runtime_error("not a zip: " + path.toStdString());
    const QByteArray sheetXml = member(archive, "xl/worksheets/sheet1.xml");
    const QByteArray stringsXml = member(archive, "xl/sharedStrings.xml");
    const QByteArray stylesXml = member(archive, "xl/styles.xml");
    zip_close(archive);

    XlsxSheet sheet;
    {
        QXmlStreamReader xml(stringsXml);
        while (!xml.atEnd())
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"t")
                sheet.sharedStrings << xml.readElementText();
    }
    {
        std::map<int, QString> numFmts;
        struct Font {
            bool bold = false;
            double size = 11;
        };
        std::vector<Font> fonts;
        QXmlStreamReader xml(stylesXml);
        bool inFonts = false, inCellXfs = false;
        while (!xml.atEnd()) {
            const auto token = xml.readNext();
            if (token == QXmlStreamReader::EndElement) {
                if (xml.name() == u"fonts")
                    inFonts = false;
                if (xml.name() == u"cellXfs")
                    inCellXfs = false;
                continue;
            }
            if (token != QXmlStreamReader::StartElement)
                continue;
            const auto name = xml.name();
            const auto attrs = xml.attributes();
            if (name == u"numFmt")
                numFmts[attrs.value("numFmtId").toInt()] = attrs.value("formatCode").toString();
            else if (name == u"fonts")
                inFonts = true;
            else if (name == u"cellXfs")
                inCellXfs = true;
            else if (inFonts && name == u"font")
                fonts.emplace_back();
            else if (inFonts && name == u"b")
                fonts.back().bold = true;
            else if (inFonts && name == u"sz")
                fonts.back().size = attrs.value("val").toDouble();
            else if (inCellXfs && name == u"xf") {
                const int fmt = attrs.value("numFmtId").toInt();
                const size_t font = attrs.value("fontId").toUInt();
                XlsxSheet::Style style;
                style.numberFormat = numFmts.count(fmt) ? numFmts[fmt] : builtInFormat(fmt);
                if (font < fonts.size()) {
                    style.bold = fonts[font].bold;
                    style.size = fonts[font].size;
                }
                sheet.styles.push_back(style);
            }
        }
    }
    {
        QXmlStreamReader xml(sheetXml);
        QString ref;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const auto attrs = xml.attributes();
            if (xml.name() == u"col") {
                for (int c = attrs.value("min").toInt(); c <= attrs.value("max").toInt(); ++c)
                    sheet.widths[c] = attrs.value("width").toDouble();
            } else if (xml.name() == u"c") {
                ref = attrs.value("r").toString();
                XlsxSheet::Cell& cell = sheet.cells[ref];
                cell.type = attrs.value("t").toString();
                cell.style = attrs.value("s").toInt();
            } else if (xml.name() == u"v") {
                sheet.cells[ref].value = xml.readElementText();
            } else if (xml.name() == u"f") {
                sheet.cells[ref].formula = xml.readElementText();
            } else if (xml.name() == u"t") {
                sheet.cells[ref].value = xml.readElementText();
            }
        }
    }
    return sheet;
}
