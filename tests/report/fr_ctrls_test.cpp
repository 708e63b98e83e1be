#include "report/fr_ctrls.h"
#include "report/fr_glyphs.h"

#include "case_table.h"
#include "golden.h"
#include "input_support.h"
#include "view_test_support.h"

#include <QPainter>
#include <QShortcut>

#include <gtest/gtest.h>

namespace {
QImage Strip(int w, int h, QColor fill = Qt::red)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill);
    img.setPixel(0, h - 1, QColor(128, 128, 0).rgb());
    return img;
}

// Button face gray, white highlight and gray shadow: the colours the state images are made of.
QPalette ButtonPalette()
{
    QPalette pal;
    pal.setColor(QPalette::Button, QColor(192, 192, 192));
    pal.setColor(QPalette::Light, Qt::white);
    pal.setColor(QPalette::Dark, QColor(128, 128, 128));
    return pal;
}

void Press(QWidget* w, Qt::MouseButton button = Qt::LeftButton, QEvent::Type type = QEvent::MouseButtonPress)
{
    SendMouse(w, type, {5, 5}, button, button);
}

void Release(QWidget* w, QPoint at = {5, 5})
{
    SendMouse(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void ClickOn(QWidget* w)
{
    Press(w);
    Release(w);
}

void Enter(QWidget* w)
{
    QEnterEvent e(QPointF(5, 5), QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(w, &e);
}

void Leave(QWidget* w)
{
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(w, &e);
}
}  // namespace

TEST(SpeedButtonGlyph, StripWidthSetsTheNumberOfImages)
{
    struct Case {
        int w, h, expected;
    };
    for (const Case c : {Case{64, 16, 4}, Case{80, 16, 1}, Case{32, 16, 2}, Case{16, 16, 1}}) {
        TfrSpeedButton b;
        b.SetNumGlyphs(3);
        b.SetGlyph(Strip(c.w, c.h));
        EXPECT_EQ(b.NumGlyphs(), c.expected) << c.w << "x" << c.h;
    }
    TfrSpeedButton odd;
    odd.SetNumGlyphs(3);
    odd.SetGlyph(Strip(50, 16));  // no whole multiple: the count stays
    EXPECT_EQ(odd.ButtonGlyph().GlyphSize(), QSize(16, 16));
    QList<int> counts{odd.NumGlyphs()};
    odd.SetNumGlyphs(9);
    counts << odd.NumGlyphs();
    odd.SetNumGlyphs(0);  // would divide by zero
    EXPECT_EQ(counts << odd.NumGlyphs(), (QList<int>{3, 4, 1}));
}

// The state images of a strip (up red, disabled white and gray halves, down blue, no exclusive image), of a
// lone glyph, whose disabled image is embossed, and of a strip whose see-through colour is its corner.
TEST(SpeedButtonGlyph, StateImages)
{
    const QPalette pal = ButtonPalette();
    QStringList art;
    QImage strip(48, 16, QImage::Format_RGB32);
    strip.fill(QColor(128, 128, 0));
    for (int y = 2; y < 14; ++y)
        for (int x = 2; x < 14; ++x) {
            strip.setPixel(x, y, qRgb(255, 0, 0));
            strip.setPixel(16 + x, y, x < 8 ? qRgb(255, 255, 255) : qRgb(128, 128, 128));
            strip.setPixel(32 + x, y, qRgb(0, 0, 255));
        }
    TButtonGlyph g;
    g.SetGlyph(strip);
    ASSERT_EQ(g.NumGlyphs(), 3);
    for (auto [state, name] : {std::pair{bsDown, "down"}, {bsExclusive, "exclusive"}, {bsDisabled, "disabled"},
                               {bsInactive, "inactive"}})
        art << Art(QStringLiteral("strip, %1:").arg(name), g.StateImage(state, pal).toImage());
    QImage lone(16, 16, QImage::Format_RGB32);
    lone.fill(QColor(128, 128, 0));
    lone.setPixel(5, 5, qRgb(0, 0, 0));
    TButtonGlyph single;
    single.SetGlyph(lone);
    art << Art("lone glyph, disabled:", single.StateImage(bsDisabled, pal).toImage());
    TButtonGlyph cyan;
    EXPECT_EQ(cyan.TransparentColor(), QColor(128, 128, 0));
    QImage img = Strip(16, 16);
    img.setPixel(0, 15, qRgb(0, 255, 255));
    cyan.SetGlyph(img);
    EXPECT_EQ(cyan.TransparentColor(), QColor(0, 255, 255));
    art << Art("cyan corner, up:", cyan.StateImage(bsUp, QPalette()).toImage());
    ExpectGolden("report/button_state_images.txt", art);
}

TEST(SpeedButtonGlyph, GrayValue)
{
    // weights 77, 150 and 29 of 256
    const std::pair<QRgb, int> cases[] = {{qRgb(255, 0, 0), 76}, {qRgb(0, 255, 0), 149}, {qRgb(0, 0, 255), 28},
                                          {qRgb(255, 255, 255), 255}};
    for (const auto& [colour, gray] : cases)
        EXPECT_EQ(frGrayPixel(colour), qRgb(gray, gray, gray)) << std::hex << colour;
}

TEST(SpeedButtonGlyph, SharedListsPerSizeAreGivenBackWithTheLastImage)
{
    {
        TButtonGlyph a;
        TButtonGlyph b;
        TButtonGlyph c;
        a.SetGlyph(Strip(16, 16));
        b.SetGlyph(Strip(16, 16));
        c.SetGlyph(Strip(8, 8));
        a.StateImage(bsUp, QPalette());
        b.StateImage(bsUp, QPalette());
        b.StateImage(bsInactive, QPalette());
        c.StateImage(bsUp, QPalette());
        TGlyphCache* cache = frGlyphCache();
        ASSERT_NE(cache, nullptr);
        TGlyphList* list16 = cache->GetList(QSize(16, 16));
        EXPECT_EQ(list16->Count(), 3);
        b.SetGlyph(Strip(16, 16));  // a new bitmap throws its images away
        EXPECT_EQ(list16->Count(), 1);
        EXPECT_FALSE(b.HasStateImage(bsUp));
    }
    EXPECT_EQ(frGlyphCache(), nullptr);
}

TEST(SpeedButtonGlyph, ListReusesFreedSlots)
{
    TGlyphList list(QSize(4, 4));
    for (int slot : {0, 1, 2})
        EXPECT_EQ(list.Add(QPixmap(4, 4)), slot);
    list.Delete(1);
    list.Delete(1);  // twice changes nothing
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Add(QPixmap(4, 4)), 1);
    EXPECT_EQ(list.Count(), 3);
}

TEST(SpeedButtonLayout, GlyphAndCaptionPlacement)
{
    auto numbers = [](const QString& text) {
        QList<int> n;
        for (const QString& part : text.split(','))
            n << part.toInt();
        return n;
    };
    for (const CaseLine& c : ReadCases("report/button_layout.tsv", 9)) {
        const QList<int> client = numbers(c[1]), glyph = numbers(c[2]), text = numbers(c[3]);
        const TfrButtonLayoutResult r = frCalcButtonLayout(
            QRect(client[0], client[1], client[2], client[3]), QSize(glyph[0], glyph[1]), QSize(text[0], text[1]),
            static_cast<TfrButtonLayout>(c[4].toInt()), c[5].toInt(), c[6].toInt());
        EXPECT_EQ(QStringLiteral("%1,%2").arg(r.GlyphPos.x()).arg(r.GlyphPos.y()), c[7]) << c.where.toStdString();
        EXPECT_EQ(QStringLiteral("%1,%2").arg(r.TextBounds.left()).arg(r.TextBounds.top()), c[8]) << c.where.toStdString();
    }
}

TEST(SpeedButton, LoneGroupButtonStaysDownUnlessAllUpIsAllowed)
{
    QWidget parent;
    auto* b = new TfrSpeedButton(&parent);
    b->SetGroupIndex(1);
    int clicks = 0;
    QObject::connect(b, &TfrSpeedButton::clicked, [&] { ++clicks; });
    auto click = [&] {
        ClickOn(b);
        return std::pair(b->Down(), b->State());
    };
    EXPECT_EQ(click(), std::pair(true, bsExclusive));
    EXPECT_EQ(click(), std::pair(true, bsExclusive));
    b->SetAllowAllUp(true);
    EXPECT_EQ(click(), std::pair(false, bsUp));
    EXPECT_EQ(clicks, 3);
}

TEST(SpeedButton, GroupMembersReleaseEachOther)
{
    QWidget parent;
    auto* a = new TfrSpeedButton(&parent);
    auto* b = new TfrSpeedButton(&parent);
    auto* other = new TfrSpeedButton(&parent);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    other->SetGroupIndex(2);
    other->SetDown(true);
    a->SetDown(true);
    b->SetAllowAllUp(true);  // told to the group
    EXPECT_TRUE(a->AllowAllUp());
    b->SetDown(true);
    EXPECT_EQ(std::pair(a->Down(), a->State()), std::pair(false, bsUp));
    EXPECT_TRUE(other->Down());
    TfrSpeedButton single;
    single.SetDown(true);  // without a group a button never stays down
    EXPECT_FALSE(single.Down());
}

TEST(SpeedButton, PressDragAndRelease)
{
    QWidget parent;
    auto* b = new TfrSpeedButton(&parent);
    int clicks = 0;
    QObject::connect(b, &TfrSpeedButton::clicked, [&] { ++clicks; });
    Press(b);
    EXPECT_EQ(b->State(), bsDown);
    SendMouse(b, QEvent::MouseMove, {50, 50}, Qt::NoButton);
    EXPECT_EQ(b->State(), bsUp);
    Release(b, {50, 50});  // released away: no click
    EXPECT_EQ(clicks, 0);
    Press(b, Qt::RightButton);
    EXPECT_EQ(b->State(), bsUp);
    b->setEnabled(false);
    Press(b);
    Release(b);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(b->State(), bsDisabled);
}

TEST(SpeedButton, DoubleClickOnADownButton)
{
    QWidget parent;
    auto* b = new TfrSpeedButton(&parent);
    b->SetGroupIndex(3);
    int doubles = 0;
    QObject::connect(b, &TfrSpeedButton::doubleClicked, [&] { ++doubles; });
    Press(b, Qt::LeftButton, QEvent::MouseButtonDblClick);
    Release(b);
    EXPECT_EQ(doubles, 0);  // it went down with this click
    Press(b, Qt::LeftButton, QEvent::MouseButtonDblClick);
    EXPECT_EQ(doubles, 1);
}

TEST(SpeedButton, FlatButtonIsGrayUntilTheMouseEnters)
{
    QWidget parent;
    parent.setAttribute(Qt::WA_DontShowOnScreen);
    parent.resize(100, 22);  // a toolbar button takes its row's height
    auto* b = new TfrTBButton(&parent);
    QImage img(16, 16, QImage::Format_RGB32);
    img.fill(qRgb(255, 0, 0));
    img.setPixel(0, 15, qRgb(128, 128, 0));
    b->SetGlyph(img);
    parent.show();
    int entered = 0;
    int left = 0;
    QObject::connect(b, &TfrSpeedButton::mouseEntered, [&] { ++entered; });
    QObject::connect(b, &TfrSpeedButton::mouseLeft, [&] { ++left; });
    auto drawn = [b] { return std::pair(b->DrawnState(), b->grab().toImage().pixel(11, 11)); };
    EXPECT_EQ(drawn(), std::pair(bsInactive, qRgb(76, 76, 76)));
    Enter(b);
    EXPECT_TRUE(b->MouseInControl());
    EXPECT_EQ(drawn(), std::pair(bsUp, qRgb(255, 0, 0)));
    Enter(b);  // already inside
    Leave(b);
    EXPECT_EQ(b->DrawnState(), bsInactive);
    EXPECT_EQ(std::pair(entered, left), std::pair(1, 1));
    b->SetGrayedInactive(false);
    EXPECT_EQ(b->grab().toImage().pixel(11, 11), qRgb(255, 0, 0));
}

TEST(SpeedButton, DisabledCaptionIsEngraved)
{
    QWidget parent;
    parent.setAttribute(Qt::WA_DontShowOnScreen);
    auto* b = new TfrSpeedButton(&parent);
    b->resize(60, 22);
    b->SetCaption("MMM");
    QPalette pal = b->palette();
    pal.setColor(QPalette::Button, QColor(192, 192, 192));
    b->setPalette(pal);
    b->setEnabled(false);
    parent.show();
    const QImage img = b->grab().toImage();
    bool white = false;
    bool gray = false;
    for (int y = 4; y < 18; ++y)
        for (int x = 4; x < 56; ++x) {
            // the lit copy, nearly white where a smoothed stem covers a whole pixel
            white = white || qGray(img.pixel(x, y)) >= 240;
            gray = gray || img.pixel(x, y) == qRgb(128, 128, 128);
        }
    EXPECT_TRUE(white && gray);
}

TEST(SpeedButton, AcceleratorClicksAnEnabledButton)
{
    QWidget parent;
    parent.setAttribute(Qt::WA_DontShowOnScreen);
    auto* b = new TfrSpeedButton(&parent);
    b->SetCaption("&Yazdır");
    parent.show();
    int clicks = 0;
    QObject::connect(b, &TfrSpeedButton::clicked, [&] { ++clicks; });
    auto* accel = b->findChild<QShortcut*>();
    ASSERT_NE(accel, nullptr);
    EXPECT_EQ(accel->key(), QKeySequence(Qt::ALT | Qt::Key_Y));
    emit accel->activated();
    b->setEnabled(false);
    emit accel->activated();
    EXPECT_EQ(clicks, 1);
}

TEST(ToolbarSeparator, EtchedLineAcrossTheMiddle)
{
    QWidget outer;
    frSetWidgetAlign(&outer, TfrAlign::alLeft);
    auto* column = new QWidget(&outer);
    auto* row = new QWidget;
    auto* inColumn = new TfrTBSeparator(column);
    auto* inRow = new TfrTBSeparator(row);
    auto* button = new TfrTBButton(column);
    EXPECT_EQ((QList<TfrAlign>{inColumn->Align(), inRow->Align(), button->Align()}),
              (QList<TfrAlign>{TfrAlign::alTop, TfrAlign::alLeft, TfrAlign::alTop}));
    EXPECT_TRUE(button->Flat());
    inRow->setPalette(ButtonPalette());
    row->resize(8, 20);  // aligned, the separator takes the row's height
    inRow->resize(8, 20);
    QStringList art = Art("in a row:", inRow->grab().toImage());
    inRow->SetAlign(TfrAlign::alTop);
    row->resize(20, 8);
    inRow->resize(20, 8);
    art << Art("in a column:", inRow->grab().toImage());
    inRow->SetDrawBevel(false);
    art << Art("without bevel:", inRow->grab().toImage());
    ExpectGolden("report/toolbar_separator.txt", art);
    delete row;
}

namespace {
QList<QRect> Geometries(const QList<QWidget*>& widgets)
{
    QList<QRect> rects;
    for (const QWidget* w : widgets)
        rects << w->geometry();
    return rects;
}
}  // namespace

TEST(ToolbarAlign, ButtonsAndSeparatorsStandInTheirPanelByTheirAlignment)
{
    QWidget window;
    window.resize(400, 300);
    auto* row = new QWidget(&window);
    row->setGeometry(4, 6, 300, 24);
    auto* first = new TfrTBButton(row);
    auto* gap = new TfrTBSeparator(row);
    auto* wide = new TfrTBButton(row);
    wide->resize(53, 24);
    auto* last = new TfrTBButton(row);
    const QList<QWidget*> inRow{first, gap, wide, last};
    EXPECT_EQ(Geometries(inRow), (QList<QRect>{{0, 0, 22, 24}, {22, 0, 8, 24}, {30, 0, 53, 24}, {83, 0, 22, 24}}));
    first->hide();
    EXPECT_EQ(Geometries({gap, wide, last}), (QList<QRect>{{0, 0, 8, 24}, {8, 0, 53, 24}, {61, 0, 22, 24}}));
    first->show();
    window.show();
    row->resize(300, 30);
    EXPECT_EQ(Geometries(inRow), (QList<QRect>{{0, 0, 22, 30}, {22, 0, 8, 30}, {30, 0, 53, 30}, {83, 0, 22, 30}}));
    wide->resize(40, 30);
    EXPECT_EQ(last->geometry(), QRect(70, 0, 22, 30));
    last->SetAlign(TfrAlign::alRight);
    EXPECT_EQ(last->geometry(), QRect(278, 0, 22, 30));

    // in a column (a panel of a left-aligned panel) they stand top to bottom across its width
    auto* side = new QWidget(&window);
    frSetWidgetAlign(side, TfrAlign::alLeft);
    auto* column = new QWidget(side);
    column->setGeometry(0, 0, 26, 200);
    auto* top = new TfrTBButton(column);
    auto* between = new TfrTBSeparator(column);
    auto* below = new TfrTBButton(column);
    EXPECT_EQ(Geometries({top, between, below}), (QList<QRect>{{0, 0, 26, 22}, {0, 22, 26, 8}, {0, 30, 26, 22}}));
    // a button moved to another panel leaves no gap behind and joins the row at its end
    top->setParent(row);
    top->show();
    EXPECT_EQ(Geometries({between, below}), (QList<QRect>{{0, 0, 26, 8}, {0, 8, 26, 22}}));
    EXPECT_EQ(top->Align(), TfrAlign::alLeft);
    EXPECT_EQ(top->geometry(), QRect(70, 0, 26, 30));
}

TEST(ButtonGlyphs, EveryPictureShowsThroughAtItsCorner)
{
    QStringList art;
    for (TfrGlyph g : {TfrGlyph::Zoom, TfrGlyph::Open, TfrGlyph::Save, TfrGlyph::Print, TfrGlyph::Find,
                       TfrGlyph::Help, TfrGlyph::Exit, TfrGlyph::PageUp, TfrGlyph::PageDown, TfrGlyph::SpinUp,
                       TfrGlyph::SpinDown, TfrGlyph::PrinterItem})
        art << Art(QStringLiteral("glyph %1:").arg(static_cast<int>(g)), frGlyphImage(g));
    ExpectGolden("report/button_glyphs.txt", art);
}
