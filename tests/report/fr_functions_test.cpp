#include "report/fr_functions.h"

#include "base/data_set.h"
#include "base/date_time.h"
#include "base/exceptions.h"
#include "report/fr_band.h"
#include "report/fr_band_view.h"
#include "report/fr_pars.h"

#include "report_engine_fixture.h"
#include "report_test_support.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

struct FunctionCase {
    const char* expression;
    const char* text;
};

class StdFunctions : public ReportEngineTest, public ::testing::WithParamInterface<FunctionCase> {};

TEST_P(StdFunctions, ShowInAMemo)
{
    EXPECT_EQ(Show(QString::fromUtf8(GetParam().expression)), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StdFunctions,
    ::testing::Values(FunctionCase{"FORMATFLOAT('#,##0.00', 1234.5)", "1.234,50"},
                      FunctionCase{"formatfloat('0.0', 2 * 3)", "6,0"},
                      FunctionCase{"UPPERCASE('abc')", "ABC"},
                      FunctionCase{"UPPERCASE('istanbul ılık')", "İSTANBUL ILIK"},
                      FunctionCase{"LOWERCASE('IŞIK İZİ')", "ışık izi"},
                      FunctionCase{"NAMECASE('aBC dEF')", "Abc def"},
                      FunctionCase{"NAMECASE('')", ""},
                      FunctionCase{"UPPERCASE('it''s')", "İT'S"},
                      FunctionCase{"FORMATDATETIME('dd.mm.yyyy', STRTODATE('01.02.2005') + 1)", "02.02.2005"},
                      FunctionCase{"FORMATDATETIME('hh:nn', STRTOTIME('13:45:00'))", "13:45"},
                      FunctionCase{"UPPERCASE('a') + LOWERCASE('B')", "Ab"},
                      FunctionCase{"BILINMEYEN(1) + 1", "1"}));

TEST_F(StdFunctions, StrToDateGivesADate)
{
    EXPECT_DOUBLE_EQ(frGlobalParser->Calc("STRTODATE('01.02.2005')").AsDate(), EncodeDate(2005, 2, 1));
    EXPECT_THROW(frGlobalParser->Calc("STRTODATE(5)"), EConvertError);
    EXPECT_THROW(frGlobalParser->Calc("FORMATDATETIME('dd', 'x')"), EConvertError);
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
                value = Variant(amount);
        };
    }
    void Record(double value, const QStringList& memos)
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
    void Run(const QStringList& memos)
    {
        for (double v : {10.0, 20.0, 30.0})
            Record(v, memos);
    }

    TfrBandView dataView, footerView;
    TfrBand data{5, nullptr};
    TfrBand footer{6, nullptr};
    double amount = 0;
};

TEST_F(BandAggregates, TotalsOfAMasterFooter)
{
    const QStringList memos{"SUM([Amount])", "AVG([Amount])", "MIN([Amount])", "MAX([Amount])", "COUNT(x)"};
    Run(memos);
    EXPECT_EQ(Read("SUM([Amount])"), "60");
    EXPECT_EQ(Read("AVG([Amount])"), "20");
    EXPECT_EQ(Read("MIN([Amount])"), "10");
    EXPECT_EQ(Read("MAX([Amount])"), "30");
    EXPECT_EQ(Read("COUNT(x)"), "3");
}

TEST_F(BandAggregates, TheSameExpressionInTwoMemosCountsEachRecordOnce)
{
    Run({"SUM([Amount])", "SUM([Amount])", "SUM([Amount]) + 1"});
    EXPECT_EQ(Read("SUM([Amount])"), "60");
}

TEST_F(BandAggregates, HiddenDataBandsCountOnlyWithTheFlag)
{
    data.Visible = false;
    Run({"SUM([Amount], , 1)"});
    EXPECT_EQ(Read("SUM([Amount], , 1)"), "60");
    footer.Values.Clear();
    Run({"SUM([Amount])"});
    EXPECT_EQ(Read("SUM([Amount])"), " ");  // nothing accumulated: no operand
}

TEST_F(BandAggregates, BandArgumentSelectsTheBandThatCounts)
{
    Run({"SUM([Amount], MasterData1)", "MAX([Amount], Baska)"});
    EXPECT_EQ(Read("SUM([Amount], MasterData1)"), "60");
    EXPECT_EQ(Read("MAX([Amount], Baska)"), " ");
}

TEST_F(BandAggregates, KeysHoldingAnEqualsSignStayApart)
{
    Run({"SUM([Amount] = 20)", "SUM([Amount])"});
    EXPECT_EQ(Read("SUM([Amount] = 20)"), "1");
    EXPECT_EQ(Read("SUM([Amount])"), "60");
}

TEST_F(BandAggregates, OnlyFootersAndSummariesAggregate)
{
    TfrBand title(0, nullptr);
    amount = 5;
    footer.Visible = false;
    frAggregateBand = &title;
    frCurrentBand = &data;
    title.Visible = false;
    EXPECT_EQ(Show("SUM([Amount])"), "0");
    EXPECT_EQ(title.Values.Count(), 0);
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

TEST_F(DataSetAggregates, WalkTheWholeDataSetWhenRead)
{
    EXPECT_EQ(Show("SUM(Table1.Amount)"), "60");
    EXPECT_EQ(Show("AVG(Table1.Amount)"), "15");  // the null row counts as 0
    EXPECT_EQ(Show("MIN(Table1.Amount)"), "0");
    EXPECT_EQ(Show("MAX(Table1.Amount)"), "30");
    EXPECT_EQ(Show("COUNT(Table1)"), "4");
    EXPECT_TRUE(table->Eof());
    EXPECT_EQ(Show("SUM(Table1.Amount)"), "60");  // the same total every time
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
