#include "app/help_window.h"

#include "base/rich_edit.h"
#include "test_support.h"

namespace {
class HelpWindowTest : public WorkingFolderTest {};

TEST_F(HelpWindowTest, LoadsTheTopicAndKeepsItWhenAnotherIsMissing)
{
    WriteFile("yardimgec", "{\\rtf1\\ansi\\ansicpg1254{\\fonttbl{\\f0\\fcharset162 Arial;}}\\f0 "
                           "{\\b GEC\\'ddKME FA\\'ddZ\\'dd}\\par Bor\\'e7 tarihini girin.\\par}");
    const QStringList text = {"GECİKME FAİZİ", "Borç tarihini girin."};
    for (const char* name : {"yardimgec", "yardimyok"}) {
        yardimF().ShowTopic(name);
        EXPECT_TRUE(yardimF().isVisible()) << name;
        EXPECT_EQ(yardimF().RichEdit1->Lines(), text) << name;
        yardimF().hide();
    }
    EXPECT_TRUE(TestDialogs().shown.empty());
    yardimF().RichEdit1->ClearLines();
}
}  // namespace
