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

QByteArray MemoBytes(const QStringList& lines)
{
    TMemoryStream s;
    frWriteMemo(s, TStringList(lines));
    return s.Data();
}

QStringList ReadMemo(const QByteArray& bytes, bool old)
{
    TMemoryStream s(bytes);
    TStringList lines;
    lines.Add("left over");
    old ? frReadMemo22(s, lines) : frReadMemo(s, lines);
    return lines.ToQStringList();
}

}  // namespace

TEST(StreamStrings, LengthTextAndZeroOneBytePerCharacter)
{
    const std::pair<QString, QByteArray> cases[] = {{"", Bytes({0, 0, 0})},
                                                    {"Şişli", Bytes({5, 0, 0xDE, 'i', 0xFE, 'l', 'i', 0})}};
    for (const auto& [text, bytes] : cases) {
        TMemoryStream s;
        frWriteString(s, text);
        EXPECT_EQ(s.Data(), bytes);
        s.SetPosition(0);
        EXPECT_EQ(frReadString(s), text);
        EXPECT_EQ(s.Position(), bytes.size());
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

struct MemoCase {
    const char* name;
    QStringList lines;
    QByteArray bytes;
};

class MemoForm : public ::testing::TestWithParam<MemoCase> {};

TEST_P(MemoForm, WritesTheBytesAndReadsThemBack)
{
    const MemoCase& c = GetParam();
    EXPECT_EQ(MemoBytes(c.lines), c.bytes);
    EXPECT_EQ(ReadMemo(c.bytes, false), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Memos, MemoForm,
    ::testing::Values(MemoCase{"none", {}, Bytes({0, 0, 0})},
                      MemoCase{"oneEmptyLine", {""}, Bytes({1, 0, 0, 0, 0})},
                      MemoCase{"twoLines", {"ab", "c"}, Bytes({2, 0, 2, 0, 'a', 'b', 13, 1, 0, 'c', 0})},
                      MemoCase{"turkish", {"İğ"}, Bytes({1, 0, 2, 0, 0xDD, 0xF0, 0})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MemoForm, SeparatorsDecideTheLineCount)
{
    // Count 5, but the first separator ends the list.
    EXPECT_EQ(ReadMemo(Bytes({5, 0, 1, 0, 'x', 0, 1, 0, 'y', 0}), false), QStringList{"x"});
    // Any non-zero separator goes on.
    EXPECT_EQ(ReadMemo(Bytes({1, 0, 1, 0, 'x', 7, 1, 0, 'y', 0}), false), (QStringList{"x", "y"}));
}

struct OldMemoCase {
    const char* name;
    QByteArray bytes;
    QStringList lines;
};

class OldMemoForm : public ::testing::TestWithParam<OldMemoCase> {};

TEST_P(OldMemoForm, Reads)
{
    EXPECT_EQ(ReadMemo(GetParam().bytes, true), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    OldMemos, OldMemoForm,
    ::testing::Values(OldMemoCase{"twoLines", Bytes({'a', 'b', 'c', 13, 'd', 'e', 'f', 0}), {"abc", "def"}},
                      OldMemoCase{"trailingBreak", Bytes({'a', 'b', 'c', 13, 0}), {"abc"}},
                      OldMemoCase{"nothing", Bytes({0}), {}},
                      OldMemoCase{"oneEmptyLine", Bytes({13, 0}), {""}}),
    [](const auto& info) { return std::string(info.param.name); });

struct TruncatedCase {
    const char* name;
    QByteArray bytes;
    int reader;  // 0 string, 1 memo, 2 old string, 3 old memo
};

class TruncatedStream : public ::testing::TestWithParam<TruncatedCase> {};

TEST_P(TruncatedStream, RaisesTheReadError)
{
    TMemoryStream s(GetParam().bytes);
    TStringList lines;
    switch (GetParam().reader) {
    case 0:
        EXPECT_THROW(frReadString(s), EReadError);
        break;
    case 1:
        EXPECT_THROW(frReadMemo(s, lines), EReadError);
        break;
    case 2:
        EXPECT_THROW(frReadString22(s), EReadError);
        break;
    default:
        EXPECT_THROW(frReadMemo22(s, lines), EReadError);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Truncated, TruncatedStream,
    ::testing::Values(TruncatedCase{"noLength", Bytes({}), 0}, TruncatedCase{"halfLength", Bytes({3}), 0},
                      TruncatedCase{"shortText", Bytes({3, 0, 'a', 'b'}), 0},
                      TruncatedCase{"noTerminator", Bytes({2, 0, 'a', 'b'}), 0},
                      TruncatedCase{"emptyMemoNoEnd", Bytes({0, 0}), 1},
                      TruncatedCase{"memoShortLine", Bytes({1, 0, 5, 0, 'a'}), 1},
                      TruncatedCase{"memoNoSeparator", Bytes({1, 0, 1, 0, 'a'}), 1},
                      TruncatedCase{"memoHugeLength", Bytes({1, 0, 0xFF, 0xFF, 'a', 0}), 1},
                      TruncatedCase{"oldStringUnterminated", Bytes({'a', 'b'}), 2},
                      TruncatedCase{"oldMemoUnterminated", Bytes({'a', 13, 'b'}), 3}),
    [](const auto& info) { return std::string(info.param.name); });

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
