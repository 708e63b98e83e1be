#include "report/fr_view_form.h"

#include "base/exceptions.h"
#include "report/fr_ctrls.h"
#include "report/fr_prdlg.h"
#include "report/fr_prntr.h"
#include "report/fr_srch.h"
#include "input_support.h"
#include "template_test_support.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
struct FakeText {
    int x, y;
    QString text;
};

// Prepared pages that draw a few texts, A4 in report units, and keep count of what the window did.
class FakePages : public TfrPreviewPages {
public:
    explicit FakePages(std::vector<std::vector<FakeText>> pages, bool* destroyed = nullptr)
        : texts_(std::move(pages)), visible_(texts_.size()), live_(texts_.size()), destroyed_(destroyed)
    {
    }
    ~FakePages() override
    {
        if (destroyed_ != nullptr)
            *destroyed_ = true;
    }
    int Count() const override { return static_cast<int>(texts_.size()); }
    const TfrPrinterInfo& PageInfo(int) const override { return info_; }
    bool ApplyMargins(int) const override { return false; }
    void SetVisible(int index, bool visible) override { visible_[static_cast<size_t>(index)] = visible; }
    void Draw(int index, TCanvas& canvas, const TRect& rect) override
    {
        const auto i = static_cast<size_t>(index);
        live_[i] = visible_[i];
        if (!visible_[i])
            return;
        drawnInto.push_back(rect);
        const double kx = rect.Width() / double(info_.PageWidth);
        const double ky = rect.Height() / double(info_.PageHeight);
        canvas.SetFont(TFont{"Arial", 10}, 13);
        for (const FakeText& t : texts_[i])
            canvas.TextOut(rect.Left + int(t.x * kx), rect.Top + int(t.y * ky), t.text);
    }
    int Live() const { return static_cast<int>(std::count(live_.begin(), live_.end(), true)); }
    std::vector<TRect> drawnInto;
private:
    TfrPrinterInfo info_{.PageWidth = 752, .PageHeight = 1071, .OffsetX = 18, .OffsetY = 18, .PrintableWidth = 716,
                         .PrintableHeight = 1035};
    std::vector<std::vector<FakeText>> texts_;
    std::vector<bool> visible_;
    std::vector<bool> live_;
    bool* destroyed_;
};

std::unique_ptr<FakePages> ThreePages(bool* destroyed = nullptr)
{
    return std::make_unique<FakePages>(
        std::vector<std::vector<FakeText>>{{{40, 100, "Ara toplam 10,00"}, {40, 300, "Genel toplam"}},
                                           {{40, 200, "Sayfa 2"}},
                                           {{40, 500, "TOPLAM 20,00"}}},
        destroyed);
}

// A report as the preview sees it, recording what it was asked.
class FakeReport : public TfrPreviewReport {
public:
    int PreviewButtons() const override { return buttons; }
    int InitialZoom() const override { return zoom; }
    bool ModalPreview() const override { return modal; }
    bool DesignState() const override { return false; }
    bool FromTemplate() const override { return fromTemplate; }
    std::unique_ptr<TfrPreviewPages> TakePreparedPages() override
    {
        return pages ? std::move(pages) : std::make_unique<FakePages>(std::vector<std::vector<FakeText>>{});
    }
    void ReturnPreparedPages(std::unique_ptr<TfrPreviewPages> p) override { pages = std::move(p); }
    void PrepareReport() override
    {
        calls << "prepare";
        pages = ThreePages();
    }
    bool ChangePrinter(int oldIndex, int newIndex) override
    {
        calls << QString("change %1 %2").arg(oldIndex).arg(newIndex);
        return changeAnswer;
    }
    void PrintPreparedReport(const QString& pageList, int copies) override
    {
        calls << QString("print '%1' %2 pages %3").arg(pageList).arg(copies).arg(pages ? pages->Count() : -1);
    }
    void LoadPreparedReport(const QString& fileName) override
    {
        if (fileName.contains("bozuk"))
            throw EStreamError("Dosya okunamadı");
        pages = std::make_unique<FakePages>(std::vector<std::vector<FakeText>>{{}, {}});
    }
    void SavePreparedReport(const QString& fileName) override
    {
        calls << QString("save %1 pages %2").arg(fileName).arg(pages ? pages->Count() : -1);
        if (fileName.contains("salt"))
            throw EStreamError("Dosya yazılamadı");
    }
    std::unique_ptr<TfrPreviewPages> pages = ThreePages();
    int buttons = 0x7F;
    int zoom = 0;
    bool modal = false;
    bool fromTemplate = true;
    bool changeAnswer = true;
    QStringList calls;
};

// Runs `f` on the modal dialog once it is up.
void WhenModal(std::function<void(QWidget*)> f)
{
    QTimer::singleShot(0, [f] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        f(modal);
    });
}

class PreviewFormTest : public VirtualPrinterTest {
protected:
    void SetUp() override
    {
        VirtualPrinterTest::SetUp();
        frRememberedScale = 1.0;
        frRememberedZoom = 0;
        TestDialogs().Reset();
    }
    void TearDown() override
    {
        delete form;
        VirtualPrinterTest::TearDown();
    }
    // A shown window whose page box is 1000 x 600 (or `box`), in place of the one before, with three
    // pages unless the report was given others.
    TfrPreviewForm* Show(QSize box = {1000, 600})
    {
        delete form;
        if (!report.pages)
            report.pages = ThreePages();
        form = new TfrPreviewForm;
        form->ShowReport(&report);
        form->setWindowState(Qt::WindowNoState);
        form->resize(box.width() + 16, box.height() + 67);
        EXPECT_EQ(form->PageBox->size(), box);
        return form;
    }
    FakeReport report;
    QPointer<TfrPreviewForm> form;
};
}  // namespace

TEST_F(PreviewFormTest, ShowsTheReportsPagesAndTakesThem)
{
    report.buttons = frPbZoom | frPbPrint | frPbExit;
    Show();
    EXPECT_EQ(report.pages, nullptr);
    EXPECT_EQ(QStringList({form->Label1->text(), form->ZoomBtnXP->text(), form->ZoomBtn->Caption(), form->N1->text(),
                           form->ExitBtn->toolTip()}),
              QStringList({"Page 1/3", "100%", "100%", "&Page width", "Close preview"}));
    // shown: zoom and the first separator; hidden: open, find, the third separator and the N5 item
    EXPECT_EQ(QList<bool>({form->ZoomBtn->isHidden(), form->LoadBtn->isHidden(), form->FindBtn->isHidden(),
                           form->frTBSeparator1->isHidden(), form->frTBSeparator3->isHidden(), form->N5->isVisible()}),
              QList<bool>({false, true, true, false, true, false}));
    // one page per row, centred; the box scrolls over three pages
    EXPECT_EQ(form->R.at(0), (TRect{124, 10, 876, 1081}));
    EXPECT_EQ(form->R.at(2), (TRect{124, 2172, 876, 3243}));
    EXPECT_EQ(form->VScrollBar->maximum(), 3243 - 600 + 10);
    EXPECT_FALSE(form->HScrollBar->isEnabled());
    for (const char* name : {"ScrollBox1", "VScrollBar", "HScrollBar", "PgUp", "ZoomBtnXP", "ExitBtnXP", "PageBox"})
        EXPECT_NE(form->findChild<QWidget*>(name), nullptr) << name;
}

TEST_F(PreviewFormTest, ClosingDropsThePages)
{
    bool destroyed = false;
    report.pages = ThreePages(&destroyed);
    Show();
    form->ExitBtnXP->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull());
    EXPECT_TRUE(destroyed);
    EXPECT_EQ(report.pages, nullptr);
}

TEST_F(PreviewFormTest, ZoomItemsAndTheRememberedZoom)
{
    Show();
    form->N3Click(form->N3);  // two pages, side by side
    EXPECT_EQ((QList<int>{form->ZoomMode, frRememberedZoom, form->R.at(1).Top, form->R.at(1).Left}),
              (QList<int>{3, 3, form->R.at(0).Top, 505}));
    EXPECT_EQ(form->ZoomBtnXP->text(), "64%");
    QAction* half = nullptr;
    for (QAction* a : form->ProcMenu->actions())
        if (a->data().toInt() == 50)
            half = a;
    ASSERT_NE(half, nullptr);
    half->trigger();
    EXPECT_EQ(form->ZoomMode, 0);
    EXPECT_DOUBLE_EQ(frRememberedScale, 0.5);
    EXPECT_EQ(form->ZoomBtnXP->text(), "50%");
    // the next window opens with it, its item checked
    Show();
    EXPECT_DOUBLE_EQ(form->Scale, 0.5);
    for (QAction* a : form->ProcMenu->actions()) {
        if (a->data().toInt() == 50) {
            EXPECT_TRUE(a->isChecked());
        }
    }
    report.zoom = 2;  // the report's own zoom: whole page
    Show();
    EXPECT_EQ(form->ZoomMode, 2);
    EXPECT_EQ(form->ZoomBtnXP->text(), "54%");
    EXPECT_TRUE(form->N2->isChecked());
}

TEST_F(PreviewFormTest, ScrollingFollowsThePages)
{
    Show();
    form->VScrollBar->setValue(1100);
    EXPECT_EQ(form->ShownPage, 2);
    EXPECT_EQ(form->Label1->text(), "Page 2/3");
    form->VScrollBar->setValue(2155);  // in the gap between pages: the page stays
    EXPECT_EQ(form->ShownPage, 2);
    form->PgUpClick();
    EXPECT_EQ(form->VScrollBar->value(), 0);
    form->PgUpClick();
    EXPECT_EQ(form->ShownPage, 1);
    SendKey(form->PageBox, Qt::Key_Down);
    EXPECT_EQ(form->VScrollBar->value(), 10);
    SendKey(form->PageBox, Qt::Key_PageDown);
    EXPECT_EQ(form->VScrollBar->value(), 210);
    SendKey(form->PageBox, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ((QList<int>{form->ShownPage, form->VScrollBar->value()}), (QList<int>{2, 1081}));
    SendKey(form->PageBox, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(form->VScrollBar->value(), 0);
    SendKey(form->PageBox, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(form->Label1->text(), "Page 3/3");
    // Ten pixels a notch over the pages and over the scroll bar itself.
    for (QWidget* under : {static_cast<QWidget*>(form->PageBox), static_cast<QWidget*>(form->VScrollBar)}) {
        for (int notch : {120, -120}) {
            QWheelEvent wheel(QPointF(5, 5), under->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, notch),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            const int before = form->VScrollBar->value();
            QApplication::sendEvent(under, &wheel);
            EXPECT_EQ(form->VScrollBar->value(), before - notch / 12) << under->objectName().toStdString();
        }
    }
}

TEST_F(PreviewFormTest, CtrlEndShowsTheLastPageWhenAllFit)
{
    frRememberedScale = 0.1;
    Show();
    EXPECT_FALSE(form->VScrollBar->isEnabled());
    SendKey(form->PageBox, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(form->Label1->text(), "Page 3/3");
}

TEST_F(PreviewFormTest, DraggingPans)
{
    frRememberedScale = 2.0;
    Show();
    auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
        SendMouse(form->PageBox, type, at, Qt::LeftButton, buttons);
    };
    form->HScrollBar->setValue(100);
    form->VScrollBar->setValue(100);
    send(QEvent::MouseButtonPress, {300, 300}, Qt::LeftButton);
    send(QEvent::MouseMove, {280, 250}, Qt::LeftButton);
    EXPECT_EQ((QList<int>{form->HScrollBar->value(), form->VScrollBar->value()}), (QList<int>{120, 150}));
    send(QEvent::MouseButtonRelease, {280, 250}, Qt::NoButton);
    send(QEvent::MouseMove, {0, 0}, Qt::NoButton);
    EXPECT_EQ(form->VScrollBar->value(), 150);
}

TEST_F(PreviewFormTest, PaintsSheetsOnGrayWithTheContentInThePrintableArea)
{
    Show();
    auto* pages = dynamic_cast<FakePages*>(form->EMFPages.get());
    ASSERT_NE(pages, nullptr);
    pages->drawnInto.clear();
    const QImage img = form->PageBox->grab().toImage();
    // gray around, the sheet's edge, its paper, the shadow line
    EXPECT_EQ((QList<QRgb>{img.pixel(50, 50), img.pixel(124, 50), img.pixel(130, 50), img.pixel(876, 50)}),
              (QList<QRgb>{qRgb(128, 128, 128), qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(0, 0, 0)}));
    ASSERT_EQ(pages->drawnInto.size(), 1U);  // the others lie below the box
    EXPECT_EQ(pages->drawnInto[0], (TRect{142, 28, 858, 1063}));
    EXPECT_EQ(pages->Live(), 1);
}

TEST_F(PreviewFormTest, FindGoesOnWithF3AcrossPages)
{
    Show();
    auto find = [&](const QString& text, bool caseSensitive, bool fromFirst) {
        WhenModal([=](QWidget* w) {
            auto* dlg = qobject_cast<TfrPreviewSearchForm*>(w);
            ASSERT_NE(dlg, nullptr);
            EXPECT_EQ(dlg->windowTitle(), "Find text");
            dlg->Edit1->setText(text);
            dlg->CB1->setChecked(caseSensitive);
            (fromFirst ? dlg->RB1 : dlg->RB2)->setChecked(true);
            dlg->Button1->click();
        });
        SendKey(form->PageBox, Qt::Key_F, Qt::ControlModifier);
    };
    auto f3 = [&] { SendKey(form->PageBox, Qt::Key_F3); };
    // the page shown and where on it the text was found
    auto found = [&](int page, int top) {
        EXPECT_TRUE(form->Found);
        EXPECT_EQ(form->ShownPage, page);
        EXPECT_NEAR(form->FoundRect.Top, top, 1);
    };
    find("toplam", false, true);
    found(1, 100);
    EXPECT_EQ(form->VScrollBar->value(), form->FoundRect.Top + 10 - 10);
    f3();
    found(1, 300);
    f3();
    found(3, 500);
    EXPECT_EQ(form->Label1->text(), "Page 3/3");
    const int at = form->VScrollBar->value();
    f3();  // nothing more: no message, the view stays
    EXPECT_FALSE(form->Found);
    EXPECT_EQ(form->VScrollBar->value(), at);
    EXPECT_TRUE(TestDialogs().shown.empty());
    f3();  // from the top of the current page again
    found(3, 500);
    find("toplam", true, true);  // capitals do not match now
    found(1, 100);
    f3();
    found(1, 300);
    f3();
    EXPECT_FALSE(form->Found);
    form->PgUpClick();
    form->PgUpClick();
    form->PgDownClick();  // page 2
    find("toplam", false, false);
    EXPECT_EQ(form->ShownPage, 3);
}

namespace {
// Six pages of seventy numbered lines, as a long text report prints them: "Kira" on lines 85 and 120
// (page 2) and 290 (page 5), "Avans" on line 100, between the two hits of page 2.
std::unique_ptr<FakePages> SixPagesOfLines()
{
    std::vector<std::vector<FakeText>> pages(6);
    for (int line = 1; line <= 420; ++line) {
        QString text = QString("Satır %1").arg(line);
        if (line == 85 || line == 120 || line == 290)
            text += " Kira";
        else if (line == 100)
            text += " Avans";
        pages[size_t((line - 1) / 70)].push_back({40, 40 + (line - 1) % 70 * 14, text});
    }
    return std::make_unique<FakePages>(pages);
}

// The zoom items the page tracking is tried in: rows of two and of five pages, and one page a row.
const std::pair<const char*, int> kZoomItems[] = {{"Two pages", 3}, {"50%", 50}, {"25%", 25}, {"Page width", 1}};

class PreviewPagesTest : public PreviewFormTest {
protected:
    // The six pages of lines in a page box of 1000 x 400, in the zoom of the item with `tag`, chosen
    // from the zoom button's menu.
    void ShowLinesIn(int tag)
    {
        report.pages = SixPagesOfLines();
        Show({1000, 400});
        MouseClick(form->ZoomBtnXP);
        QAction* item = nullptr;
        for (QAction* a : form->ProcMenu->actions())
            if (a->data().toInt() == tag)
                item = a;
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(form->ProcMenu, Qt::LeftButton, {}, form->ProcMenu->actionGeometry(item).center());
        ASSERT_EQ(form->ZoomMode, tag <= 3 ? tag : 0);
    }
    // A key through the focused control; until a control takes the focus the keys go to the window.
    void Press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus != nullptr ? focus : form.data(), key, mods);
    }
};
}  // namespace

// In every zoom, rows of several pages too, the find and F3 walk the hits in page order, name the page
// of the hit and bring the hit into view; "Current page" with another text searches that page from its
// first line.
TEST_F(PreviewPagesTest, FindAndF3WalkTheHitsInPageOrderInEveryZoom)
{
    for (const auto& [zoom, tag] : kZoomItems) {
        SCOPED_TRACE(zoom);
        ShowLinesIn(tag);
        auto find = [&](const QString& text, bool currentPage) {
            WhenModal([=](QWidget* w) {
                auto* dlg = qobject_cast<TfrPreviewSearchForm*>(w);
                ASSERT_NE(dlg, nullptr);
                TypeKeys(dlg->Edit1, text);
                MouseClick(currentPage ? dlg->RB2 : dlg->RB1);
                MouseClick(dlg->Button1);
            });
            Press(Qt::Key_F, Qt::ControlModifier);
        };
        // the page label and the line of the hit, which must lie in the page box
        auto seen = [&] {
            if (!form->Found)
                return form->Label1->text() + " -";
            const TRect& page = form->R.at(size_t(form->FindPage));
            const QPoint at(page.Left + qRound(form->FoundRect.Left * form->Scale) - form->HScrollBar->value(),
                            page.Top + qRound(form->FoundRect.Top * form->Scale) - form->VScrollBar->value());
            EXPECT_TRUE(form->PageBox->rect().contains(at)) << at.x() << "," << at.y();
            const int line = form->FindPage * 70 + (form->FoundRect.Top - 40 + 7) / 14 + 1;
            return form->Label1->text() + " " + QString::number(line);
        };
        QStringList got;
        find("kira", false);
        got << seen();
        for (int i = 0; i < 4; ++i) {
            Press(Qt::Key_F3);
            got << seen();
        }
        EXPECT_EQ(got, QStringList({"Page 2/6 85", "Page 2/6 120", "Page 5/6 290", "Page 5/6 -", "Page 5/6 290"}));
        find("kira", false);
        Press(Qt::Key_F3);
        find("avans", true);  // above the last hit, on the same page
        EXPECT_EQ(seen(), QString("Page 2/6 100"));
    }
}

// Ctrl+Page Down and Ctrl+Page Up step through every page, also where a row holds several pages or the
// scroll stops short of a page's top.
TEST_F(PreviewPagesTest, PageKeysStepThroughEveryPageInEveryZoom)
{
    for (const auto& [zoom, tag] : kZoomItems) {
        SCOPED_TRACE(zoom);
        ShowLinesIn(tag);
        QStringList got;
        for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageUp}) {
            for (int i = 0; i < 5; ++i) {
                Press(key, Qt::ControlModifier);
                got << form->Label1->text().mid(5, 1);
            }
        }
        EXPECT_EQ(got.join(""), QString("2345654321"));
    }
}

TEST_F(PreviewFormTest, TheWindowShowsItsIcon)
{
    Show();
    const QImage icon = form->windowIcon().pixmap(16, 16).toImage();
    ASSERT_FALSE(icon.isNull());
    // the ground shows through, the sheet is white and framed
    EXPECT_EQ((QList<QRgb>{icon.pixel(0, 15), icon.pixel(3, 1), icon.pixel(1, 0)}),
              (QList<QRgb>{qRgba(0, 0, 0, 0), qRgb(255, 255, 255), qRgb(0, 0, 0)}));
}

TEST_F(PreviewFormTest, SaveGivesThePagesToTheReportForTheWrite)
{
    Show();
    TestDialogs().fileNames = QStringList{Path("rapor.txt"), Path("salt/rapor")};
    SendKey(form->PageBox, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(report.calls, QStringList{"save " + Path("rapor.frp") + " pages 3"});
    EXPECT_NE(form->EMFPages, nullptr);
    EXPECT_EQ(report.pages, nullptr);
    form->SaveBtnXP->click();  // a write that fails keeps the pages in the window
    EXPECT_EQ(TestDialogs().Texts(), QStringList{"Dosya yazılamadı"});
    ASSERT_NE(form->EMFPages, nullptr);
    EXPECT_EQ(form->EMFPages->Count(), 3);
    EXPECT_EQ(TestDialogs().shown.at(0).kind, "save");
}

TEST_F(PreviewFormTest, OpenShowsTheFilesPagesAndABadFileKeepsTheShownOnes)
{
    Show();
    form->ShownPage = 3;
    TestDialogs().fileNames = QStringList{Path("bozuk.frp"), Path("iki.frp")};
    form->LoadBtnXP->click();
    EXPECT_EQ(TestDialogs().Texts(), QStringList{"Dosya okunamadı"});
    ASSERT_NE(form->EMFPages, nullptr);
    EXPECT_EQ(form->EMFPages->Count(), 3);
    EXPECT_TRUE(form->PaintReady);
    SendKey(form->PageBox, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(form->EMFPages->Count(), 2);
    EXPECT_EQ(form->Label1->text(), "Page 1/2");
    EXPECT_EQ(report.pages, nullptr);
}

namespace {
// Stand-in printers in the engine's printer object (the fixture puts it back); the last is the virtual one.
void UsePrinters(QStringList names)
{
    frPrinterObject().VirtualPrinterIndex = static_cast<int>(names.size()) - 1;
    frPrinterObject().Printers = std::move(names);
    frPrinterObject().PrinterIndex = 0;
}

void AnswerPrintDialog(std::function<void(TfrPrintForm*)> fill)
{
    WhenModal([fill](QWidget* w) {
        auto* dlg = qobject_cast<TfrPrintForm*>(w);
        ASSERT_NE(dlg, nullptr);
        fill(dlg);
    });
}
}  // namespace

TEST_F(PreviewFormTest, PrintSendsThePagesChosenInTheDialog)
{
    UsePrinters({"Lazer", "Mürekkep", QString()});
    Show();
    EXPECT_TRUE(form->PrintBtn->isEnabled());
    const auto otherPrinter = [](TfrPrintForm* d) {
        d->CB1->setCurrentIndex(1);
        emit d->CB1->activated(1);
        d->Button1->click();
    };
    struct Case {
        const char* name;
        std::function<void(TfrPrintForm*)> fill;
        QStringList calls;
        bool printerValid = true;
        bool byKey = false;
    };
    const Case cases[] = {
        {"all", [](TfrPrintForm* d) { d->Button1->click(); }, {"print '' 1 pages 3"}},
        {"current page and copies",
         [](TfrPrintForm* d) {
             d->RB2->setChecked(true);
             d->E1->setText("2");
             d->Button1->click();
         },
         {"print '2' 2 pages 3"}},
        {"numbers",
         [](TfrPrintForm* d) {
             d->RB3->setChecked(true);
             d->E2->setText("1,3");
             d->Button1->click();
         },
         {"print '1,3' 1 pages 3"}},
        {"cancel", [](TfrPrintForm* d) { d->Button2->click(); }, {}},
        {"copies that are no number",
         [](TfrPrintForm* d) {
             d->E1->setText("iki");
             d->Button1->click();
         },
         {}},
        {"no copies", [](TfrPrintForm* d) { TypeKeys(d->E1, "0"); MouseClick(d->Button1); }, {}},
        {"fewer than no copies", [](TfrPrintForm* d) { TypeKeys(d->E1, "-2"); MouseClick(d->Button1); }, {}},
        {"a page list that is no list",
         [](TfrPrintForm* d) {
             d->RB3->setChecked(true);
             d->E2->setText("1,,3");
             d->Button1->click();
         },
         {}},
        {"another printer rebuilds the pages", otherPrinter, {"change 0 1", "prepare", "print '' 1 pages 3"}},
        {"an invalid printer prints nothing; Ctrl+P", otherPrinter, {"change 0 1"}, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        report.calls.clear();
        report.changeAnswer = c.printerValid;
        frPrinterObject().PrinterIndex = 0;
        form->ShownPage = 2;
        form->VScrollBar->setValue(1100);
        AnswerPrintDialog(c.fill);
        if (c.byKey)
            SendKey(form->PageBox, Qt::Key_P, Qt::ControlModifier);
        else
            form->PrintBtnXP->click();
        EXPECT_EQ(report.calls, c.calls);
        ASSERT_NE(form->EMFPages, nullptr);
        EXPECT_EQ(report.pages, nullptr);
    }
    // the conversion errors, a count of copies below one refused as one that is no number
    EXPECT_EQ(TestDialogs().Texts(), QStringList({"'iki' geçerli bir tamsayı değil", "'0' geçerli bir tamsayı değil",
                                                  "'-2' geçerli bir tamsayı değil", "'' geçerli bir tamsayı değil"}));
}

TEST_F(PreviewFormTest, NoPrinterNoPrinting)
{
    UsePrinters({QString()});
    Show();
    EXPECT_FALSE(form->PrintBtn->isEnabled() || form->PrintBtnXP->isEnabled());
    form->PrintBtnClick();
    EXPECT_TRUE(report.calls.isEmpty());
}
