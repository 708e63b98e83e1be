#include "app/main_window.h"

#include "app/report_components.h"
#include "base/dialogs.h"
#include "base/rich_edit.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
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
    auto* home = new QVBoxLayout(TabSheetHome);
    auto* title = new QLabel("Tavrelo Çözüm", TabSheetHome);
    title->setObjectName("HomeTitle");
    home->addWidget(title);

    TabSheet12 = makeTab(PageControl1, "TabSheet12", "Gecikme Faizi");
    TabSheet13 = makeTab(PageControl1, "TabSheet13", "Ücret");
    TabSheet14 = makeTab(PageControl1, "TabSheet14", "Devir Hızı");
    TabSheet15 = makeTab(PageControl1, "TabSheet15", "Kıdem+İhbar");
    TabSheet6 = makeTab(PageControl1, "TabSheet6", "Amortisman");
    for (QWidget* tab : {TabSheet12, TabSheet13, TabSheet14, TabSheet15, TabSheet6}) {
        auto* open = new QPushButton(PageControl1->tabText(PageControl1->indexOf(tab)), TabSheetHome);
        open->setObjectName("HomeOpen" + tab->objectName());
        home->addWidget(open);
        ConnectGuarded(open, &QPushButton::clicked, this, [this, tab] { ShowTab(tab); });
    }
    home->addStretch();

    TabSheet9 = makeTab(PageControl1, "TabSheet9", "Rapor");
    RichEdit9 = new TRichEdit(TabSheet9);
    RichEdit9->setObjectName("RichEdit9");
    RichEdit9->SetFontSpec("Courier New", -11);
    (new QVBoxLayout(TabSheet9))->addWidget(RichEdit9);
    PageControl1->setTabVisible(PageControl1->indexOf(TabSheet9), false);

    TabSheet1 = makeTab(PageControl1, "TabSheet1", "");
    RichEdit1 = new TRichEdit(TabSheet1);
    RichEdit1->setObjectName("RichEdit1");
    QStringList empty;
    for (int i = 0; i < 60; ++i)
        empty << QString();
    RichEdit1->SetLines(empty);
    RichEdit12 = new TRichEdit(TabSheet1);
    RichEdit12->setObjectName("RichEdit12");
    PageControl1->setTabVisible(PageControl1->indexOf(TabSheet1), false);

    CreateReportComponents(*this);
}

TForm1::~TForm1() = default;

void TForm1::FormCreate()
{
    for (const auto& hook : formCreateHooks_)
        Guarded(hook);
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
    header->setFlat(true);
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
