// Bands that work together: master and detail over a database table, sub-reports inside a band, and
// cross bands that print columns to the right and onto further pages.
#include "build_test_support.h"

#include "base/data_set.h"
#include "report/fr_dbset.h"
#include "report/fr_dset.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <map>

namespace {

class BandStructure : public ReportBuildTest {
protected:
    QList<int> XsOf(int page, const QString& prefix) { return CoordsOf(page, prefix, &PrintedView::x); }
};

class MasterDetail : public BandStructure {
protected:
    void SetUp() override
    {
        BandStructure::SetUp();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "frbuild");
            db.setDatabaseName(":memory:");
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec("CREATE TABLE Fatura (No INTEGER, Musteri VARCHAR(20))"));
            ASSERT_TRUE(q.exec("INSERT INTO Fatura VALUES (1, 'Ali'), (2, 'Veli'), (3, 'Ayşe')"));
        }
        table = new TDataSet(owner.get());
        table->setObjectName("Fatura");
        table->ConnectionName = "frbuild";
        table->TableName = "Fatura";
        auto* invoices = new TfrDBDataSet(owner.get());
        invoices->setObjectName("Faturalar");
        invoices->SetDataSet(table);
        // the items of the current invoice: two for the first, none for the second, one for the third
        auto* items = new TfrUserDataset(owner.get());
        items->setObjectName("Kalemler");
        items->RangeEnd = reCount;
        const std::map<int, QList<int>> amounts{{1, {10, 20}}, {2, {}}, {3, {50}}};
        items->OnFirst = [this, amounts](TfrDataset* sender) {
            sender->RangeEndCount = static_cast<int>(amounts.at(CurrentInvoice()).size());
        };
        report->OnGetValue = [this, items, amounts](const QString& name, Variant& value) {
            if (name == "Tutar")
                value = Variant(amounts.at(CurrentInvoice()).value(items->RecNo));
        };
    }
    void TearDown() override
    {
        BandStructure::TearDown();
        QSqlDatabase::removeDatabase("frbuild");
    }
    int CurrentInvoice() { return static_cast<int>(table->FieldByName("No")->AsFloat()); }
    void Build(uint16_t masterFlags)
    {
        AddBand(btMasterData, 100, 20, masterFlags, "Faturalar");
        AddMemo(20, 102, 300, 16, {"Fatura [No] [Musteri]"});
        AddBand(btDetailHeader, 130, 20);
        AddMemo(40, 132, 300, 16, {"Kalemler"});
        AddBand(btDetailData, 160, 20, 48, "Kalemler", 0, "KalemBandi");
        AddMemo(40, 162, 300, 16, {"[Tutar]"});
        AddBand(btDetailFooter, 190, 20);
        // named, the total counts the items only: without a name every band printed under the
        // footer counts, the invoice too
        AddMemo(40, 192, 300, 16, {"Ara toplam [SUM([Tutar], KalemBandi)]"});
    }

    TDataSet* table = nullptr;
};

}  // namespace

TEST_F(MasterDetail, MasterWithoutDetailPrintsOnlyWhenAskedTo)
{
    struct Case {
        uint16_t masterFlags;
        QStringList expected;
    };
    const Case cases[] = {
        {48, {"Fatura 1 Ali", "Kalemler", "10", "20", "Ara toplam 30", "Fatura 3 Ayşe", "Kalemler", "50",
              "Ara toplam 50"}},
        {48 | flBandPrintIfSubsetEmpty,
         {"Fatura 1 Ali", "Kalemler", "10", "20", "Ara toplam 30", "Fatura 2 Veli", "Fatura 3 Ayşe", "Kalemler",
          "50", "Ara toplam 50"}},
    };
    for (const Case& c : cases) {
        report->Pages.Clear();
        Build(c.masterFlags);
        ASSERT_TRUE(Prepare());
        ASSERT_EQ(PageCount(), 1);
        EXPECT_EQ(MemoTexts(0), c.expected) << c.masterFlags;
    }
}

TEST_F(MasterDetail, MemoOfOneFieldIsBoundToItsBandsDataSet)
{
    Build(48);
    AddMemo(400, 102, 100, 16, {"[Musteri]"});
    QStringList bound;
    report->OnEnterRect = [&bound](TStringList&, TfrView* view) {
        if (view->Memo.Count() > 0 && view->Memo[0] == "[Musteri]")
            bound << (view->DataSet != nullptr ? view->DataSet->objectName() + "." + view->DataField : "none");
    };
    ASSERT_TRUE(Prepare());
    EXPECT_EQ(bound, (QStringList{"Fatura.Musteri", "Fatura.Musteri"}));
}

TEST_F(BandStructure, SubReportPrintsItsPageInsideEachRecordOfTheBand)
{
    AddBand(btMasterData, 100, 40, 48, "3");
    AddMemo(20, 100, 200, 16, {"Ana [LINE#]"});
    AddSubReport(40, 120, 300, 20, 1);
    AddBand(btMasterData, 50, 20, 48, "2", 1);
    AddMemo(10, 50, 200, 16, {"Alt [LINE#]"}, 1);
    ASSERT_TRUE(Prepare());
    // the sub-report's page is printed only inside the band, never by itself
    ASSERT_EQ(PageCount(), 1);
    EXPECT_EQ(MemoTexts(0), (QStringList{"Ana 1", "Alt 1", "Alt 2", "Ana 2", "Alt 1", "Alt 2", "Ana 3", "Alt 1", "Alt 2"}));
    // it starts where its view stands in the band and moves right by the view's left edge; the next
    // record follows below what it printed
    const auto views = Printed(0);
    EXPECT_EQ(views[0].y, kTop);
    EXPECT_EQ(views[1].y, kTop + 20);
    EXPECT_EQ(views[1].x, 10 + 40);
    EXPECT_EQ(views[2].y, kTop + 40);
    EXPECT_EQ(views[3].y, kTop + 60);
    EXPECT_EQ(views[8].y, kTop + 3 * 60 - 20);
}

TEST_F(BandStructure, SubReportTallerThanThePageGoesOnOnTheNext)
{
    AddBand(btMasterData, 100, 40, 48, "1");
    AddMemo(20, 100, 200, 16, {"Ana"});
    AddSubReport(40, 120, 300, 20, 1);
    AddBand(btMasterData, 50, 20, 48, "60", 1);
    AddMemo(10, 50, 200, 16, {"Alt [LINE#]"}, 1);
    ASSERT_TRUE(Prepare());
    // from 38 down to 1053, 50 records of 20 fit; the other 10 start at the next page's top
    ASSERT_EQ(PageCount(), 2);
    EXPECT_EQ(MemoTexts(0).size(), 51);
    EXPECT_EQ(MemoTexts(0).last(), "Alt 50");
    EXPECT_EQ(MemoTexts(1).first(), "Alt 51");
    EXPECT_EQ(Printed(1)[0].y, kTop);
    EXPECT_EQ(MemoTexts(1).size(), 10);
}

TEST_F(BandStructure, CrossColumnsRunRightAndOntoTheNextPageWithTheirHeaderRepeated)
{
    AddBand(btMasterData, 100, 40, 48, "2");
    AddMemo(20, 100, 60, 16, {"Satır [LINE#]"});
    AddCrossBand(btCrossHeader, 100, 80, 48 | flBandRepeatHeader);
    AddMemo(110, 100, 60, 16, {"Başlık"});
    AddCrossBand(btCrossData, 200, 100, 48, "8");
    AddMemo(210, 100, 60, 16, {"Sütun [COLUMN#]"});
    AddCrossBand(btCrossFooter, 650, 80);
    AddMemo(660, 100, 60, 16, {"Toplam [SUM([COLUMN#])]"});
    ASSERT_TRUE(Prepare());
    ASSERT_EQ(PageCount(), 2);
    // the header stands at its own place, the columns follow it 100 apart while they fit in 734;
    // the rest go to the next page behind the repeated header
    EXPECT_EQ(XsOf(0, "Başlık"), (QList<int>{110, 110}));
    EXPECT_EQ(XsOf(0, "Sütun"), (QList<int>{190, 290, 390, 490, 590, 190, 290, 390, 490, 590}));
    EXPECT_EQ(XsOf(1, "Başlık"), (QList<int>{kLeft + 10, kLeft + 10}));
    EXPECT_EQ(XsOf(1, "Sütun"), (QList<int>{108, 208, 308, 108, 208, 308}));
    EXPECT_EQ(MemoTexts(0).mid(0, 3), (QStringList{"Satır 1", "Başlık", "Sütun 1"}));
    EXPECT_EQ(MemoTexts(1).mid(0, 4), (QStringList{"Başlık", "Sütun 6", "Sütun 7", "Sütun 8"}));
    // the footer closes each line behind its last column, with the line's total of 1 to 8
    EXPECT_EQ(XsOf(1, "Toplam"), (QList<int>{408, 408}));
    EXPECT_EQ(MemoTexts(1).mid(4, 1), QStringList{"Toplam 36"});
    EXPECT_TRUE(XsOf(0, "Toplam").isEmpty());
    // each record's columns stand on its own line, on both pages
    const auto second = Printed(1);
    EXPECT_EQ(second[0].y, kTop);
    EXPECT_EQ(second[5].y, kTop + 40);
}
