#include "payroll_xlsx_reader.h"

#include <QFile>
#include <QXmlStreamReader>

#include <zip.h>

#include <stdexcept>

namespace {
QByteArray member(zip_t* archive, const char* name)
{
    zip_stat_t st;
    zip_file_t* file = zip_stat(archive, name, 0, &st) == 0 ? zip_fopen(archive, name, 0) : nullptr;
    if (!file)
        return QByteArray();
    QByteArray data(static_cast<qsizetype>(st.size), '\0');
    zip_fread(file, data.data(), st.size);
    zip_fclose(file);
    return data;
}

// Calls onStart for each start element, with the reader placed on it.
template <typename F>
void forEachElement(const QByteArray& xml, F onStart)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        if (reader.readNext() == QXmlStreamReader::StartElement)
            onStart(reader);
}
}  // namespace

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
    forEachElement(stringsXml, [&](QXmlStreamReader& xml) {
        if (xml.name() == u"t")
            sheet.sharedStrings << xml.readElementText();
    });

    // Fonts come before the cell formats that point to them; built-in number formats 0, 3 and 4.
    std::map<int, QString> numFmts = {{0, "General"}, {3, "#,##0"}, {4, "#,##0.00"}};
    std::vector<XlsxSheet::Style> fonts;
    bool inCellXfs = false;
    forEachElement(stylesXml, [&](QXmlStreamReader& xml) {
        const auto name = xml.name();
        const auto attrs = xml.attributes();
        if (name == u"numFmt")
            numFmts[attrs.value("numFmtId").toInt()] = attrs.value("formatCode").toString();
        else if (name == u"font")
            fonts.emplace_back();
        else if (name == u"b" && !inCellXfs)
            fonts.back().bold = true;
        else if (name == u"sz" && !inCellXfs)
            fonts.back().size = attrs.value("val").toDouble();
        else if (name == u"cellStyleXfs" || name == u"cellXfs")
            inCellXfs = name == u"cellXfs";
        else if (name == u"xf" && inCellXfs) {
            XlsxSheet::Style style = fonts.at(attrs.value("fontId").toUInt());
            style.numberFormat = numFmts[attrs.value("numFmtId").toInt()];
            sheet.styles.push_back(style);
        }
    });

    QString ref;
    forEachElement(sheetXml, [&](QXmlStreamReader& xml) {
        const auto attrs = xml.attributes();
        if (xml.name() == u"col") {
            for (int c = attrs.value("min").toInt(); c <= attrs.value("max").toInt(); ++c)
                sheet.widths[c] = attrs.value("width").toDouble();
        } else if (xml.name() == u"c") {
            ref = attrs.value("r").toString();
            sheet.cells[ref] = {attrs.value("t").toString(), {}, {}, attrs.value("s").toInt()};
        } else if (xml.name() == u"v" || xml.name() == u"t") {
            sheet.cells[ref].value = xml.readElementText();
        } else if (xml.name() == u"pageMargins") {
            for (const QXmlStreamAttribute& a : attrs)
                sheet.pageMargins[a.name().toString()] = a.value().toString();
        } else if (xml.name() == u"f") {
            sheet.cells[ref].formula = xml.readElementText();
        }
    });
    return sheet;
}
