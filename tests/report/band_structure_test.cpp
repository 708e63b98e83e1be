// Master and detail bands over a database table. Their pages, and those of sub-reports and cross bands,
// are pinned whole by the golden page dumps.
#include "build_test_support.h"

#include "base/data_set.h"
#include "report/fr_dbset.h"
#include "report/fr_dset.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <gtest/gtest.h>

#include <map>

namespace {

class MasterDetail : public ReportBuildTest {
protected:
    void SetUp() override
    {
        ReportBuildTest::SetUp();
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
        ReportBuildTest::TearDown();
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
