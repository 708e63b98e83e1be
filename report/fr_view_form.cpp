#include "report/fr_view_form.h"

#include "base/dialogs.h"
#include "base/numbers.h"
#include "base/printer.h"
#include "base/text_run_recorder.h"
#include "report/fr_ctrls.h"
#include "report/fr_glyphs.h"
#include "report/fr_page_list.h"
#include "report/fr_prdlg.h"
#include "report/fr_preview_layout.h"
#include "report/fr_prntr.h"
#include "report/fr_srch.h"
#include "report/fr_strings.h"
#include "report/fr_utils.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QPaintEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <QWhatsThis>

#include <algorithm>
#include <optional>

double frRememberedScale = 1.0;
int frRememberedZoom = 0;

namespace {
const QColor kBoxGray(128, 128, 128);

// The panel of the large command buttons, shaded like a navigation pane's header.
class TJvNavPaneToolPanel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, QColor(227, 239, 255));
        g.setColorAt(1, QColor(173, 209, 255));
        p.fillRect(rect(), g);
        p.setPen(QColor(101, 147, 207));
        p.drawLine(0, height() - 1, width(), height() - 1);
    }
};

QFrame* MakeBevel(QWidget* parent, const char* name)
{
    auto* bevel = new QFrame(parent);
    bevel->setObjectName(name);
    bevel->setFrameShape(QFrame::Box);
    bevel->setFrameShadow(QFrame::Sunken);
    return bevel;
}

TfrTBButton* MakeSmallButton(QWidget* parent, const char* name, TfrGlyph glyph, int tag)
{
    auto* b = new TfrTBButton(parent);
    b->setObjectName(name);
    b->resize(22, 24);
    b->SetGlyph(frGlyphImage(glyph));
    b->SetTag(tag);
    b->setProperty("Tag", tag);
    b->hide();
    return b;
}

TfrTBSeparator* MakeSeparator(QWidget* parent, const char* name)
{
    auto* s = new TfrTBSeparator(parent);
    s->setObjectName(name);
    s->resize(8, 24);
    s->SetDrawBevel(false);
    return s;
}

QPushButton* MakeLargeButton(QWidget* parent, const char* name, const QString& caption, int left)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(left, 12, 81, 29);
    b->setFont(parent->font());  // the panel's bold face, which a push button would not inherit
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

QScrollBar* MakeScrollBar(Qt::Orientation orientation, QWidget* parent, const char* name)
{
    auto* bar = new QScrollBar(orientation, parent);
    bar->setObjectName(name);
    bar->setSingleStep(10);
    bar->setPageStep(200);
    bar->setMaximum(32000);
    return bar;
}

// Takes the report's pages back into the window when it goes, whatever happened meanwhile.
struct PagesBack {
    TfrPreviewForm* form;
    ~PagesBack() { form->TakePages(form->ShownReport); }
};
}  // namespace

QString frPreparedReportFileName(const QString& fileName)
{
    const int slash = static_cast<int>(std::max(fileName.lastIndexOf('/'), fileName.lastIndexOf('\\')));
    const int dot = static_cast<int>(fileName.lastIndexOf('.'));
    return (dot > slash ? fileName.left(dot) : fileName) + ".frp";
}

TfrPBox::TfrPBox(TfrPreviewForm* owner, QWidget* parent) : QWidget(parent), OwnerForm(owner)
{
    setObjectName("PageBox");
    setProperty("Tag", 207);
    // everything is painted here: no background erase
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kBoxGray);
    setPalette(pal);
}

void TfrPBox::paintEvent(QPaintEvent* event)
{
    TfrPreviewForm& f = *OwnerForm;
    QPainter painter(this);
    if (!f.PaintReady)
        return;
    if (!f.EMFPages) {
        painter.fillRect(rect(), palette().color(QPalette::Button));
        return;
    }
    TCanvas canvas(&painter);
    const QRect clip = event->rect();
    const int count = std::min(f.EMFPages->Count(), static_cast<int>(f.R.size()));
    std::vector<bool> visible(static_cast<size_t>(count));
    std::vector<TRect> shown(static_cast<size_t>(count));
    QRegion gray = event->region();
    // below 2000 pixels nothing was drawn before; a taller box shows its pages too
    const int lowest = std::max(2000, height());
    for (int i = 0; i < count; ++i) {
        const TRect& p = f.R[static_cast<size_t>(i)];
        const TRect r{p.Left + f.ShiftX, p.Top + f.ShiftY, p.Right + f.ShiftX, p.Bottom + f.ShiftY};
        shown[static_cast<size_t>(i)] = r;
        const bool v = r.Top <= lowest && r.Bottom >= 0 && r.ToQRect().intersects(clip);
        visible[static_cast<size_t>(i)] = v;
        f.EMFPages->SetVisible(i, v);
        if (v)
            gray -= QRect(r.Left + 1, r.Top + 1, r.Width() - 2, r.Height() - 2);
    }
    painter.save();
    painter.setClipRegion(gray);
    painter.fillRect(rect(), kBoxGray);
    painter.restore();
    canvas.SetPen(0x000000, 1);
    canvas.SetBrush(0xFFFFFF);
    for (int i = 0; i < count; ++i) {
        if (!visible[static_cast<size_t>(i)])
            continue;
        const TRect& r = shown[static_cast<size_t>(i)];
        canvas.Rectangle(r.Left, r.Top, r.Right, r.Bottom);
        canvas.MoveTo(r.Left + 1, r.Bottom);
        canvas.LineTo(r.Right, r.Bottom);
        canvas.LineTo(r.Right, r.Top + 1);
    }
    for (int i = 0; i < count; ++i) {
        if (visible[static_cast<size_t>(i)]) {
            const TRect content = frPageContentRect(shown[static_cast<size_t>(i)], f.EMFPages->PageInfo(i),
                                                    f.EMFPages->ApplyMargins(i), f.Scale);
            painter.save();
            f.EMFPages->Draw(i, canvas, content);
            painter.restore();
        } else {
            f.EMFPages->Draw(i, canvas, TRect{});
        }
    }
}

void TfrPBox::mousePressEvent(QMouseEvent* event)
{
    if (DblClicked) {
        DblClicked = false;
        return;
    }
    TfrPreviewForm& f = *OwnerForm;
    if (event->button() == Qt::LeftButton && f.EMFPages) {
        Panning = true;
        LastX = event->position().toPoint().x();
        LastY = event->position().toPoint().y();
        f.UpdatePageLabel();
    } else if (event->button() == Qt::RightButton) {
        f.ProcMenu->popup(event->globalPosition().toPoint());
    }
}

void TfrPBox::mouseMoveEvent(QMouseEvent* event)
{
    if (!Panning)
        return;
    TfrPreviewForm& f = *OwnerForm;
    const QPoint at = event->position().toPoint();
    f.HScrollBar->setValue(f.HScrollBar->value() - (at.x() - LastX));
    f.VScrollBar->setValue(f.VScrollBar->value() - (at.y() - LastY));
    LastX = at.x();
    LastY = at.y();
}

void TfrPBox::mouseReleaseEvent(QMouseEvent*)
{
    Panning = false;
}

void TfrPBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    // the press of a double click is not a second drag
    DblClicked = true;
    mousePressEvent(event);
}

TfrPreviewForm::TfrPreviewForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("frPreviewForm");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setFont(frWindowFont());
    setWindowIcon(QIcon(frGlyphPixmap(frGlyphImage(TfrGlyph::Preview))));
    resize(661, 383);

    TopPanel = new QWidget(this);
    TopPanel->setObjectName("TopPanel");
    Bevel2 = MakeBevel(TopPanel, "Bevel2");
    Panel1 = frPlace(new QWidget(TopPanel), "Panel1", 4, 6, 437, 24);
    ZoomBtn = MakeSmallButton(Panel1, "ZoomBtn", TfrGlyph::Zoom, 200);
    ZoomBtn->resize(53, 24);
    ZoomBtn->SetCaption("200%");
    ZoomBtn->SetMargin(3);
    frTBSeparator1 = MakeSeparator(Panel1, "frTBSeparator1");
    LoadBtn = MakeSmallButton(Panel1, "LoadBtn", TfrGlyph::Open, 201);
    SaveBtn = MakeSmallButton(Panel1, "SaveBtn", TfrGlyph::Save, 202);
    PrintBtn = MakeSmallButton(Panel1, "PrintBtn", TfrGlyph::Print, 203);
    frTBSeparator2 = MakeSeparator(Panel1, "frTBSeparator2");
    FindBtn = MakeSmallButton(Panel1, "FindBtn", TfrGlyph::Find, 204);
    HelpBtn = MakeSmallButton(Panel1, "HelpBtn", TfrGlyph::Help, 0);
    frTBSeparator4 = MakeSeparator(Panel1, "frTBSeparator4");
    ExitBtn = MakeSmallButton(Panel1, "ExitBtn", TfrGlyph::Exit, 205);
    frTBSeparator3 = MakeSeparator(Panel1, "frTBSeparator3");

    // made after Panel1, the tool panel lies above it and hides the small buttons
    JvNavPaneToolPanel1 = new TJvNavPaneToolPanel(TopPanel);
    JvNavPaneToolPanel1->setObjectName("JvNavPaneToolPanel1");
    QFont bold = frWindowFont();
    bold.setBold(true);
    JvNavPaneToolPanel1->setFont(bold);
    ZoomBtnXP = MakeLargeButton(JvNavPaneToolPanel1, "ZoomBtnXP", "200%", 48);
    PrintBtnXP = MakeLargeButton(JvNavPaneToolPanel1, "PrintBtnXP", "Yazdır", 130);
    SaveBtnXP = MakeLargeButton(JvNavPaneToolPanel1, "SaveBtnXP", "Sakla", 212);
    LoadBtnXP = MakeLargeButton(JvNavPaneToolPanel1, "LoadBtnXP", "Aç", 294);
    ExitBtnXP = MakeLargeButton(JvNavPaneToolPanel1, "ExitBtnXP", "Kapat", 376);

    PreviewPanel = new QWidget(this);
    PreviewPanel->setObjectName("PreviewPanel");
    ScrollBox1 = new QWidget(PreviewPanel);
    ScrollBox1->setObjectName("ScrollBox1");
    RPanel = new QWidget(ScrollBox1);
    RPanel->setObjectName("RPanel");
    frSetWidgetAlign(RPanel, TfrAlign::alRight);
    VScrollBar = MakeScrollBar(Qt::Vertical, RPanel, "VScrollBar");
    PgUp = new TfrSpeedButton(RPanel);
    PgUp->setObjectName("PgUp");
    PgUp->resize(16, 16);
    PgUp->SetGlyph(frGlyphImage(TfrGlyph::PageUp));
    PgDown = new TfrSpeedButton(RPanel);
    PgDown->setObjectName("PgDown");
    PgDown->resize(16, 16);
    PgDown->SetGlyph(frGlyphImage(TfrGlyph::PageDown));
    BPanel = new QWidget(PreviewPanel);
    BPanel->setObjectName("BPanel");
    Bevel1 = MakeBevel(BPanel, "Bevel1");
    Bevel1->setGeometry(0, 1, 77, 17);
    Bevel1->setProperty("Tag", 206);
    Label1 = frPlace(new QLabel(BPanel), "Label1", 4, 3, 72, 13);
    Label1->setProperty("Tag", 206);
    HScrollBar = MakeScrollBar(Qt::Horizontal, BPanel, "HScrollBar");
    HScrollBar->setGeometry(80, 1, 100, 16);

    ProcMenu = new QMenu(this);
    ProcMenu->setObjectName("ProcMenu");
    ZoomGroup = new QActionGroup(ProcMenu);
    ZoomGroup->setExclusive(true);
    auto addZoom = [this](const QString& caption, int tag) {
        QAction* a = ProcMenu->addAction(caption);
        a->setCheckable(true);
        a->setData(tag);
        ZoomGroup->addAction(a);
        return a;
    };
    for (int tag : {200, 150, 100, 75, 50, 25, 10})
        addZoom(QString::number(tag) + "%", tag)->setChecked(tag == 100);
    N1 = addZoom(QString(), 1);
    N1->setObjectName("N1");
    N2 = addZoom(QString(), 2);
    N2->setObjectName("N2");
    N3 = addZoom(QString(), 3);
    N3->setObjectName("N3");
    N4 = ProcMenu->addSeparator();
    N4->setObjectName("N4");
    N5 = ProcMenu->addAction(QString());
    N5->setObjectName("N5");
    N6 = ProcMenu->addAction(QString());
    N6->setObjectName("N6");
    N7 = ProcMenu->addAction(QString());
    N7->setObjectName("N7");

    PageBox = nullptr;
    FormCreate();
}

TfrPreviewForm::~TfrPreviewForm()
{
    // the pages go with the window: the report's list stays empty
    EMFPages.reset();
}

void TfrPreviewForm::FormCreate()
{
    PageBox = new TfrPBox(this, ScrollBox1);
    N1->setText(frLoadStr(53020));
    N2->setText(frLoadStr(53021));
    N3->setText(frLoadStr(53022));
    N5->setText(frLoadStr(53029));
    N6->setText(frLoadStr(53030));
    N7->setText(frLoadStr(53031));
    ZoomBtn->setToolTip(frLoadStr(53024));
    LoadBtn->setToolTip(frLoadStr(53025));
    SaveBtn->setToolTip(frLoadStr(53026));
    PrintBtn->setToolTip(frLoadStr(53027));
    FindBtn->setToolTip(frLoadStr(53028));
    HelpBtn->setToolTip(frLoadStr(53032));
    ExitBtn->setToolTip(frLoadStr(53023));
    WheelFactor = 1;

    ConnectGuarded(VScrollBar, &QScrollBar::valueChanged, this, [this] { VScrollBarChange(); });
    ConnectGuarded(HScrollBar, &QScrollBar::valueChanged, this, [this] { HScrollBarChange(); });
    ConnectGuarded(PgUp, &TfrSpeedButton::clicked, this, [this] { PgUpClick(); });
    ConnectGuarded(PgDown, &TfrSpeedButton::clicked, this, [this] { PgDownClick(); });
    ConnectGuarded(ZoomBtn, &TfrSpeedButton::clicked, this, [this] { ZoomBtnClick(); });
    ConnectGuarded(ZoomBtnXP, &QPushButton::clicked, this, [this] { ZoomBtnXPClick(); });
    ConnectGuarded(LoadBtn, &TfrSpeedButton::clicked, this, [this] { LoadBtnClick(); });
    ConnectGuarded(LoadBtnXP, &QPushButton::clicked, this, [this] { LoadBtnClick(); });
    ConnectGuarded(SaveBtn, &TfrSpeedButton::clicked, this, [this] { SaveBtnClick(); });
    ConnectGuarded(SaveBtnXP, &QPushButton::clicked, this, [this] { SaveBtnClick(); });
    ConnectGuarded(PrintBtn, &TfrSpeedButton::clicked, this, [this] { PrintBtnClick(); });
    ConnectGuarded(PrintBtnXP, &QPushButton::clicked, this, [this] { PrintBtnClick(); });
    ConnectGuarded(ExitBtn, &TfrSpeedButton::clicked, this, [this] { ExitBtnClick(); });
    ConnectGuarded(ExitBtnXP, &QPushButton::clicked, this, [this] { ExitBtnClick(); });
    ConnectGuarded(FindBtn, &TfrSpeedButton::clicked, this, [this] { FindBtnClick(); });
    ConnectGuarded(HelpBtn, &TfrSpeedButton::clicked, this, [this] { HelpBtnClick(); });
    QObject::connect(ProcMenu, &QMenu::triggered, this, [this](QAction* a) {
        if (a->data().isValid())
            Guarded([this, a] { N3Click(a); });
    });

    // the window sees keys before the focused control, and the wheel over the scroll box
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        w->installEventFilter(this);
    ArrangeControls();
}

void TfrPreviewForm::ArrangeControls()
{
    const int w = width();
    const int h = height();
    TopPanel->setGeometry(0, 0, w, 49);
    Bevel2->setGeometry(0, 0, w, 2);
    JvNavPaneToolPanel1->setGeometry(0, 2, w, 47);
    PreviewPanel->setGeometry(0, 49, w, std::max(0, h - 49));
    const int pw = PreviewPanel->width();
    const int ph = PreviewPanel->height();
    BPanel->setGeometry(0, std::max(0, ph - 18), pw, 18);
    ScrollBox1->setGeometry(0, 0, pw, std::max(0, ph - 18));
    const int sw = ScrollBox1->width();
    const int sh = ScrollBox1->height();
    RPanel->setGeometry(std::max(0, sw - 16), 0, 16, sh);
    PageBox->setGeometry(0, 0, std::max(0, sw - (RPanel->isHidden() ? 0 : 16)), sh);
    PgDown->move(0, RPanel->height() - 16);
    PgUp->move(0, PgDown->y() - 16);
    VScrollBar->setGeometry(0, 0, 16, std::max(0, PgUp->y() - 1));
    HScrollBar->setGeometry(80, 1, std::max(0, BPanel->width() - 80 - (RPanel->isHidden() ? 0 : 16)), 16);
}

void TfrPreviewForm::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    ArrangeControls();
    FormResize();
}

void TfrPreviewForm::ShowReport(TfrPreviewReport* report)
{
    SetUpFor(report);
    // The maximized size is the whole screen; set it too for desktops without a window manager.
    if (QScreen* screen = this->screen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
    if (report->ModalPreview())
        exec();
    else
        show();
}

void TfrPreviewForm::ShowReportInPanel(TfrPreviewReport* report)
{
    setWindowFlags(Qt::Widget);
    SetUpFor(report);
    show();
}

void TfrPreviewForm::SetUpFor(TfrPreviewReport* report)
{
    TakePages(report);
    if (!report->DesignState()) {
        const int bits = report->PreviewButtons();
        ZoomBtn->setVisible(bits & frPbZoom);
        LoadBtn->setVisible(bits & frPbLoad);
        SaveBtn->setVisible(bits & frPbSave);
        PrintBtn->setVisible(bits & frPbPrint);
        FindBtn->setVisible(bits & frPbFind);
        HelpBtn->setVisible(bits & frPbHelp);
        ExitBtn->setVisible(bits & frPbExit);
        frTBSeparator1->setVisible(!ZoomBtn->isHidden());
        frTBSeparator3->setVisible(!FindBtn->isHidden() || !HelpBtn->isHidden());
    }
    // printing needs an installed printer; the large button follows the small one
    const bool printers = frPrinterObject().VirtualPrinterIndex > 0;
    PrintBtn->setEnabled(printers);
    PrintBtnXP->setEnabled(printers);
    for (QAction* a : {N4, N5, N6, N7})
        a->setVisible(false);
    if (report->InitialZoom() >= 1 && report->InitialZoom() <= 3)
        frRememberedZoom = report->InitialZoom();
    ArrangeControls();
    InitView();
    VScrollBar->setValue(0);
    HScrollBar->setValue(0);
    SavedHelpFile.clear();
}

void TfrPreviewForm::TakePages(TfrPreviewReport* report)
{
    ShownReport = report;
    EMFPages = report->TakePreparedPages();
}

void TfrPreviewForm::ReturnPages()
{
    if (ShownReport != nullptr)
        ShownReport->ReturnPreparedPages(std::move(EMFPages));
    EMFPages.reset();
}

void TfrPreviewForm::ReleasePageObjects(int index)
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    TCanvas canvas(&scratch);
    EMFPages->SetVisible(index, false);
    EMFPages->Draw(index, canvas, TRect{});
}

void TfrPreviewForm::InitView()
{
    if (!EMFPages)
        return;
    Scale = frRememberedScale;
    ZoomMode = frRememberedZoom;
    for (QAction* a : ZoomGroup->actions()) {
        const int tag = a->data().toInt();
        if ((ZoomMode >= 1 && ZoomMode <= 3 && tag == ZoomMode) || (ZoomMode == 0 && tag == Scale * 100))
            a->setChecked(true);
    }
    ShownPage = 1;
    UpdatePageLabel();
    ShiftX = ShiftY = LastHScroll = LastVScroll = 0;
    HScrollBar->setValue(0);
    VScrollBar->setValue(0);
    FormResize();
    for (int i = 0; i < EMFPages->Count(); ++i)
        ReleasePageObjects(i);
    PageBox->update();
}

void TfrPreviewForm::FormResize()
{
    if (!EMFPages || PageBox == nullptr)
        return;
    PaintReady = false;
    std::vector<QSize> sizes;
    for (int i = 0; i < EMFPages->Count(); ++i)
        sizes.emplace_back(EMFPages->PageInfo(i).PageWidth, EMFPages->PageInfo(i).PageHeight);
    const TfrPageLayout l =
        frLayoutPages(sizes, ShownPage - 1, ZoomMode, Scale, PageBox->width(), PageBox->height());
    Scale = l.Scale;
    ZoomBtn->SetCaption(frZoomCaption(Scale));
    ZoomBtnXP->setText(frZoomCaption(Scale));
    R = l.R;
    HScrollBar->setMaximum(l.HRange);
    HScrollBar->setEnabled(l.HRange != 0);
    VScrollBar->setMaximum(l.VRange);
    VScrollBar->setEnabled(l.VRange != 0);
    ScrollToShownPage();
    PaintReady = true;
    PageBox->update();
}

void TfrPreviewForm::ScrollToShownPage()
{
    if (ShownPage < 1 || ShownPage > static_cast<int>(R.size()))
        return;
    const int shown = ShownPage;
    const int top = R[static_cast<size_t>(shown - 1)].Top - 10;
    if (VScrollBar->value() != top)
        VScrollBar->setValue(top);
    // The page scrolled to stays the shown one: the position alone names the first page of its row, or
    // an earlier page where the scroll stops short of this one's top.
    ShownPage = shown;
    UpdatePageLabel();
}

void TfrPreviewForm::UpdatePageLabel()
{
    const int count = EMFPages ? EMFPages->Count() : 0;
    Label1->setText(frLoadStr(frRes_Page) + " " + QString::number(ShownPage) + "/" + QString::number(count));
}

void TfrPreviewForm::VScrollBarChange()
{
    const int pos = VScrollBar->value();
    PageBox->scroll(0, LastVScroll - pos);
    LastVScroll = pos;
    ShiftY = -pos;
    const int page = frPageAtScroll(R, pos);
    if (page >= 0)
        ShownPage = page + 1;
    UpdatePageLabel();
}

void TfrPreviewForm::HScrollBarChange()
{
    const int pos = HScrollBar->value();
    PageBox->scroll(LastHScroll - pos, 0);
    LastHScroll = pos;
    ShiftX = -pos;
}

void TfrPreviewForm::PgUpClick()
{
    if (ShownPage > 1)
        --ShownPage;
    UpdatePageLabel();
    ScrollToShownPage();
}

void TfrPreviewForm::PgDownClick()
{
    if (!EMFPages)
        return;
    if (ShownPage < EMFPages->Count())
        ++ShownPage;
    UpdatePageLabel();
    ScrollToShownPage();
}

void TfrPreviewForm::PopupZoomMenu(QWidget* button)
{
    for (QAction* a : {N4, N5, N6, N7})
        a->setVisible(false);
    // the button's own position read as a point of the window
    ProcMenu->popup(mapToGlobal(QPoint(button->x() + 4, button->y() + button->height() + 8)));
}

void TfrPreviewForm::ZoomBtnClick()
{
    PopupZoomMenu(ZoomBtn);
}

void TfrPreviewForm::ZoomBtnXPClick()
{
    PopupZoomMenu(ZoomBtnXP);
}

void TfrPreviewForm::N3Click(QAction* item)
{
    if (!EMFPages)
        return;
    ShiftX = 0;
    const int tag = item->data().toInt();
    if (tag >= 1 && tag <= 3) {
        ZoomMode = tag;
    } else {
        ZoomMode = zmFixed;
        Scale = tag / 100.0;
    }
    item->setChecked(true);
    HScrollBar->setValue(0);
    FormResize();
    frRememberedScale = Scale;
    frRememberedZoom = ZoomMode;
    PageBox->update();
}

void TfrPreviewForm::LoadBtnClick()
{
    if (!EMFPages)
        return;
    const QString name =
        Dialogs().OpenFileName(QString(), frLoadStr(frRes_ReportFile) + " (*.frp)", QString());
    if (!name.isEmpty())
        LoadFromFile(name);
}

void TfrPreviewForm::LoadFromFile(const QString& fileName)
{
    if (ShownReport == nullptr)
        return;
    PaintReady = false;
    // a file that cannot be read leaves the shown pages as they were
    struct Ready {
        TfrPreviewForm* f;
        ~Ready()
        {
            f->PaintReady = true;
            f->PageBox->update();
        }
    } ready{this};
    ShownReport->LoadPreparedReport(fileName);
    EMFPages.reset();
    TakePages(ShownReport);
    ShownPage = 1;
    FormResize();
    PaintReady = false;
    UpdatePageLabel();
    ScrollToShownPage();
}

void TfrPreviewForm::SaveBtnClick()
{
    if (!EMFPages)
        return;
    const QString name =
        Dialogs().SaveFileName(QString(), frLoadStr(frRes_ReportFile) + " (*.frp)", QString());
    if (!name.isEmpty())
        SaveToFile(name);
}

void TfrPreviewForm::SaveToFile(const QString& fileName)
{
    const QString name = frPreparedReportFileName(fileName);
    ReturnPages();
    // the pages come back to the window also when the file cannot be written
    PagesBack back{this};
    ShownReport->SavePreparedReport(name);
}

namespace {
// The printer prints into the file chosen for one print, and two-sided as chosen for it, and as it did
// before again afterwards.
class PrintSettingsFor {
public:
    PrintSettingsFor(const QString& fileName, std::optional<QPrinter::DuplexMode> duplex)
        : used_(!fileName.isEmpty()), oldDuplex_(duplex ? std::optional(Printer().Device().duplex()) : std::nullopt)
    {
        if (used_)
            Printer().SetOutputFileName(fileName);
        if (duplex)
            Printer().Device().setDuplex(*duplex);
    }
    ~PrintSettingsFor()
    {
        if (used_)
            Printer().SetOutputFileName(QString());
        if (oldDuplex_)
            Printer().Device().setDuplex(*oldDuplex_);
    }
    PrintSettingsFor(const PrintSettingsFor&) = delete;
    PrintSettingsFor& operator=(const PrintSettingsFor&) = delete;

private:
    bool used_;
    std::optional<QPrinter::DuplexMode> oldDuplex_;
};
}  // namespace

void TfrPreviewForm::PrintBtnClick()
{
    if (!EMFPages || ShownReport == nullptr || frPrinterObject().VirtualPrinterIndex == 0)
        return;
    TfrPrintForm dialog(this);
    const int oldIndex = dialog.OldIndex;
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int newIndex = dialog.SystemPrinterIndex();
    if (newIndex != oldIndex && ShownReport->FromTemplate()) {
        if (!ShownReport->ChangePrinter(oldIndex, newIndex))
            return;
        EMFPages.reset();
        PagesBack back{this};
        ShownReport->PrepareReport();
    }
    QString pages;
    if (dialog.RB2->isChecked())
        pages = QString::number(ShownPage);
    else if (!dialog.RB1->isChecked())
        pages = dialog.E2->text();
    const int copies = dialog.Copies();
    TfrPageList::Parse(pages);  // a list that is no list is reported before anything is sent
    ReturnPages();
    {
        PagesBack back{this};
        PrintSettingsFor settings(dialog.PrintFileName, dialog.PrintDuplex);
        ShownReport->PrintPreparedReport(pages, copies);
    }
    InitView();
}

void TfrPreviewForm::ExitBtnClick()
{
    if (ShownReport != nullptr && ShownReport->ModalPreview() && isModal())
        done(QDialog::Accepted);
    else
        close();
}

void TfrPreviewForm::FindBtnClick()
{
    if (!EMFPages)
        return;
    TfrPreviewSearchForm dialog(this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const bool caseSensitive = dialog.CB1->isChecked();
    const QString text = frSearchText(dialog.Edit1->text(), caseSensitive);
    // Another text searches the current page from its first line; only the same text goes on after
    // its last hit there, as F3 does.
    const bool sameSearch = text == FindText && caseSensitive == FindCaseSensitive;
    FindCaseSensitive = caseSensitive;
    FindText = text;
    if (dialog.RB1->isChecked()) {
        FindPage = 0;
        FindRecord = 0;
    } else if (FindPage != ShownPage - 1 || !sameSearch) {
        FindPage = ShownPage - 1;
        FindRecord = 0;
    }
    FindNext();
}

void TfrPreviewForm::FindNext()
{
    if (!EMFPages)
        return;
    PaintReady = false;
    Found = false;
    int next = 0;
    while (FindPage < EMFPages->Count()) {
        const TfrPrinterInfo& info = EMFPages->PageInfo(FindPage);
        TTextRunRecorder recorder(std::max(1, info.PageWidth), std::max(1, info.PageHeight));
        {
            TCanvas canvas(&recorder);
            EMFPages->SetVisible(FindPage, true);
            EMFPages->Draw(FindPage, canvas, TRect{0, 0, info.PageWidth, info.PageHeight});
        }
        const TfrRunHit hit = frFindInRuns(recorder.Runs(), FindText, FindCaseSensitive, FindRecord);
        if (hit.Found) {
            Found = true;
            FoundRect = hit.Bounds;
            next = hit.NextRecord;
            break;
        }
        ReleasePageObjects(FindPage);
        FindRecord = 0;
        ++FindPage;
    }
    if (Found && FindPage < static_cast<int>(R.size())) {
        const TRect& page = R.at(static_cast<size_t>(FindPage));
        VScrollBar->setValue(static_cast<int>(Round(FoundRect.Top * static_cast<long double>(Scale))) +
                             page.Top - 10);
        HScrollBar->setValue(static_cast<int>(Round(FoundRect.Left * static_cast<long double>(Scale))) +
                             page.Left - 10);
        // The page of the hit is the shown one, and F3 goes on from it: the scroll alone would name the
        // first page of the hit's row, or an earlier one where the scroll stops short of the hit.
        ShownPage = FindPage + 1;
        UpdatePageLabel();
        FindRecord = next;
    }
    PaintReady = true;
    PageBox->update();
}

void TfrPreviewForm::HelpBtnClick()
{
    helpMode_ = true;
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
    grabMouse();
    HelpBtn->update();
}

void TfrPreviewForm::mousePressEvent(QMouseEvent* event)
{
    if (helpMode_) {
        FormMouseDown(event->position().toPoint());
        return;
    }
    QDialog::mousePressEvent(event);
}

void TfrPreviewForm::FormMouseDown(QPoint at)
{
    helpMode_ = false;
    releaseMouse();
    QApplication::restoreOverrideCursor();
    HelpBtn->update();
    QWidget* control = frControlAtPos(this, at);
    if (control == nullptr || control == HelpBtn)
        return;
    // the pop-up tells what the control does: its hint, or a word on the page label and the page box
    QString text = control->toolTip();
    const int tag = control->property("Tag").toInt();
    if (text.isEmpty() && tag == 206)
        text = "Gösterilen sayfa ve sayfa sayısı";
    else if (text.isEmpty() && tag == 207)
        text = "Rapor sayfaları: sürükleyerek kaydırın, sağ tıklayarak ölçeği seçin";
    if (!text.isEmpty())
        QWhatsThis::showText(mapToGlobal(at), text, this);
}

bool TfrPreviewForm::FormKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (!EMFPages)
        return false;
    const bool ctrl = modifiers & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (VScrollBar->isEnabled())
            VScrollBar->setFocus();
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (HScrollBar->isEnabled())
            HScrollBar->setFocus();
        break;
    default:
        break;
    }
    switch (key) {
    case Qt::Key_Up:
        VScrollBar->setValue(VScrollBar->value() - VScrollBar->singleStep());
        return true;
    case Qt::Key_Down:
        VScrollBar->setValue(VScrollBar->value() + VScrollBar->singleStep());
        return true;
    case Qt::Key_Left:
        HScrollBar->setValue(HScrollBar->value() - HScrollBar->singleStep());
        return true;
    case Qt::Key_Right:
        HScrollBar->setValue(HScrollBar->value() + HScrollBar->singleStep());
        return true;
    case Qt::Key_PageUp:
        if (ctrl)
            PgUpClick();
        else
            VScrollBar->setValue(VScrollBar->value() - VScrollBar->pageStep());
        return true;
    case Qt::Key_PageDown:
        if (ctrl)
            PgDownClick();
        else
            VScrollBar->setValue(VScrollBar->value() + VScrollBar->pageStep());
        return true;
    case Qt::Key_Space:
        ZoomBtnClick();
        return true;
    case Qt::Key_Escape:
        ExitBtnClick();
        return true;
    case Qt::Key_F3:
        if (!FindText.isEmpty()) {
            if (ShownPage - 1 != FindPage) {
                FindPage = ShownPage - 1;
                FindRecord = 0;
            }
            FindNext();
        }
        return true;
    default:
        break;
    }
    if (!ctrl)
        return false;
    switch (key) {
    case Qt::Key_Home:
        VScrollBar->setValue(0);
        break;
    case Qt::Key_End:
        ShownPage = EMFPages->Count();
        ScrollToShownPage();
        break;
    case Qt::Key_O:
        LoadBtnClick();
        break;
    case Qt::Key_S:
        SaveBtnClick();
        break;
    case Qt::Key_P:
        if (PrintBtn->isEnabled())
            PrintBtnClick();
        break;
    case Qt::Key_F:
        FindBtnClick();
        break;
    default:
        break;
    }
    return true;
}

bool TfrPreviewForm::eventFilter(QObject* watched, QEvent* event)
{
    auto* w = qobject_cast<QWidget*>(watched);
    if (w == nullptr || w->window() != this)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* ke = static_cast<QKeyEvent*>(event);
        bool used = false;
        Guarded([&] { used = FormKeyDown(ke->key(), ke->modifiers()); });
        if (used)
            return true;
    } else if (event->type() == QEvent::Wheel && (watched == ScrollBox1 || ScrollBox1->isAncestorOf(w))) {
        // ten pixels a notch, over the pages and over the scroll bar alike (the bar's own step is three
        // lines a notch)
        const auto* we = static_cast<QWheelEvent*>(event);
        wheelRest_ += we->angleDelta().y();
        while (wheelRest_ <= -120) {
            VScrollBar->setValue(VScrollBar->value() + VScrollBar->singleStep() * WheelFactor);
            wheelRest_ += 120;
        }
        while (wheelRest_ >= 120) {
            VScrollBar->setValue(VScrollBar->value() - VScrollBar->singleStep() * WheelFactor);
            wheelRest_ -= 120;
        }
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

TfrPreview::TfrPreview(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frPreview1"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

void TfrPreview::Connect(TfrPreviewReport* report)
{
    // the pages shown before go with their window, as when a preview window is closed
    delete Window.data();
    Window = new TfrPreviewForm(this);
    layout()->addWidget(Window);
    Window->ShowReportInPanel(report);
}
