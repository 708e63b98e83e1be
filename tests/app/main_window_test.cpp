#include "app/main_window.h"

#include "base/rich_edit.h"
#include "test_support.h"

#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>

namespace {
class ShellWindowTest : public WorkingFolderTest {};

TEST_F(ShellWindowTest, HomeOpensEachCalculatorAndTheHeaderComesBack)
{
    TForm1 form;
    const std::pair<const char*, const char*> tabs[] = {
        {"TabSheet12", "Gecikme Faizi"}, {"TabSheet13", "Ücret"},     {"TabSheet14", "Devir Hızı"},
        {"TabSheet15", "Kıdem+İhbar"},   {"TabSheet6", "Amortisman"},
    };
    for (const auto& [name, caption] : tabs) {
        auto* tab = form.findChild<QWidget*>(name);
        ASSERT_NE(tab, nullptr) << name;
        EXPECT_EQ(form.PageControl1->tabText(form.PageControl1->indexOf(tab)), QString(caption));
        form.AddNavHeader(tab, caption);
        auto* open = form.findChild<QPushButton*>(QString("HomeOpen") + name);
        ASSERT_NE(open, nullptr) << name;
        MouseClick(open);
        EXPECT_EQ(form.PageControl1->currentWidget(), tab) << name;
        auto* header = tab->findChild<QPushButton*>(QString("JvNavPanelHeader") + name);
        ASSERT_NE(header, nullptr) << name;
        EXPECT_EQ(header->text(), "ANA MENÜ");
        MouseClick(header);
        EXPECT_EQ(form.PageControl1->currentWidget(), form.TabSheetHome) << name;
    }
}

TEST_F(ShellWindowTest, StartsWithTheProgramsTitleAndItsHiddenTabs)
{
    TForm1 form;
    EXPECT_EQ(form.windowTitle(), "Dorvan Tavrelo Çözüm Programı");
    EXPECT_FALSE(form.PageControl1->isTabVisible(form.PageControl1->indexOf(form.TabSheet9)));
    EXPECT_FALSE(form.PageControl1->isTabVisible(form.PageControl1->indexOf(form.TabSheet1)));
    EXPECT_EQ(form.RichEdit9->LineCount(), 0);
    form.RichEdit9->AddLine("TOPLAM");
    EXPECT_EQ(form.RichEdit9->currentCharFormat().font().family(), "Liberation Mono");
    EXPECT_EQ(form.RichEdit9->document()->begin().begin().fragment().charFormat().font().pixelSize(), 11);
}
}  // namespace
