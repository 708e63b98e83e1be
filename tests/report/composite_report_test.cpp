#include "report/fr_composite_report.h"

#include "build_test_support.h"

namespace {
class CompositeReportTest : public ReportBuildTest {
protected:
    // A member report of one page whose title band prints one memo.
    TfrReport* Member(const QString& text, bool onPreviousPage = false)
    {
        auto* member = new TfrReport(owner.get());
        member->ShowProgress = false;
        TfrPage& page = member->Pages.Add();
        page.PrintOnPreviousPage = onPreviousPage ? 1 : 0;
        auto band = std::make_unique<TfrBandView>();
        band->FrameTyp = btReportTitle;
        band->Flags = 48;
        band->SetBounds(0, 40, 752, 30);
        page.Objects.push_back(std::move(band));
        auto memo = std::make_unique<TfrMemoView>();
        memo->SetBounds(40, 44, 300, 18);
        memo->Memo.Add(text);
        page.Objects.push_back(std::move(memo));
        member->OnBeginDoc = [this, text] { events << "begin " + text; };
        member->OnEndDoc = [this, text] { events << "end " + text; };
        return member;
    }
    // The memo texts of every prepared page of the composite.
    QList<QStringList> Pages(TfrCompositeReport& composite)
    {
        TfrReport* saved = report;
        report = &composite;
        QList<QStringList> pages;
        for (int i = 0; i < composite.EMFPages.Count(); ++i)
            pages << MemoTexts(i);
        report = saved;
        return pages;
    }
    QStringList events;
};
}  // namespace

TEST_F(CompositeReportTest, MembersBuildInListOrderIntoOneDocument)
{
    TfrCompositeReport composite(owner.get());
    composite.ShowProgress = false;
    composite.Reports << Member("Birinci") << Member("İkinci") << Member("Üçüncü", true);
    EXPECT_TRUE(composite.PrepareReport());
    // the third begins on the second's page
    EXPECT_EQ(Pages(composite), (QList<QStringList>{{"Birinci"}, {"İkinci", "Üçüncü"}}));
    EXPECT_EQ(events, (QStringList{"begin Birinci", "end Birinci", "begin İkinci", "end İkinci", "begin Üçüncü",
                                   "end Üçüncü"}));
}

TEST_F(CompositeReportTest, ACancelStopsTheListAndAGoneMemberIsPassedOver)
{
    TfrCompositeReport composite(owner.get());
    composite.ShowProgress = false;
    TfrReport* gone = Member("Silinen");
    composite.Reports << Member("Birinci") << gone << Member("İkinci") << Member("Üçüncü");
    delete gone;
    composite.Reports[2]->OnEndDoc = [&] {
        events << "end İkinci";
        composite.Terminated = true;
    };
    composite.PrepareReport();
    EXPECT_EQ(Pages(composite), (QList<QStringList>{{"Birinci"}, {"İkinci"}}));
    EXPECT_FALSE(events.contains("begin Üçüncü"));
}
