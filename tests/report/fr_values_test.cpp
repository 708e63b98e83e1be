#include "report/fr_values.h"

#include "base/exceptions.h"
#include "base/stream.h"

#include "report_test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(ValueTable, OneEntryIsTwentySevenBytes)
{
    TfrValues values;
    const int i = values.Add();
    values.SetName(i, "Amt");
    TfrValue* v = values.GetValue(i);
    v->Typ = TfrValue::vtDBField;
    v->DSet = "Table1";
    v->Field = "Amount";

    TMemoryStream s;
    values.WriteBinaryData(s);
    const char expected[] = "\x01\x00\x00\x00"            // count
                            "\x01"                        // kind
                            "\x00\x00\x00\x00"            // other kind
                            "\x06Table1\x06"              // data set name
                            "Amount\x03"                  // field name
                            "Amt";                        // value name
    EXPECT_EQ(s.Data(), QByteArray(expected, 27));

    TfrValues back;
    back.Add();
    s.SetPosition(0);
    back.ReadBinaryData(s);
    ASSERT_EQ(back.Count(), 1);
    EXPECT_EQ(back.Name(0), "Amt");
    EXPECT_EQ(back.GetValue(0)->Typ, TfrValue::vtDBField);
    EXPECT_EQ(back.GetValue(0)->DSet, "Table1");
    EXPECT_EQ(back.GetValue(0)->Field, "Amount");
    EXPECT_EQ(s.Position(), 27);
}

TEST(ValueTable, EmptyTableAndDamagedOnes)
{
    TfrValues values;
    TMemoryStream s;
    values.WriteBinaryData(s);
    EXPECT_EQ(s.Data(), QByteArray(4, '\0'));

    const QByteArray damaged[] = {
        QByteArray("\x02\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00", 12),  // second entry missing
        QByteArray("\xFF\xFF\xFF\x7F", 4),                                 // absurd count
        QByteArray("\x01\x00\x00\x00\x03\x00\x00\x00\x00\x09" "ab", 12),        // name shorter than its length
    };
    for (const QByteArray& bytes : damaged) {
        TMemoryStream d(bytes);
        EXPECT_THROW(values.ReadBinaryData(d), EReadError);
    }
}

TEST(ValueTable, LongNameIsRefusedNotCut)
{
    TfrValues values;
    values.SetName(values.Add(), QString(256, 'x'));
    TMemoryStream s;
    EXPECT_THROW(values.WriteBinaryData(s), EStreamError);
}

TEST(ValueTable, FindsNamesWithoutCaseSortedOrNot)
{
    TfrValues values;
    const char* names[] = {"Toplam", "ısı", "Adet", "KDV"};
    for (const char* n : names) {
        const int i = values.Add();
        values.SetName(i, QString::fromUtf8(n));
        values.GetValue(i)->Field = QString::fromUtf8(n);
    }
    for (bool sorted : {false, true}) {
        values.SetSorted(sorted);
        ASSERT_NE(values.FindVariable("toplam"), nullptr);
        EXPECT_EQ(values.FindVariable("toplam")->Field, "Toplam");
        ASSERT_NE(values.FindVariable("ISI"), nullptr);
        EXPECT_EQ(values.FindVariable("kdv")->Field, "KDV");
        EXPECT_EQ(values.FindVariable("Tutar"), nullptr);
    }
    EXPECT_EQ(values.Name(0), "Adet");
}

}  // namespace
