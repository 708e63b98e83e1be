#include "base/data_set.h"
#include "base/date_time.h"
#include "base/exceptions.h"
#include "base/format_settings.h"
#include "report/fr_band.h"
#include "report/fr_functions.h"
#include "report/fr_memo_view.h"
#include "report/fr_pages.h"
#include "report/fr_strings.h"

#include "case_table.h"
#include "report_engine_fixture.h"
#include "report_test_support.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

int Word(int category, int index, int decimals = 0, char separator = 0)
{
    return (category << 24) | (index << 16) | (decimals << 8) | static_cast<unsigned char>(separator);
}

Variant CaseValue(const QString& text)
{
    if (text == "null")
        return Variant::Null();
    if (text == "empty")
        return Variant();
    if (text.startsWith('\''))
        return Variant(text.mid(1, text.size() - 2));
    if (text == "true" || text == "false")
        return Variant(text == "true");
    if (text.startsWith("date:"))
        return Variant::FromDate(text.mid(5).toDouble());
    return text.contains('.') ? Variant(text.toDouble()) : Variant(text.toInt());
}

}  // namespace

TEST_F(ReportEngineTest, DisplayFormatsOfTheCaseTable)
{
    for (const CaseLine& c : ReadCases("report/display_formats.tsv", 8)) {
        QString text = "unchanged";
        const char separator = c[5].isEmpty() ? 0 : c[5].at(0).toLatin1();
        report->FormatValue(CaseValue(c[1]), Word(c[2].toInt(), c[3].toInt(), c[4].toInt(), separator), text, c[6]);
        EXPECT_EQ(text, c[7]) << c.where.toStdString();
        EXPECT_EQ(FormatSettings().DecimalSeparator, QChar(','));
    }
}

TEST_F(ReportEngineTest, FormatSuffixesOverrideTheViewsFormat)
{
    TfrMemoView memo;
    memo.Format = Word(1, 3, 2, ',');
    report->OnGetValue = [](const QString& name, Variant& value) {
        if (name == "Tutar")
            value = Variant(1234.5);
        else if (name == "Tarih")
            value = Variant::FromDate(EncodeDate(2005, 2, 1));
        else if (name == "Var")
            value = Variant(1);
    };
    for (const CaseLine& c : ReadCases("report/format_suffixes.tsv", 3)) {
        frCurrentView = &memo;
        EXPECT_EQ(Show(c[1]), c[2]) << c.where.toStdString();
        EXPECT_EQ(FormatSettings().DecimalSeparator, QChar(','));
        EXPECT_EQ(frCurrentVariable, c[1].section(" #", 0, 0)) << c.where.toStdString();
    }
}

TEST_F(ReportEngineTest, SpecialNames)
{
    frCurrentPageNo = 4;
    frTotalPages = 9;
    frDate = EncodeDate(2024, 5, 6);
    frTime = 0.5;
    const std::pair<QString, QString> cases[] = {
        {"PAGE#", "5"}, {"TOTALPAGES", "9"}, {"DATE #Ddd.mm.yyyy", "06.05.2024"}, {"TIME #Thh:nn", "12:00"},
        {"[PAGE#] + 1", "6"}, {"LINE#", "0"}};
    for (const auto& [expression, text] : cases)
        EXPECT_EQ(Show(expression), text) << expression.toStdString();
    frCurrentValue = Variant("değer");
    Variant v;
    report->ParserGetValue("VALUE", v);
    EXPECT_EQ(v.AsString(), "değer");
}

TEST_F(ReportEngineTest, LineNumbersComeFromTheCurrentBand)
{
    TfrBand band(5, nullptr);
    band.LocalPosition = 3;
    band.GlobalPosition = 7;
    frCurrentBand = &band;
    EXPECT_EQ(Show("LINE#"), "3");
    EXPECT_EQ(Show("LINETHROUGH#"), "7");
}

TEST_F(ReportEngineTest, ValueHandlerOrder)
{
    const int five = report->Values.Add();
    report->Values.SetName(five, "Beş");
    report->Values.GetValue(five)->Typ = TfrValue::vtFRVar;
    report->Values.GetValue(five)->Field = "2 + 3";
    const int page = report->Values.Add();
    report->Values.SetName(page, "Sayfa");
    report->Values.GetValue(page)->Typ = TfrValue::vtOther;
    report->Values.GetValue(page)->OtherKind = 0;
    const int expr = report->Values.Add();
    report->Values.SetName(expr, "Ifade");
    report->Values.GetValue(expr)->Typ = TfrValue::vtOther;
    report->Values.GetValue(expr)->OtherKind = 1;
    report->Values.GetValue(expr)->Field = "'a' + 'b'";
    report->Values.SetName(report->Values.Add(), "Bos");
    report->Values.SetSorted(true);
    frGlobalVariables->SetVariable("Toplam", Variant(12));
    frGlobalVariables->SetVariable("PAGE#", Variant(99));
    EXPECT_EQ(Show("beş"), "5");
    EXPECT_EQ(Show("Sayfa"), "1");
    EXPECT_EQ(Show("IFADE"), "ab");
    EXPECT_EQ(Show("Bos"), "");
    EXPECT_EQ(Show("Toplam"), "12");
    EXPECT_EQ(Show("PAGE#"), "1");  // special names before variables
    EXPECT_EQ(Show("7 * 6"), "42"); // the name is an expression itself
    report->OnGetValue = [](const QString& name, Variant& value) {
        if (name == "Toplam")
            value = Variant("olaydan");
    };
    EXPECT_EQ(Show("Toplam"), "olaydan");
}

TEST_F(ReportEngineTest, UnknownAndSelfReferringNamesRaise)
{
    try {
        Show("Bilinmeyen");
        FAIL();
    } catch (const EParserError& e) {
        EXPECT_EQ(e.Message(), "Tanımlanamayan karakter \"BILINMEYEN\"");
    }
    const int a = report->Values.Add();
    report->Values.SetName(a, "A");
    report->Values.GetValue(a)->Typ = TfrValue::vtFRVar;
    report->Values.GetValue(a)->Field = "A + 1";
    EXPECT_THROW(Show("A"), EParserError);
}

TEST_F(ReportEngineTest, DataSetFields)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "frvals");
        db.setDatabaseName(":memory:");
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec("CREATE TABLE Musteri (Ad VARCHAR(20), Borc REAL)"));
        ASSERT_TRUE(q.exec("INSERT INTO Musteri VALUES ('Ayşe', 1500.25), (NULL, NULL)"));
    }
    auto* table = new TDataSet(owner.get());
    table->setObjectName("Table1");
    table->ConnectionName = "frvals";
    table->TableName = "Musteri";
    const int v = report->Values.Add();
    report->Values.SetName(v, "Müşteri");
    report->Values.GetValue(v)->Typ = TfrValue::vtDBField;
    report->Values.GetValue(v)->DSet = "Table1";
    report->Values.GetValue(v)->Field = "Ad";
    report->Values.GetValue(v)->DSet_ = table;
    EXPECT_EQ(Show("Müşteri"), "Ayşe");  // opens the data set first
    EXPECT_EQ(Show("Table1.Borc #N0,2"), "1500,25");
    table->FindField("Ad")->OnGetText = [](const TField& f, QString& text, bool) { text = "<" + f.AsString() + ">"; };
    EXPECT_EQ(Show("Table1.Ad"), "<Ayşe>");
    table->Next();
    EXPECT_EQ(Show("Table1.Borc"), " ");
    // A view bound to a memo column loads it before it prints; one bound to a string column does not.
    QSqlQuery(QSqlDatabase::database("frvals")).exec("CREATE TABLE Notlar (Kisa VARCHAR(9), Uzun TEXT)");
    QSqlQuery(QSqlDatabase::database("frvals")).exec("INSERT INTO Notlar VALUES ('kısa', 'bir\r\niki')");
    TDataSet notes;
    notes.ConnectionName = "frvals";
    notes.TableName = "Notlar";
    notes.Open();
    TfrMemoView memo;
    memo.DataSet = &notes;
    for (const auto& [field, lines] : {std::pair<QString, QStringList>{"Uzun", {"bir", "iki"}}, {"Kisa", {"önce"}}}) {
        memo.DataField = field;
        memo.OutLines.SetText("önce");
        report->DoEnterRect(memo.OutLines, &memo);
        EXPECT_EQ(memo.OutLines.ToQStringList(), lines) << field.toStdString();
    }
    notes.Close();
    delete table;
    QSqlDatabase::removeDatabase("frvals");
}

TEST_F(ReportEngineTest, EnterRectHook)
{
    TfrMemoView memo;
    TStringList lines(QStringList{"a"});
    EXPECT_FALSE(report->HasEnterRectHandler());
    report->DoEnterRect(lines, &memo);
    report->OnEnterRect = [](TStringList& m, TfrView* view) { m.Add(view->ClassName()); };
    EXPECT_TRUE(report->HasEnterRectHandler());
    report->DoEnterRect(lines, &memo);
    EXPECT_EQ(lines.ToQStringList(), (QStringList{"a", "TfrMemoView"}));
}

TEST_F(ReportEngineTest, StartUpMakesTheGlobals)
{
    ASSERT_TRUE(frEngineStarted());
    EXPECT_EQ(frBandBrush->pixel(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(frBandBrush->pixel(1, 0), 0xFFC0C0C0u);
    EXPECT_EQ(frBandBrush->pixel(3, 5), 0xFFFFFFFFu);
    EXPECT_EQ(frBandTypeNames.size(), 22);
    EXPECT_EQ(frBandTypeNames[5], "Master data");
    EXPECT_EQ(frDateFormats, (QStringList{"mm.dd.yy", "mm.dd.yyyy", "d mmm yyyy", "d mmmm yyyy"}));
    EXPECT_EQ(frDefaultCharset, 0);
    EXPECT_NE(frGlobalInterpreter, nullptr);
    EXPECT_NE(frProgressForm, nullptr);
    frInitEngine();  // a second start changes nothing
    EXPECT_EQ(frFunctionLibraries.size(), 1u);
}

TEST_F(ReportEngineTest, ShutDownFreesTheGlobalsAndTheEngineStartsAgain)
{
    frDoneEngine();
    EXPECT_FALSE(frEngineStarted());
    EXPECT_TRUE(frFunctionLibraries.empty());
    EXPECT_EQ(frGlobalParser, nullptr);
    EXPECT_EQ(frGlobalInterpreter, nullptr);
    EXPECT_EQ(frGlobalVariables, nullptr);
    EXPECT_EQ(frGlobalCompressor, nullptr);
    EXPECT_EQ(frProgressForm, nullptr);
    EXPECT_TRUE(frDateFormats.isEmpty());
    frInitEngine();
    report->InstallParserHandlers();
    EXPECT_EQ(frFunctionLibraries.size(), 1u);
    EXPECT_FALSE(frGlobalCompressor->Enabled);
    EXPECT_EQ(Show("UPPERCASE('a') + FORMATFLOAT('0.0', 2)"), "A2,0");
}
