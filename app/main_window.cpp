#include "app/main_window.h"

#include "app/documents.h"
#include "app/report_components.h"
#include "app/settings_archive.h"
#include "base/date_time_picker.h"
#include "base/dialogs.h"
#include "base/format_settings.h"
#include "base/rich_edit.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
const char* const kHeaderStyle =
    "QPushButton { background: #1f4e79; color: white; font-weight: bold; text-align: left;"
    " padding: 5px 10px; border: none; }"
    "QPushButton:hover { background: #2e6da4; }";

const char* const kOpenStyle =
    "QPushButton { background: #f3f7fb; border: 1px solid #9fb7cf; border-radius: 6px;"
    " font-size: 15px; font-weight: bold; color: #1f4e79; padding: 14px; }"
    "QPushButton:hover { background: #dde9f5; }"
    "QPushButton:pressed { background: #c7dbef; }";

QWidget* makeTab(QTabWidget* pages, const char* name, const QString& caption)
{
    auto* tab = new QWidget;
    tab->setObjectName(name);
    pages->addTab(tab, caption);
    return tab;
}
}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("Form1");
    SetFileName(QString());
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    setCentralWidget(PageControl1);

    TabSheetHome = makeTab(PageControl1, "TabSheetHome", "Ana Menü");
    TabSheet12 = makeTab(PageControl1, "TabSheet12", "Gecikme Faizi");
    TabSheet13 = makeTab(PageControl1, "TabSheet13", "Ücret");
    TabSheet14 = makeTab(PageControl1, "TabSheet14", "Devir Hızı");
    TabSheet15 = makeTab(PageControl1, "TabSheet15", "Kıdem+İhbar");
    TabSheet6 = makeTab(PageControl1, "TabSheet6", "Amortisman");
    buildHome();

    TabSheet9 = makeTab(PageControl1, "TabSheet9", "Rapor");
    RichEdit9 = new TRichEdit(TabSheet9);
    RichEdit9->setObjectName("RichEdit9");
    RichEdit9->SetFontSpec("Courier New", -11);
    (new QVBoxLayout(TabSheet9))->addWidget(RichEdit9);
    PageControl1->setTabVisible(PageControl1->indexOf(TabSheet9), false);

    TabSheet1 = makeTab(PageControl1, "TabSheet1", "");
    RichEdit1 = new TRichEdit(TabSheet1);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->SetLines(QStringList(60, QString()));
    RichEdit12 = new TRichEdit(TabSheet1);
    RichEdit12->setObjectName("RichEdit12");
    RichEdit12->SetLines(QStringList(13, QString()));
    PageControl1->setTabVisible(PageControl1->indexOf(TabSheet1), false);

    CreateReportComponents(*this);
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    // dates are typed and shown day first with dots whatever the system locale says
    FormatSettings().ShortDateFormat = "dd.mm.yyyy";
    for (TDateTimePicker* picker : findChildren<TDateTimePicker*>())
        picker->ApplyShortDateFormat();
    for (const auto& hook : formCreateHooks_)
        Guarded(hook);
    // the stored values replace the defaults the calculators have just set
    Guarded([this] { LoadSettingsAtStartUp(*this); });
}

bool TForm1::SaveToFile(const QString& fileName)
{
    return SaveCalculatorDocument(fileName);
}

void TForm1::AddFormCreateHook(std::function<void()> hook)
{
    formCreateHooks_.push_back(std::move(hook));
}

void TForm1::SetFileName(const QString& name)
{
    fileName_ = name;
    setWindowTitle("Dorvan Tavrelo Çözüm Programı");
}

void TForm1::buildHome()
{
    auto* page = new QVBoxLayout(TabSheetHome);
    page->setContentsMargins(40, 30, 40, 30);
    auto* title = new QLabel("Tavrelo Çözüm", TabSheetHome);
    title->setObjectName("HomeTitle");
    title->setStyleSheet("font-size: 28px; font-weight: bold; color: #1f4e79;");
    title->setAlignment(Qt::AlignHCenter);
    auto* subtitle = new QLabel("Hesaplamak istediğiniz konuyu seçin", TabSheetHome);
    subtitle->setObjectName("HomeSubtitle");
    subtitle->setStyleSheet("font-size: 14px; color: #4a4a4a;");
    subtitle->setAlignment(Qt::AlignHCenter);
    page->addWidget(title);
    page->addWidget(subtitle);
    page->addSpacing(24);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(16);
    int n = 0;
    for (QWidget* tab : {TabSheet12, TabSheet13, TabSheet14, TabSheet15, TabSheet6}) {
        auto* open = new QPushButton(PageControl1->tabText(PageControl1->indexOf(tab)), TabSheetHome);
        open->setObjectName("HomeOpen" + tab->objectName());
        open->setMinimumSize(240, 64);
        open->setCursor(Qt::PointingHandCursor);
        open->setStyleSheet(kOpenStyle);
        buttons->addWidget(open, n / 2, n % 2);
        ++n;
        ConnectGuarded(open, &QPushButton::clicked, this, [this, tab] { ShowTab(tab); });
    }
    auto* centred = new QHBoxLayout;
    centred->addStretch();
    centred->addLayout(buttons);
    centred->addStretch();
    page->addLayout(centred);
    page->addStretch();
}

void TForm1::JvNavPanelHeader2Click()
{
    PageControl1->setCurrentWidget(TabSheetHome);
}

QVBoxLayout* TForm1::AddNavHeader(QWidget* tabSheet, const QString& title)
{
    auto* outer = new QVBoxLayout(tabSheet);
    outer->setContentsMargins(2, 2, 2, 2);
    auto* header = new QPushButton("ANA MENÜ", tabSheet);
    header->setObjectName("JvNavPanelHeader" + tabSheet->objectName());
    header->setToolTip(title);
    header->setCursor(Qt::PointingHandCursor);
    header->setStyleSheet(kHeaderStyle);
    ConnectGuarded(header, &QPushButton::clicked, this, [this] { JvNavPanelHeader2Click(); });
    outer->addWidget(header);
    auto* body = new QVBoxLayout;
    outer->addLayout(body, 1);
    return body;
}

void TForm1::ShowTab(QWidget* tabSheet)
{
    PageControl1->setCurrentWidget(tabSheet);
}

void TForm1::ShowOnWorkArea(const QRect& workArea)
{
    // The geometry serves a desktop without a window manager; one with a manager maximizes.
    setGeometry(workArea);
    showMaximized();
}
