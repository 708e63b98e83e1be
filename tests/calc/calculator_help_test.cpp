#include "app/help_window.h"
#include "calc_tab_test.h"

namespace {
class CalculatorHelp : public CalcTabTest {};

TEST_F(CalculatorHelp, EachTabShowsItsOwnTopic)
{
    const struct {
        const char* button;
        const char* topic;
    } tabs[] = {{"tfXPButton13", "yardimgec"}, {"tfXPButton8", "yardimbrd"}, {"tfXPButton10", "yardimdev"},
                {"tfXPButton9", "yardimkdm"},  {"tfXPButton11", "yardimamr"}};
    for (const auto& t : tabs)
        WriteFile(t.topic, QByteArray("{\\rtf1\\ansi\\ansicpg1254 Konu ") + t.topic + " yard\\'fdm\\par}");
    for (const auto& t : tabs) {
        Click(t.button);
        EXPECT_TRUE(yardimF().isVisible()) << t.button;
        EXPECT_EQ(yardimF().RichEdit1->Lines().value(0), QString("Konu %1 yardım").arg(t.topic)) << t.button;
        yardimF().hide();
    }
}
}  // namespace
