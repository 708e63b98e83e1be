#include "app/help_window.h"
#include "calc_tab_test.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QTabWidget>

namespace {
class HelpTopics : public CalcTabTest {};

// What a user reads on the tab: its buttons, check boxes and input captions (not its bold title).
QStringList Captions(QWidget* tab)
{
    QStringList captions;
    for (QAbstractButton* b : tab->findChildren<QAbstractButton*>())
        if (b->isVisibleTo(tab) && b->text().trimmed().size() > 1 && b->text() != "ANA MENÜ")
            captions << b->text().trimmed();
    for (QLabel* l : tab->findChildren<QLabel*>())
        if (l->isVisibleTo(tab) && !l->wordWrap() && !l->font().bold() && l->text().trimmed().size() > 1)
            captions << l->text().trimmed();
    return captions;
}

TEST_F(HelpTopics, EachButtonShowsItsBuiltInTopicCoveringWhatTheTabShows)
{
    const struct {
        const char* button;
        QWidget* TForm1::*tab;
        const char* title;
    } topics[] = {
        {"tfXPButton13", &TForm1::TabSheet12, "GECİKME FAİZİ VE TECİL FAİZİ HESAPLAMA"},
        {"tfXPButton8", &TForm1::TabSheet13, "ÜCRET HESAPLAMA (BORDRO)"},
        {"tfXPButton10", &TForm1::TabSheet14, "DEVİR HIZLARI HESAPLAMA"},
        {"tfXPButton9", &TForm1::TabSheet15, "KIDEM VE İHBAR TAZMİNATI HESAPLAMA"},
        {"tfXPButton11", &TForm1::TabSheet6, "AMORTİSMAN HESAPLAMA"},
    };
    form_->show();
    for (const auto& t : topics) {
        QWidget* tab = form_.get()->*t.tab;
        form_->ShowTab(tab);
        QApplication::processEvents();
        Click(t.button);
        ASSERT_TRUE(yardimF().isVisible()) << t.button;
        const QStringList lines = yardimF().RichEdit1->Lines();
        EXPECT_EQ(lines.value(0), t.title) << t.button;
        const QString text = lines.join('\n');
        for (const QString& caption : Captions(tab))
            EXPECT_TRUE(text.contains(caption)) << t.button << " does not tell of " << caption.toStdString();
        yardimF().hide();
    }
    yardimF().RichEdit1->ClearLines();
}

TEST_F(HelpTopics, AreRichTextInCodePage1254)
{
    for (const char* topic : {"yardimgec", "yardimbrd", "yardimdev", "yardimkdm", "yardimamr"}) {
        QFile file(QString(":/help/") + topic);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << topic;
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("{\\rtf1\\ansi\\ansicpg1254")) << topic;
        // Turkish letters written as code page 1254 escapes, readable by any RTF reader.
        EXPECT_TRUE(bytes.contains("\\'dd")) << topic;  // İ
        EXPECT_EQ(std::count_if(bytes.begin(), bytes.end(), [](char c) { return c & 0x80; }), 0) << topic;
    }
}
}  // namespace
