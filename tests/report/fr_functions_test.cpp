#include "report/fr_functions.h"

#include "base/data_set.h"
#include "base/date_time.h"
#include "base/exceptions.h"
#include "report/fr_band.h"
#include "report/fr_band_view.h"
#include "report/fr_pages.h"
#include "report/fr_pars.h"

#include "case_table.h"
#include "report_engine_fixture.h"
#include "report_test_support.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

class StdFunctions : public ReportEngineTest {};

TEST_F(StdFunctions, ShowInAMemo)
{
    for (const CaseLine& c : ReadCases("report/std_functions.tsv", 2))
        EXPECT_EQ(Show(c[0]), c[1]) << c.where.toStdString();
}

TEST_F(StdFunctions, DatesAreDatesAndWrongArgumentsFail)
{
    EXPECT_DOUBLE_EQ(frGlobalParser->Calc("STRTODATE('01.02.2005')").AsDate(), EncodeDate(2005, 2, 1));
    for (const char* bad : {"STRTODATE(5)", "FORMATDATETIME('dd', 'x')", "STRTOTIME(5)"})
        EXPECT_THROW(frGlobalParser->Calc(bad), EConvertError) << bad;
}

TEST_F(StdFunctions, InputAsksThroughTheDialogs)
{
    TestDialogs().inputs = QStringList{"Veli", QString()};
    EXPECT_EQ(Show("INPUT('Adınız?', 'Ali')"), "Veli");
    EXPECT_EQ(Show("INPUT('Adınız?', 'Ali')"), "Ali");  // cancelled: the default
    ASSERT_EQ(TestDialogs().shown.size(), 2u);
    EXPECT_EQ(TestDialogs().shown[0].text, "Adınız?");
    EXPECT_EQ(TestDialogs().shown[0].caption, "");
}

TEST_F(StdFunctions, UserFunctionsAnswerWhatNoLibraryKnows)
{
    report->OnUserFunction = [](const QString& name, const Variant& p1, const Variant&, const Variant&, QString& v) {
        if (name == "KDV")
            v = p1.AsString() + " * 0.18";
    };
    EXPECT_EQ(Show("KDV(100)"), "18");
    EXPECT_EQ(Show("SUM2(100)"), "0");
}

// A master footer totalling the records of its data band, record by record as the band printing
// drives it: marks reset, the footer hidden while its memos expand, then shown.
class BandAggregates : public ReportEngineTest {
protected:
    void SetUp() override
    {
        ReportEngineTest::SetUp();
        dataView.Name = "MasterData1";
        data.View = &dataView;
        footerView.Name = "MasterFooter1";
        footer.View = &footerView;
        report->OnGetValue = [this](const QString& name, Variant& value) {
            if (name == "Amount")
                value = amount;
        };
    }
    void Record(const Variant& value, const QStringList& memos)
    {
        amount = value;
        footer.ResetAggregateMarks();
        footer.Visible = false;
        frAggregateBand = &footer;
        frCurrentBand = &data;
        for (const QString& m : memos)
            Show(m);
        ++footer.Count;
        footer.Visible = true;
    }
    QString Read(const QString& memo)
    {
        frAggregateBand = frCurrentBand = &footer;
        return Show(memo);
    }
    TfrBandView dataView, footerView;
    TfrBand data{5, nullptr};
    TfrBand footer{6, nullptr};
    Variant amount;
};

TEST_F(BandAggregates, FootersOfTheCaseTable)
{
    for (const CaseLine& c : ReadCases("report/band_aggregates.tsv", 6)) {
        footer.Values.Clear();
        footer.Count = 0;
        data.Visible = c[1] == "1";
        for (const QString& v : c[2].split('|'))
            Record(v == "null" ? Variant::Null() : Variant(v.toDouble()), c[3].split('|'));
        for (const QString& read : c[4].split('|'))
            EXPECT_EQ(Read(read.section("=>", 0, 0)), read.section("=>", 1)) << c.where.toStdString();
        if (c[5] != "-") {
            EXPECT_EQ(footer.Values.Count(), c[5].toInt()) << c.where.toStdString();
        }
    }
}

TEST_F(BandAggregates, AverageWithoutRecordsFails)
{
    EXPECT_THROW(Read("AVG([Amount])"), EConvertError);
}

class DataSetAggregates : public ReportEngineTest {
protected:
    void SetUp() override
    {
        ReportEngineTest::SetUp();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "fragg");
            db.setDatabaseName(":memory:");
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec("CREATE TABLE T (Amount REAL)"));
            ASSERT_TRUE(q.exec("INSERT INTO T VALUES (10), (20), (NULL), (30)"));
        }
        table = new TDataSet(owner.get());
        table->setObjectName("Table1");
        table->ConnectionName = "fragg";
        table->TableName = "T";
        table->Open();
    }
    void TearDown() override
    {
        ReportEngineTest::TearDown();
        QSqlDatabase::removeDatabase("fragg");
    }
    TDataSet* table = nullptr;
};

// Read outside a band they walk the whole data set, the same total every time; the null row counts as 0.
TEST_F(DataSetAggregates, WalkTheWholeDataSetWhenRead)
{
    const char* const full[][2] = {{"SUM(Table1.Amount)", "60"}, {"AVG(Table1.Amount)", "15"}, {"MIN(Table1.Amount)", "0"},
                                   {"MAX(Table1.Amount)", "30"}, {"COUNT(Table1)", "4"},       {"SUM(Table1.Amount)", "60"},
                                   {"SUM(Table1.Yok)", "0"},    {"COUNT(Table1)", "4"}};
    for (const auto& [expression, text] : full)
        EXPECT_EQ(Show(expression), text) << expression;
    EXPECT_TRUE(table->Eof());
    QSqlQuery(QSqlDatabase::database("fragg")).exec("DELETE FROM T");
    table->Close();
    table->Open();
    const char* const empty[][2] = {{"SUM(Table1.Amount)", "0"}, {"AVG(Table1.Amount)", "0"}, {"COUNT(Table1)", "0"},
                                    {"MIN(Table1.Amount) > 1e100", "1"}};
    for (const auto& [expression, text] : empty)
        EXPECT_EQ(Show(expression), text) << expression;
}

TEST_F(DataSetAggregates, DoNothingWhileAccumulating)
{
    TfrBand footer(6, nullptr);
    footer.Visible = false;
    frAggregateBand = &footer;
    EXPECT_EQ(Show("SUM(Table1.Amount)"), "0");
    EXPECT_EQ(footer.Values.Count(), 0);
}

}  // namespace

namespace {

TEST(FunctionLibrary, NamesInAlphabeticalOrderFoundWithoutCase)
{
    TfrStdFunctionLibrary lib;
    const QStringList names{"AVG", "COUNT", "FORMATDATETIME", "FORMATFLOAT", "INPUT", "LOWERCASE", "MAX",
                            "MIN", "NAMECASE", "STRTODATE", "STRTOTIME", "SUM", "UPPERCASE"};
    EXPECT_EQ(lib.List.ToQStringList(), names);
    // A name upper-cased by the Turkish rules ("İNPUT") or not at all must still be found.
    struct Probe : TfrFunctionLibrary {
        Probe()
        {
            for (const char* n : {"FORMATDATETIME", "INPUT", "MIN", "STRTOTIME"})
                List.Add(n);
        }
        void CallFunction(int fno, const Variant&, const Variant&, const Variant&, QString& value) override
        {
            value = QString::number(fno);
        }
    } probe;
    const std::pair<QString, QString> calls[] = {{"input", "1"}, {"Min", "2"}, {"formatDateTime", "0"},
                                                 {QString::fromUtf8("İNPUT"), "1"}, {"strtotime", "3"}};
    for (const auto& [name, index] : calls) {
        QString value = "önce";
        EXPECT_TRUE(probe.OnFunction(name, Variant(), Variant(), Variant(), value)) << name.toStdString();
        EXPECT_EQ(value, index) << name.toStdString();
    }
    QString value = "önce";
    EXPECT_FALSE(probe.OnFunction("MAX", Variant(), Variant(), Variant(), value));
    EXPECT_EQ(value, "önce");
}

// A second library answers the names the standard one does not know, the first registered wins.
TEST_F(StdFunctions, LibrariesAreAskedInRegistrationOrder)
{
    struct Extra : TfrFunctionLibrary {
        Extra()
        {
            List.Add("SUM");
            List.Add("IKI");
        }
        void CallFunction(int, const Variant&, const Variant&, const Variant&, QString& value) override
        {
            value = "2";
        }
    };
    frRegisterFunctionLibrary<Extra>();
    EXPECT_EQ(Show("iki(5) * 10"), "20");
    EXPECT_EQ(Show("SUM(x)"), "0");  // the standard library knows SUM
    frFunctionLibraries.pop_back();
}

TEST_F(BandAggregates, FootersAndSummariesOnly)
{
    for (int type = 0; type < 22; ++type) {
        TfrBand band(static_cast<uint8_t>(type), nullptr);
        band.Visible = false;
        frAggregateBand = &band;
        frCurrentBand = &data;
        amount = Variant(7);
        EXPECT_EQ(Show("SUM([Amount])"), "0");
        const bool totals = type == 1 || type == 3 || type == 6 || type == 9 || type == 12 || type == 17 || type == 20;
        EXPECT_EQ(band.Values.Count(), totals ? 1 : 0) << type;
    }
}

TEST_F(BandAggregates, CrossColumnsTotalApart)
{
    TfrPage page(9, 0, 0, 0);
    frCurrentPage = &page;
    frDrawingCross = true;
    for (int column : {1, 2, 1}) {
        page.ColumnCounter = column;
        Record(Variant(column * 10), {"SUM([Amount])"});
    }
    page.ColumnCounter = 1;
    EXPECT_EQ(Read("SUM([Amount])"), "20");
    page.ColumnCounter = 2;
    EXPECT_EQ(Read("SUM([Amount])"), "20");
    EXPECT_EQ(footer.AggregateEntry("SUM[Amount]2"), "020");
    // The cross footer keeps one total for all columns.
    TfrBand cross(20, nullptr);
    frAggregateBand = &cross;
    frCurrentBand = &data;
    cross.Visible = false;
    page.ColumnCounter = 3;
    amount = Variant(4);
    Show("SUM([Amount])");
    EXPECT_EQ(cross.AggregateEntry("SUM[Amount]00"), "14");
    frDrawingCross = false;
}

}  // namespace
