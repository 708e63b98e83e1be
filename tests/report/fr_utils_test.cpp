#include "report/fr_utils.h"

#include "base/exceptions.h"
#include "base/stream.h"
#include "base/string_list.h"
#include "report/fr_strings.h"

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include "case_table.h"
#include "report_test_support.h"

#include <gtest/gtest.h>

namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray b;
    for (int v : values)
        b.append(static_cast<char>(v));
    return b;
}

}  // namespace

// Strings and memos in the template stream: what each reader makes of the bytes, and the bytes written.
TEST(StreamStrings, CaseTable)
{
    for (const CaseLine& c : ReadCases("report/stream_strings.tsv", 4)) {
        const QByteArray bytes = QByteArray::fromHex(c[1].toLatin1());
        const QStringList lines = c[2] == "(none)" ? QStringList() : c[2].split('|');
        TMemoryStream s(bytes);
        TStringList read;
        read.Add("left over");
        QString text;
        try {
            if (c[0] == "string")
                text = frReadString(s);
            else if (c[0] == "oldstring")
                text = frReadString22(s);
            else
                c[0] == "memo" ? frReadMemo(s, read) : frReadMemo22(s, read);
            EXPECT_EQ(c[0].endsWith("memo") ? read.ToQStringList() : QStringList{text}, lines) << c.where.toStdString();
            if (c[3] == "=")
                EXPECT_EQ(s.Position(), s.Size()) << c.where.toStdString();
        } catch (const EReadError&) {
            EXPECT_EQ(c[2], "!") << c.where.toStdString();
        }
        if (c[3] == "=") {
            TMemoryStream out;
            c[0] == "string" ? frWriteString(out, lines.value(0)) : frWriteMemo(out, TStringList(lines));
            EXPECT_EQ(out.Data(), bytes) << c.where.toStdString();
        }
    }
}

TEST(StreamStrings, OldStringRunsToTheZeroByte)
{
    TMemoryStream s(Bytes({'a', 'b', 0, 'c'}));
    EXPECT_EQ(frReadString22(s), "ab");
    EXPECT_EQ(s.Position(), 3);
}

TEST(StreamStrings, TooLongTextIsRefused)
{
    TMemoryStream s;
    EXPECT_THROW(frWriteString(s, QString(70000, 'x')), EStreamError);
    EXPECT_EQ(s.Size(), 0);
}

TEST(FontStyleBits, MapBoldToTwoAndDropStrikeOut)
{
    EXPECT_EQ(frSetFontStyle(3), TFontStyles(fsItalic | fsBold));
    EXPECT_EQ(frSetFontStyle(4), TFontStyles(fsUnderline));
    EXPECT_EQ(frSetFontStyle(8 | 16), TFontStyles());
    EXPECT_EQ(frGetFontStyle(fsBold), 2);
    EXPECT_EQ(frGetFontStyle(fsBold | fsItalic | fsUnderline | fsStrikeOut), 7);
    QFont f;
    frApplyFontStyles(f, frSetFontStyle(6));
    EXPECT_TRUE(f.bold() && f.underline() && !f.italic());
    EXPECT_EQ(frGetFontStyle(frFontStyles(f)), 6);
}

TEST(RemoveQuotes, DropsOnlyAnEnclosingPair)
{
    const std::pair<QString, QString> cases[] = {
        {"", ""}, {"\"", ""}, {"\"\"", ""}, {"\"abc\"", "abc"}, {"\"abc", "\"abc"}, {"a\"b\"", "a\"b\""},
        {"\"a b\"", "a b"},
    };
    for (const auto& [in, out] : cases) {
        QString s = in;
        frRemoveQuotes(s);
        EXPECT_EQ(s, out) << in.toStdString();
    }
}

TEST(NameFolding, MatchesTheTurkishIsAlike)
{
    EXPECT_EQ(frUpperName("if"), "IF");
    EXPECT_EQ(frUpperName("sınır"), "SINIR");
    EXPECT_TRUE(frSameName("isim", "İSİM"));
    EXPECT_TRUE(frSameName("ISIM", "isim"));
    EXPECT_TRUE(frSameName("şeker", "ŞEKER"));
    EXPECT_FALSE(frSameName("Left", "Lefts"));
}

TEST(FindComponent, ByOwnerAndByFormDotName)
{
    QWidget form;
    form.setObjectName("RaporFormu");
    auto* edit = new QLineEdit(new QWidget(&form));
    edit->setObjectName("Edit1");
    EXPECT_EQ(frFindComponentIn(&form, "Edit1"), edit);
    EXPECT_EQ(frFindComponentIn(&form, "Edit2"), nullptr);
    EXPECT_EQ(frFindComponentIn(nullptr, "RaporFormu.Edit1"), edit);
    EXPECT_EQ(frFindComponentIn(nullptr, "BaskaForm.Edit1"), nullptr);
    EXPECT_EQ(frFindComponentIn(nullptr, "RaporFormu.Yok"), nullptr);
    // names compare without regard to case
    EXPECT_EQ(frFindComponentIn(&form, "edit1"), edit);
    EXPECT_EQ(frFindComponentIn(nullptr, "raporformu.EDIT1"), edit);
}

TEST(ControlAtPos, APanelWithNothingUnderThePointGivesTheControlBelowIt)
{
    QWidget parent;
    parent.resize(300, 200);
    auto* below = new QLabel("alt", &parent);
    below->setGeometry(0, 0, 200, 200);
    auto* panel = new QGroupBox(&parent);  // on top of the label
    panel->setGeometry(50, 50, 100, 100);
    auto* inner = new QLineEdit(panel);
    inner->setGeometry(10, 10, 30, 20);
    EXPECT_EQ(frControlAtPos(&parent, QPoint(65, 65)), inner);
    EXPECT_EQ(frControlAtPos(&parent, QPoint(120, 120)), below);
    EXPECT_EQ(frControlAtPos(&parent, QPoint(250, 10)), nullptr);
    below->hide();
    EXPECT_EQ(frControlAtPos(&parent, QPoint(120, 120)), nullptr);
    // A control whose private children miss the point still answers itself.
    EXPECT_EQ(frControlAtPos(panel, QPoint(12, 12)), inner);
}

TEST(StringTable, QuotedIdsAndMissingOnes)
{
    EXPECT_EQ(frLoadStr(55345), "Unsupported FRF format");
    EXPECT_EQ(frLoadStr(frRes_FirstBandTypeName + 21), "None");
    EXPECT_EQ(frLoadStr(frRes_FirstBandTypeName + 16), "Group header");
    EXPECT_EQ(frLoadStr(55173), "False;True");
    EXPECT_EQ(frLoadStr(55337), "0");
    EXPECT_EQ(frLoadStr(55008), "");
    EXPECT_EQ(frLoadStr(55226), "");
}
