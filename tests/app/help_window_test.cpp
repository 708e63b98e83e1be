#include "app/help_window.h"

#include "base/rich_edit.h"
#include "test_support.h"

#include <QFile>

namespace {
class HelpWindowTest : public WorkingFolderTest {
protected:
    void TearDown() override
    {
        yardimF().hide();
        yardimF().RichEdit1->ClearLines();
        WorkingFolderTest::TearDown();
    }
};

TEST_F(HelpWindowTest, LoadsTheTopicAndKeepsItWhenAnotherIsMissing)
{
    QFile topic(Path("yardimgec"));
    ASSERT_TRUE(topic.open(QIODevice::WriteOnly));
    topic.write("{\\rtf1\\ansi\\ansicpg1254{\\fonttbl{\\f0\\fcharset162 Arial;}}\\f0 {\\b GEC\\'ddKME FA\\'ddZ\\'dd}\\par "
                "Bor\\'e7 tarihini girin.\\par}");
    topic.close();

    yardimF().ShowTopic("yardimgec");
    EXPECT_TRUE(yardimF().isVisible());
    EXPECT_EQ(yardimF().RichEdit1->Lines(), QStringList({"GECİKME FAİZİ", "Borç tarihini girin."}));

    yardimF().hide();
    yardimF().ShowTopic("yardimyok");
    EXPECT_TRUE(yardimF().isVisible());
    EXPECT_EQ(yardimF().RichEdit1->Lines(), QStringList({"GECİKME FAİZİ", "Borç tarihini girin."}));
    EXPECT_TRUE(TestDialogs().shown.empty());
}
}  // namespace
