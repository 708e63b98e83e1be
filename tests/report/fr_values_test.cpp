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
    values.SetName(values.Add(), QString(255, 'x'));
    TMemoryStream fits;
    values.WriteBinaryData(fits);
    EXPECT_EQ(fits.Size(), 4 + 1 + 4 + 1 + 1 + 256);
    values.GetValue(0)->Field = QString(256, 'y');
    TMemoryStream s;
    EXPECT_THROW(values.WriteBinaryData(s), EStreamError);
    EXPECT_EQ(s.Size(), 0);  // nothing half written
}

TEST(ValueTable, KindsAndTurkishNamesInTheCodePage)
{
    TfrValues values;
    const int pages = values.Add();
    values.SetName(pages, "Sayfalar");
    values.GetValue(pages)->Typ = TfrValue::vtOther;
    values.GetValue(pages)->OtherKind = 8;
    const int expr = values.Add();
    values.SetName(expr, QString::fromUtf8("Şık"));
    values.GetValue(expr)->Typ = TfrValue::vtFRVar;
    values.GetValue(expr)->Field = "[A] + 1";
    TMemoryStream s;
    values.WriteBinaryData(s);
    const QByteArray expected = QByteArray("\x02\x00\x00\x00", 4) +
                                QByteArray("\x02\x08\x00\x00\x00\x00\x00\x08", 8) + "Sayfalar" +
                                QByteArray("\x03\x00\x00\x00\x00\x00\x07", 7) + "[A] + 1" +
                                QByteArray("\x03\xDE\xFD\x6B", 4);
    EXPECT_EQ(s.Data(), expected);
    // Reading replaces what the table held and leaves it unsorted, in stored order.
    TfrValues back;
    back.SetName(back.Add(), "Eski");
    back.SetSorted(true);
    s.SetPosition(0);
    back.ReadBinaryData(s);
    EXPECT_FALSE(back.Sorted());
    ASSERT_EQ(back.Count(), 2);
    EXPECT_EQ(back.Name(0), "Sayfalar");
    EXPECT_EQ(back.Name(1), QString::fromUtf8("Şık"));
    EXPECT_EQ(back.GetValue(0)->OtherKind, 8);
    EXPECT_EQ(back.GetValue(1)->Typ, TfrValue::vtFRVar);
    EXPECT_EQ(back.GetValue(1)->Field, "[A] + 1");
    EXPECT_EQ(back.FindVariable("eski"), nullptr);
    EXPECT_EQ(back.FindVariable(QString::fromUtf8("ŞIK")), back.GetValue(1));
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
