// Writes the seed corpora of the fuzz targets from the program's own writers:
//     build-fuzz/fuzz/write_fuzz_corpus fuzz/corpus
#include "fuzz_support.h"

#include "app/settings_archive.h"
#include "base/code_page.h"
#include "base/rich_edit.h"
#include "base/stream.h"
#include "base/string_list.h"
#include "base/zip_archive.h"
#include "calc/payroll_assets/payroll_calc.h"
#include "calc/payroll_assets/payroll_document.h"
#include "calc/report_pane_print.h"
#include "report/fr_memo_view.h"
#include "report/fr_report.h"
#include "report/fr_utils.h"

#include <QDir>
#include <QFile>

#include <cstdio>

namespace {
QString root;

void seed(const QString& target, const QString& name, const QByteArray& bytes)
{
    QDir().mkpath(root + '/' + target);
    QFile file(root + '/' + target + '/' + name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "%s yazılamadı\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

QByteArray templateStream(const QString& resource)
{
    QFile file(resource);
    file.open(QIODevice::ReadOnly);
    TMemoryStream formData(file.readAll());
    TfrReport report;
    report.StoreInDFM = true;
    report.ReadBinaryData(formData);
    TMemoryStream out;
    report.SaveToStream(out);
    return out.Data();
}

QByteArray preparedReport(const QByteArray& stream, const QStringList& body)
{
    TfrReport report;
    report.ShowProgress = false;
    TMemoryStream in(stream);
    report.LoadFromStream(in);
    TRichEdit pane;
    pane.SetFontSpec("Courier New", -11, 0);
    pane.SetLines(body);
    TemplateMemo(report, "Memo5").Memo.SetText("Deneme Raporu");
    FillRichView(report, pane);
    report.PrepareReport();
    TMemoryStream out;
    report.EMFPages.SaveToStream(out);
    return out.Data();
}

// A file of one page written before version 23: the memo's font name terminated, its character set
// not counted; the rich view's class name terminated too.
QByteArray preparedReportOfVersion22()
{
    TMemoryStream page;
    page.WriteByte(22);
    TfrMemoView memo;
    memo.RecordForm = 1;
    memo.SetBounds(40, 20, 300, 18);
    memo.OutLines.Add("Sayfa 1");
    page.WriteByte(memo.ObjectType);
    memo.TfrView::SaveToStream(page);
    page.WriteBytes("Arial");
    page.WriteByte(0);
    page.WriteInteger(10);  // size
    page.WriteWord(2);      // bold
    page.WriteInteger(0);   // colour
    page.WriteInteger(1);   // right-aligned
    page.WriteWord(162);    // a character set that version did not count
    page.WriteByte(10);
    page.WriteBytes("TfrRichView");
    page.WriteByte(0);
    TfrMemoView rich;  // the plain view record the rich view starts with
    rich.RecordForm = 1;
    rich.SetBounds(40, 50, 300, 40);
    rich.TfrView::SaveToStream(page);
    page.WriteByte(0);
    page.WriteInteger(static_cast<int32_t>(page.Size() + 4));
    TMemoryStream file;
    file.WriteByte(0);
    frWriteString(file, "");
    file.WriteInteger(1);
    file.WriteInteger(static_cast<int32_t>(file.Size() + 16 + page.Size()));
    file.WriteSmallInt(9);
    file.WriteInteger(2100);
    file.WriteInteger(2970);
    file.WriteByte(0);
    file.WriteByte(1);
    file.WriteBytes(page.Data());
    return file.Data();
}
}  // namespace

int main(int argc, char** argv)
{
    FuzzStartUp();
    root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("fuzz/corpus");
    Q_INIT_RESOURCE(templates);

    const QByteArray report2 = templateStream(":/templates/fr_report2.reportform");
    const QByteArray report3 = templateStream(":/templates/fr_report3.reportform");
    for (const char* target : {"template_stream", "template_build"}) {
        seed(target, "fr_report2", report2);
        seed(target, "fr_report3", report3);
    }

    QStringList lines = {"GECİKME FAİZİ", "01.01.2020  31.01.2020   1.234,56   30", " "};
    seed("prepared_report", "bir_sayfa", preparedReport(report2, lines));
    for (int i = 0; i < 60; ++i)
        lines << QStringLiteral("%1  Ağustos dönemi  %2,50").arg(i + 1, 3).arg(1000 + i * 37);
    seed("prepared_report", "iki_sayfa", preparedReport(report2, lines));
    seed("prepared_report", "surum_22", preparedReportOfVersion22());

    TRichEdit store;
    store.SetLines({"2731,85", "%14", "Şükrü Öztürk", "İĞÜŞÇÖ ığüşçö", " "});
    const QByteArray rtf = store.SaveRtf();
    seed("rtf", "ayar_uyesi", rtf);
    seed("rtf", "bicimli", "{\\rtf1\\ansi\\ansicpg1254{\\fonttbl{\\f0 Courier New;}{\\f1 Arial;}}"
                           "{\\colortbl;\\red255\\green0\\blue0;}\\f0\\fs22 Toplam \\b 1.234,56\\b0\\par"
                           "\\qc\\f1\\cf1 \\'d0\\'dd\\'de \\u937?mega\\par}");

    const PayrollRow row = {"1", "Ali Veli", "17.002,12", "14.000,00", "30", "2.380,30", "3.485,43",
                            "170,02", "340,04", "6.375,79", "14.451,80", "2.167,77", "129,04", "4.847,13",
                            "20.827,59", "12345678", "12345678901"};
    PayrollRow headings{};
    for (int c = 0; c < kPayrollColumns; ++c)
        headings[c] = PayrollHeadings()[c];
    PayrollRow empty{};
    empty[0] = "2";
    const QStringList header = {"14", "15,5", "1", "2", "0,759", "0", "0", "0", "17002,12"};
    seed("payroll_document", "iki_satir", ToCp1254(TStringList(PayrollDocumentLines(header, {headings, row, empty})).Text()));

    QByteArray archive = TZipArchive::WithMember({}, "digeri.byn", SettingsArchivePassword(), "ucret", rtf);
    seed("settings_archive", "ucret", archive);
    archive = TZipArchive::WithMember(archive, "digeri.byn", SettingsArchivePassword(), "repo", store.SaveRtf());
    seed("settings_archive", "ucret_repo", archive);

    const QStringList expressions = {"[DATE]", "Sayfa [PAGE#]", "[TOTALPAGES]", "1 + 2 * (3 - 4) / 5",
                                     "COPY('Tavrelo', 2, 3)", "IF(1 > 0, 'evet', 'hayır')",
                                     "UPPERCASE('ığüşçö') + STR(12,5)", "FORMATFLOAT('#,##0.00', 1234.5)",
                                     "[PAGE#] MOD 2 = 0 AND NOT (1 <> 1)"};
    for (int i = 0; i < expressions.size(); ++i)
        seed("expression", QString::number(i), ToCp1254(expressions[i]));

    const QStringList scripts = {
        "begin\n  i := 0;\n  s := '';\n  while i < 10 do\n  begin\n    s := s + 'a';\n    i := i + 1\n  end\nend",
        "if [PAGE#] > 1 then Memo1.Visible := False else Memo1.Visible := True",
        "a[1] := 5;\nrepeat a[1] := a[1] - 1 until a[1] = 0;\n10: x := -(-(2));\ngoto 20;\n20: y := x * 3",
    };
    for (int i = 0; i < scripts.size(); ++i)
        seed("script", QString::number(i), ToCp1254(scripts[i]));

    const QStringList numbers = {"1.234,56", "-0,01", "999.999.999.999.999,99", "1E19", "12,345,678.9",
                                 "31.12.2024", "29.02.2023", "23:59:59", "01.01.2000 12:30", "#,##0.00;(#,##0.00);'-'",
                                 "dd.mm.yyyy hh:nn", "%12"};
    for (int i = 0; i < numbers.size(); ++i)
        seed("numbers_dates", QString::number(i), ToCp1254(numbers[i]));
    return 0;
}
