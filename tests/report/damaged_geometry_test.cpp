// Geometry from a template or a prepared-report file that no layout has is damage: the file is refused
// with the reader's own message, before any sum or rounding of it could overflow.
#include "base/exceptions.h"
#include "base/stream.h"
#include "build_test_support.h"
#include "report/fr_strings.h"

#include <functional>

namespace {

// A field of a view record, found by the distinctive value the view is written with, and the value
// that damages it.
struct Damage {
    const char* name;
    int32_t written;
    int32_t damaged;
};

const Damage kDamage[] = {
    {"x", 11111, frMaxCoordinate + 1},  {"y", 22222, -frMaxCoordinate - 1}, {"dx", 33333, 2000000000},
    {"dy", 4444, -2000000000},          {"frame", 4321, 150500},             {"font", 77, 2147483647},
};

void Design(TfrMemoView& memo)
{
    memo.SetBounds(11111, 22222, 33333, 4444);
    memo.FrameWidth = 4.321f;  // written as thousandths
    memo.Font.Size = 77;
}

// The bytes with the one field's value replaced.
QByteArray Damaged(QByteArray bytes, const Damage& d)
{
    auto le = [](int32_t v) {
        QByteArray b(4, 0);
        for (int i = 0; i < 4; ++i)
            b[i] = static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
        return b;
    };
    const qsizetype at = bytes.indexOf(le(d.written));
    EXPECT_GE(at, 0) << d.name;
    EXPECT_EQ(bytes.indexOf(le(d.written), at + 1), -1) << d.name;
    bytes.replace(at, 4, le(d.damaged));
    return bytes;
}

class DamagedGeometry : public ReportBuildTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedGeometry, ATemplateIsRefusedAsUnsupported)
{
    Design(AddMemo(20, 30, 100, 18, {"Tutar"}));
    TMemoryStream stream;
    report->SaveToStream(stream);
    TMemoryStream damaged(Damaged(stream.Data(), GetParam()));

    TfrReport loaded;
    loaded.LoadFromStream(damaged);
    EXPECT_EQ(TestDialogs().Texts(), QStringList{frLoadStr(frRes_UnsupportedFormat)});
    ASSERT_EQ(loaded.Pages.Count(), 1);
    EXPECT_TRUE(loaded.Pages.Pages(0).Objects.empty());
}

TEST_P(DamagedGeometry, APreparedReportIsRefusedAndThePagesStay)
{
    AddBand(btReportTitle, 20, 40);
    AddMemo(20, 30, 100, 18, {"Tutar"});
    // the printed memo is placed by a script, as a script may
    AddMemo(20, 30, 100, 18, {"Tutar"}).Script.SetText(
        "begin Left := 11111; Top := 22222; Width := 33333; Height := 4444; FrameWidth := 4.321; FontSize := 77 end");
    ASSERT_TRUE(report->PrepareReport());
    TMemoryStream file;
    report->EMFPages.SaveToStream(file);
    TMemoryStream damaged(Damaged(file.Data(), GetParam()));

    TfrReport other;
    try {
        other.EMFPages.LoadFromStream(damaged);
        ADD_FAILURE() << "read";
    } catch (const EStreamError& e) {
        EXPECT_EQ(e.Message(), frDamagedFileText());
    }
    EXPECT_EQ(other.EMFPages.Count(), 0);
}

TEST_F(ReportBuildTest, GeometryAScriptSetsBeyondTheRangeIsWrittenSoThatItReadsBack)
{
    AddBand(btReportTitle, 20, 40);
    AddMemo(20, 30, 100, 18, {"Tutar"}).Script.SetText("begin Left := 3000000000; Height := -900000; FontSize := 99999 end");
    ASSERT_TRUE(report->PrepareReport());
    TMemoryStream file;
    report->EMFPages.SaveToStream(file);
    file.SetPosition(0);
    TfrReport other;
    ASSERT_NO_THROW(other.EMFPages.LoadFromStream(file));
    other.EMFPages.ObjectsToPage(0);
    const TfrView& memo = *other.EMFPages.Pages(0).Page->Objects.back();
    EXPECT_EQ(memo.x, frMaxCoordinate);
    EXPECT_EQ(memo.dy, -frMaxCoordinate);
    EXPECT_EQ(static_cast<const TfrMemoView&>(memo).Font.Size, 1638);
}

INSTANTIATE_TEST_SUITE_P(Views, DamagedGeometry, ::testing::ValuesIn(kDamage),
                         [](const auto& info) { return std::string(info.param.name); });

using TemplateBands = ReportBuildTest;

TEST_F(TemplateBands, ABandEveryPagePrintsDoesNotStartANewPageAfterItself)
{
    // each of these once made every new page start another, until the stack ran out
    for (TfrBandType type : {btPageHeader, btPageFooter, btOverlay}) {
        report->Pages.Clear();
        AddBand(btReportTitle, 20, 40);
        AddMemo(20, 30, 100, 18, {"Başlık"});
        AddBand(type, type == btPageFooter ? 990 : 70, 28, flBandOnFirstPage | flBandOnLastPage | flBandNewPageAfter);
        AddMemo(20, type == btPageFooter ? 994 : 74, 100, 18, {"Sayfa [PAGE#]"});
        ASSERT_TRUE(report->PrepareReport()) << type;
        EXPECT_EQ(report->EMFPages.Count(), 1) << type;
    }
}

TEST(Rounding, ValuesBeyondIntGiveItsEnds)
{
    EXPECT_EQ(frRound(2.5), 2);
    EXPECT_EQ(frRound(-3.5), -4);
    EXPECT_EQ(frRound(2.61725e9), std::numeric_limits<int>::max());
    EXPECT_EQ(frRound(-1e300), std::numeric_limits<int>::min());
    EXPECT_EQ(frRound(std::nan("")), 0);
}

}  // namespace
