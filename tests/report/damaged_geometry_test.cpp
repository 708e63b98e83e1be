// Geometry from a template or a prepared-report file that no layout has is damage: the file is refused
// with the reader's own message, before any sum or rounding of it could overflow.
#include "base/exceptions.h"
#include "base/stream.h"
#include "build_test_support.h"
#include "report/fr_strings.h"

#include <functional>

namespace {

struct Damage {
    const char* name;
    std::function<void(TfrView&)> apply;
};

const Damage kDamage[] = {
    {"x", [](TfrView& v) { v.x = frMaxCoordinate + 1; }},
    {"y", [](TfrView& v) { v.y = -frMaxCoordinate - 1; }},
    {"dx", [](TfrView& v) { v.dx = 2000000000; }},
    {"dy", [](TfrView& v) { v.dy = -2000000000; }},
    {"frame", [](TfrView& v) { v.FrameWidth = 150.5f; }},
    {"font", [](TfrView& v) { static_cast<TfrMemoView&>(v).Font.Size = 2147483647; }},
};

class DamagedGeometry : public ReportBuildTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedGeometry, ATemplateIsRefusedAsUnsupported)
{
    TfrMemoView& memo = AddMemo(20, 30, 100, 18, {"Tutar"});
    GetParam().apply(memo);
    TMemoryStream stream;
    report->SaveToStream(stream);
    stream.SetPosition(0);

    TfrReport loaded;
    loaded.LoadFromStream(stream);
    EXPECT_EQ(TestDialogs().Texts(), QStringList{frLoadStr(frRes_UnsupportedFormat)});
    ASSERT_EQ(loaded.Pages.Count(), 1);
    EXPECT_TRUE(loaded.Pages.Pages(0).Objects.empty());
}

TEST_P(DamagedGeometry, APreparedReportIsRefusedAndThePagesStay)
{
    AddBand(btReportTitle, 20, 40);
    AddMemo(20, 30, 100, 18, {"Tutar"});
    ASSERT_TRUE(report->PrepareReport());
    TfrEMFPage& page = report->EMFPages.Pages(0);
    report->EMFPages.ObjectsToPage(0);
    ASSERT_FALSE(page.Page->Objects.empty());
    GetParam().apply(*page.Page->Objects.back());
    // the page's record written again from its damaged views
    page.Stream->Clear();
    page.Stream->WriteByte(23);  // the stream version
    for (const auto& view : page.Page->Objects) {
        page.Stream->WriteByte(view->ObjectType);
        view->RecordForm = 1;
        view->SaveToStream(*page.Stream);
    }
    TMemoryStream file;
    report->EMFPages.SaveToStream(file);
    file.SetPosition(0);

    TfrReport other;
    EXPECT_THROW(
        try { other.EMFPages.LoadFromStream(file); } catch (const EStreamError& e) {
            EXPECT_EQ(e.Message(), frDamagedFileText());
            throw;
        },
        EStreamError);
    EXPECT_EQ(other.EMFPages.Count(), 0);
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
