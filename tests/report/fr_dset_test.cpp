#include "report/fr_dbrel.h"
#include "report/fr_dbset.h"
#include "report/fr_dset.h"

#include "base/exceptions.h"
#include "report/fr_globals.h"
#include "report/fr_report.h"
#include "report/fr_utils.h"

#include "report_test_support.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

QList<int> Walk(TfrDataset& ds, const std::function<int()>& current)
{
    QList<int> records;
    ds.Init();
    ds.First();
    while (!ds.Eof() && records.size() < 100) {
        records << current();
        ds.Next();
    }
    ds.Exit();
    return records;
}

TEST(UserDataset, ByCount)
{
    for (int count : {0, 1, 3}) {
        TfrUserDataset ds;
        ds.RangeEnd = reCount;
        ds.RangeEndCount = count;
        EXPECT_EQ(Walk(ds, [&] { return ds.RecNo; }).size(), count);
        EXPECT_TRUE(ds.Eof());
    }
}

TEST(UserDataset, ByCheckEofHandler)
{
    TfrUserDataset ds;
    int counter = 0, firsts = 0;
    ds.OnFirst = [&](TfrDataset*) {
        ++firsts;
        counter = 0;
    };
    ds.OnNext = [&](TfrDataset*) { ++counter; };
    ds.OnCheckEOF = [&](TfrDataset*, bool& eof) { eof = counter >= 5; };
    EXPECT_EQ(Walk(ds, [&] { return counter; }), (QList<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(firsts, 1);
    // The handler may also end a counted pass later than its count.
    ds.RangeEnd = reCount;
    ds.RangeEndCount = 2;
    EXPECT_EQ(Walk(ds, [&] { return counter; }).size(), 5);
}

class DBDataSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "frdset");
            db.setDatabaseName(":memory:");
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec("CREATE TABLE Odeme (No INTEGER, Tutar REAL, Aciklama VARCHAR(40), Notlar TEXT, "
                               "Belge BLOB, Resim GRAPHIC, \"Şube İli\" VARCHAR(20))"));
            for (int i = 1; i <= 5; ++i)
                ASSERT_TRUE(q.exec(QString("INSERT INTO Odeme VALUES (%1, %2, 'satır %1', 'not', x'0102', NULL, 'Van')")
                                       .arg(i)
                                       .arg(i * 10)));
        }
        table = new TDataSet(&owner);
        table->setObjectName("Table1");
        table->ConnectionName = "frdset";
        table->TableName = "Odeme";
        frds = std::make_unique<TfrDBDataSet>(&owner);
        frds->setObjectName("frDBDataSet1");
        frds->SetDataSet(table);
    }
    void TearDown() override
    {
        frds.reset();
        delete table;
        QSqlDatabase::removeDatabase("frdset");
    }
    QList<int> Records() { return Walk(*frds, [this] { return static_cast<int>(table->FieldByName("No")->AsFloat()); }); }
    // Opens the table and makes its record n (from 1) the current one.
    void StandOn(int n)
    {
        table->Open();
        table->First();
        for (int i = 1; i < n; ++i)
            table->Next();
    }
    QObject owner;
    TDataSet* table = nullptr;
    std::unique_ptr<TfrDBDataSet> frds;
};

TEST_F(DBDataSetTest, RangesWalkTheirRecords)
{
    struct Case {
        const char* name;
        TRangeBegin begin;
        TRangeEnd end;
        int count;
        QList<int> records;
        int leftOn;  // the record current after Exit; 0 for "at the end"
    } cases[] = {
        {"firstToLast", rbFirst, reLast, 0, {1, 2, 3, 4, 5}, 0},
        {"currentToLast", rbCurrent, reLast, 0, {3, 4, 5}, 3},
        {"firstByCount", rbFirst, reCount, 2, {1, 2}, 3},
        {"currentByCount", rbCurrent, reCount, 2, {3, 4}, 3},
        {"countBeyondTheEnd", rbCurrent, reCount, 9, {3, 4, 5}, 3},
        {"currentAlone", rbCurrent, reCurrent, 0, {3}, 3},
        // would never end if the data set stood still on the first record
        {"firstToCurrent", rbFirst, reCurrent, 0, {1, 2, 3}, 3},
    };
    for (const Case& c : cases) {
        StandOn(3);
        frds->RangeBegin = c.begin;
        frds->RangeEnd = c.end;
        frds->RangeEndCount = c.count;
        EXPECT_EQ(Records(), c.records) << c.name;
        if (c.leftOn > 0)
            EXPECT_EQ(table->FieldByName("No")->AsFloat(), c.leftOn) << c.name;
        else
            EXPECT_TRUE(table->Eof()) << c.name;
    }
}

TEST_F(DBDataSetTest, OpensAndClosesTheDataSetWhenAsked)
{
    QStringList events;
    frds->OnOpen = [&](TfrDataset*) { events << "open"; };
    frds->OnClose = [&](TfrDataset*) { events << "close"; };
    frds->CloseDataSource = true;
    EXPECT_FALSE(table->Active());
    EXPECT_EQ(Records().size(), 5);
    EXPECT_EQ(events, (QStringList{"open", "close"}));
    EXPECT_FALSE(table->Active());
    frds->OpenDataSource = false;
    EXPECT_THROW(Records(), EDSError);  // a closed data set cannot be walked
}

TEST_F(DBDataSetTest, DataSourceAndLinks)
{
    TDataSource source(&owner);
    source.SetDataSet(table);
    frds->SetDataSource(&source);
    EXPECT_EQ(frds->DataSet(), nullptr);
    EXPECT_EQ(frds->GetDataSet(), table);
    EXPECT_EQ(Records().size(), 5);
    TDataSource empty(&owner);
    frds->SetDataSource(&empty);
    try {
        frds->Init();
        FAIL();
    } catch (const EDSError& e) {
        EXPECT_EQ(e.Message(), "Unable to open dataset frDBDataSet1");
    }
    frds->SetDataSet(table);
    EXPECT_EQ(frds->DataSource(), nullptr);
    delete table;
    table = nullptr;
    EXPECT_EQ(frds->DataSet(), nullptr);
    EXPECT_THROW(frds->GetDataSet(), EDSError);
}

TEST_F(DBDataSetTest, EmptyDataSetFromTheCurrentRecord)
{
    table->SQL = "SELECT * FROM Odeme WHERE No > 99";
    frds->RangeBegin = rbCurrent;
    EXPECT_TRUE(Records().isEmpty());
}

TEST_F(DBDataSetTest, BlobTestAndBookmarks)
{
    table->Open();
    const std::pair<const char*, bool> fields[] = {{"No", false},     {"Tutar", false}, {"Aciklama", false},
                                                   {"Notlar", true},  {"Belge", true},  {"Resim", true}};
    for (const auto& [name, blob] : fields)
        EXPECT_EQ(frIsBlob(table->FindField(name)), blob) << name;
    EXPECT_FALSE(frIsBlob(nullptr));
    EXPECT_EQ(table->FieldByName("Belge")->AsBytes(), QByteArray("\x01\x02", 2));
    table->Next();
    TBookmark b = frGetBookmark(table);
    table->Next();
    EXPECT_FALSE(frBookmarksEqual(table, b, frGetBookmark(table)));
    frGotoBookmark(table, b);
    EXPECT_TRUE(frBookmarksEqual(table, b, frGetBookmark(table)));
    EXPECT_EQ(table->FieldByName("aciklama")->AsString(), "satır 2");
    frFreeBookmark(table, b);
    EXPECT_TRUE(b.IsNull());
}

TEST_F(DBDataSetTest, FieldNamesAsExpressionsUpperCaseThem)
{
    table->Open();
    for (const char* name : {"aciklama", "ACIKLAMA", "şube ili", "ŞUBE ILI", "ŞUBE İLİ", "\u015Fube \u0131l\u0131"})
        EXPECT_NE(table->FindField(QString::fromUtf8(name)), nullptr) << name;
    EXPECT_EQ(table->FindField("Şube"), nullptr);
}

// Text, Table.Field and Form.Table.Field, with the current report's owner holding the table.
TEST_F(DBDataSetTest, DataSetAndFieldByName)
{
    frInitEngine();
    auto* report = new TfrReport(&owner);
    frCurrentReport = report;
    table->Open();
    QWidget form;
    form.setObjectName("VeriFormu");
    auto* other = new TDataSet(&form);
    other->setObjectName("Table2");
    other->ConnectionName = "frdset";
    other->SQL = "SELECT 5 AS Sayi";
    other->Open();
    struct Case {
        QString text;
        TDataSet* given;
        TDataSet* dataSet;
        QString field;  // empty for none
    };
    const Case cases[] = {
        {"Tutar", table, table, "Tutar"},
        {"\"Şube İli\"", table, table, "Şube İli"},
        {"Tutar", nullptr, nullptr, ""},
        {"Yok", table, table, ""},
        {"Table1.No", nullptr, table, "No"},
        {"Table1.\"Şube İli\"", other, table, "Şube İli"},
        {"Table9.No", table, nullptr, ""},
        {"frReport1.No", table, nullptr, ""},  // a component that is no data set
        {"VeriFormu.Table2.Sayi", nullptr, other, "Sayi"},
        {"VeriFormu.Table2.Yok", nullptr, other, ""},
        {"VeriFormu.Table9.Sayi", table, nullptr, ""},
        {"YokFormu.Table2.Sayi", table, table, ""},  // no form: the caller's data set stays
    };
    report->setObjectName("frReport1");
    for (const Case& c : cases) {
        TDataSet* dataSet = c.given;
        TField* field = table->FindField("Notlar");  // cleared first in every case
        frGetDataSetAndField(c.text, dataSet, field);
        EXPECT_EQ(dataSet, c.dataSet) << c.text.toStdString();
        EXPECT_EQ(field == nullptr ? QString() : field->FieldName(), c.field) << c.text.toStdString();
    }
    frCurrentReport = nullptr;
}

}  // namespace
