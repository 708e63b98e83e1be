// Printing through a real CUPS queue, as a user prints: "YAZDIR", the preview's print button, the print
// dialog. What reached the queue is read back from the job's spool file.
#include "base/printer.h"
#include "base/rich_edit.h"
#include "base/string_grid.h"
#include "report/fr_prdlg.h"
#include "report/fr_prntr.h"
#include "report/fr_report.h"
#include "report/fr_view_form.h"
#include "test_support.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QUuid>

#include <functional>
#include <map>

namespace {
const QString kQueue = "PDF";         // A4
const QString kLetterQueue = "PDF2";  // Letter; scripts/test.sh sets both up
const QString kSpool = "/var/spool/cups";

QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every job the server knows, by id, with its queue.
std::map<int, QString> ServerJobs()
{
    std::map<int, QString> jobs;
    static const QRegularExpression line(R"(^(\S+)-(\d+)\s)", QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(Run("lpstat", {"-W", "all", "-o"})); it.hasNext();) {
        const auto m = it.next();
        jobs[m.captured(2).toInt()] = m.captured(1);
    }
    return jobs;
}

int LastJobId()
{
    const auto jobs = ServerJobs();
    return jobs.empty() ? 0 : jobs.rbegin()->first;
}

struct SentJob {
    QString queue;
    std::vector<QSize> pages;  // points
    QStringList pageTexts;     // the text of each page
};

// The jobs after the given id that hold the marker: other runs may print on the same server.
std::vector<SentJob> JobsSince(int lastId, const QString& marker)
{
    std::vector<SentJob> sent;
    for (const auto& [id, queue] : ServerJobs()) {
        if (id <= lastId)
            continue;
        const QString file = QString("%1/d%2-001").arg(kSpool).arg(id, 5, 10, QChar('0'));
        for (int i = 0; i < 100 && !QFile::exists(file); ++i)
            QTest::qWait(50);
        const QString text = Run("pdftotext", {"-layout", file, "-"});
        if (!text.contains(marker))
            continue;
        QStringList pages = text.split('\f');
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
            pages.removeLast();
        sent.push_back({queue, PdfPageSizes(file), pages});
    }
    return sent;
}

// The page footers of a job ("Sayfa 2"), page by page.
QStringList Footers(const SentJob& job)
{
    QStringList footers;
    for (const QString& page : job.pageTexts) {
        static const QRegularExpression footer(R"(Sayfa \d+)");
        footers << footer.match(page).captured(0);
    }
    return footers;
}

class RealPrinterTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        const QStringList installed = QPrinterInfo::availablePrinterNames();
        if (!installed.contains(kQueue) || !installed.contains(kLetterQueue)) {
            const QString why = QString("the CUPS queues %1 and %2 are not reachable (scripts/test.sh sets them up)")
                                    .arg(kQueue, kLetterQueue);
            if (qEnvironmentVariableIsSet("TAVRELO_REQUIRE_PRINTER"))
                FAIL() << why.toStdString();
            GTEST_SKIP() << why.toStdString();
        }
        Select(kQueue);
        MainWindowTest::SetUp();
        marker = QUuid::createUuid().toString(QUuid::Id128).left(12).toUpper();
        lastJob = LastJobId();
    }
    void TearDown() override
    {
        Printer().SetOutputFileName(QString());
        MainWindowTest::TearDown();
    }
    static int IndexOf(const QString& queue) { return static_cast<int>(frPrinterObject().Printers.indexOf(queue)); }
    static void Select(const QString& queue)
    {
        TfrPrinter& printer = frPrinterObject();
        printer.AttachPrinter(&Printer());
        printer.SetPrinterIndex(IndexOf(queue));
    }

    // Lines of the late-interest report pane, each holding the marker, printed on A4 portrait.
    QStringList FillLateInterestPane(int count)
    {
        QStringList lines;
        for (int i = 1; i <= count; ++i)
            lines << QString("%1 satır %2").arg(marker).arg(i, 3, 10, QChar('0'));
        Find<TRichEdit>("RichEdit10")->SetLines(lines);
        return lines;
    }

    // Clicks a "YAZDIR", then the preview's print button; the print dialog is set up by choose (the
    // system's printer dialog, when choose opens it, by system) and confirmed, and the preview closed.
    void PrintFromPreview(const char* button, const std::function<void(TfrPrintForm&)>& choose = {},
                          const std::function<void(QPrintDialog&)>& system = {})
    {
        EXPECT_TRUE(InPreview(button, [](TfrPreviewForm& preview) { MouseClick(preview.PrintBtnXP); }, choose, system))
            << "the print dialog did not open";
    }

    // The same with what is done in the preview given; true when the print dialog was seen.
    bool InPreview(const char* button, const std::function<void(TfrPreviewForm&)>& inPreview,
                   const std::function<void(TfrPrintForm&)>& choose = {},
                   const std::function<void(QPrintDialog&)>& system = {})
    {
        bool previewSeen = false, formSeen = false, systemSeen = false;
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* dialog = qobject_cast<QPrintDialog*>(modal); dialog && !systemSeen) {
                systemSeen = true;
                QTimer::singleShot(0, dialog, [&, dialog] {
                    if (system)
                        system(*dialog);
                    else
                        dialog->reject();
                });
            } else if (auto* form = qobject_cast<TfrPrintForm*>(modal); form && !formSeen) {
                formSeen = true;
                QTimer::singleShot(0, form, [&, form] {
                    if (choose)
                        choose(*form);
                    MouseClick(form->Button1);
                });
            } else if (auto* preview = qobject_cast<TfrPreviewForm*>(modal); preview && !previewSeen) {
                previewSeen = true;
                QTimer::singleShot(0, preview, [preview, &inPreview] {
                    inPreview(*preview);
                    MouseClick(preview->ExitBtnXP);
                });
            }
        });
        watch.start(20);
        MouseClick(Find<QAbstractButton>(button));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(previewSeen) << "the preview did not open";
        return formSeen;
    }

    // One payroll line, which prints on landscape A4.
    void FillPayroll()
    {
        auto* grid = Find<TStringGrid>("StringGrid5");
        grid->SetCells(1, 1, marker);
        grid->SetCells(2, 1, "3000");
        grid->SetRowCount(3);
        grid->SetCells(0, 2, "2");
    }

    QString marker;
    int lastJob = 0;
};

TEST_F(RealPrinterTest, AttachingAndPickingAPrinterReadTheirPaper)
{
    // A printer object's first attach, to the queue picked afresh with its own paper, as the program
    // starts; the queue is the first of the list.
    ASSERT_EQ(Printer().Printers().indexOf(kQueue), 0);
    Printer().SetPrinterIndex(static_cast<int>(Printer().Printers().indexOf(kLetterQueue)));
    Printer().SetPrinterIndex(0);
    TfrPrinter printer;
    printer.AttachPrinter(&Printer());
    EXPECT_EQ(printer.Printers.value(printer.PrinterIndex), kQueue);
    EXPECT_LT(printer.PrinterIndex, printer.VirtualPrinterIndex);
    EXPECT_EQ((std::tuple(printer.PaperSize, printer.PaperWidth, printer.PaperHeight)), std::tuple(9, 2100, 2970));
    EXPECT_GT(printer.PaperCount, 1);
    EXPECT_EQ(printer.PaperNames.size(), printer.PaperCount);
    EXPECT_TRUE(printer.PaperNames.contains("A4"));

    printer.SetPrinterIndex(IndexOf(kLetterQueue));
    EXPECT_EQ((std::tuple(printer.PaperSize, printer.PaperWidth, printer.PaperHeight)), std::tuple(1, 2159, 2794));
    TfrPrinterInfo info;
    printer.GetPageInfo(info);
    EXPECT_EQ(info.PageWidth, 773);
    EXPECT_GT(info.PrintableWidth, 0);
    EXPECT_LT(info.PrintableWidth, info.PageWidth);

    // Landscape A4 on the A4 queue comes back as the table's A4, turned.
    printer.SetPrinterIndex(IndexOf(kQueue));
    printer.PaperSize = -1;
    printer.SetPaper(9, 2970, 2100, 1);
    EXPECT_EQ((std::tuple(printer.PaperSize, printer.PaperWidth, printer.PaperHeight)), std::tuple(9, 2970, 2100));
}

TEST_F(RealPrinterTest, PortraitAndLandscapeReportsReachTheQueueOnA4WithEachLineOnce)
{
    const QStringList lines = FillLateInterestPane(5);
    PrintFromPreview("SpeedButton4");
    std::vector<SentJob> jobs = JobsSince(lastJob, marker);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].queue, kQueue);
    EXPECT_EQ(jobs[0].pages, std::vector<QSize>{QSize(595, 842)});
    const QString text = jobs[0].pageTexts.join('\f');
    for (const QString& line : lines)
        EXPECT_EQ(text.count(line), 1) << line.toStdString();

    // The payroll prints landscape.
    lastJob = LastJobId();
    FillPayroll();
    PrintFromPreview("SpeedButton9");
    jobs = JobsSince(lastJob, marker);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].pages, std::vector<QSize>{QSize(842, 595)});
    EXPECT_EQ(jobs[0].pageTexts.join('\f').count(marker), 1);
    EXPECT_TRUE(jobs[0].pageTexts.join('\f').contains("2.144,73"));
}

TEST_F(RealPrinterTest, AStoredReportOpenedOnAnotherPrinterKeepsItsLandscapePaper)
{
    // Saved from the payroll's preview on the A4 queue, opened in a payroll preview on the Letter queue:
    // the file names the A4 queue, which starts upright on its own paper.
    FillPayroll();
    const QString file = Path("bordro.frp");
    InPreview("SpeedButton9", [&file](TfrPreviewForm& preview) {
        TestDialogs().fileNames = QStringList{file};
        MouseClick(preview.SaveBtnXP);
    });
    ASSERT_TRUE(QFile::exists(file));
    Select(kLetterQueue);
    TfrPrinterInfo opened;
    InPreview("SpeedButton9", [&](TfrPreviewForm& preview) {
        TestDialogs().fileNames = QStringList{file};
        MouseClick(preview.LoadBtnXP);
        opened = preview.EMFPages->PageInfo(0);
        MouseClick(preview.PrintBtnXP);
    });
    EXPECT_EQ(QSize(opened.PageWidth, opened.PageHeight), QSize(1064, 757));
    const std::vector<SentJob> jobs = JobsSince(lastJob, marker);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].queue, kQueue);
    EXPECT_EQ(jobs[0].pages, std::vector<QSize>{QSize(842, 595)});
    EXPECT_EQ(jobs[0].pageTexts.join('\f').count(marker), 1);
}

TEST_F(RealPrinterTest, CopiesAndPageLists)
{
    FillLateInterestPane(260);  // five pages
    struct Case {
        const char* pages;
        const char* copies;
        QStringList footers;
    };
    const Case cases[] = {
        {"2", "1", {"Sayfa 2"}},
        {"1,3-4", "1", {"Sayfa 1", "Sayfa 3", "Sayfa 4"}},
        {"2", "2", {"Sayfa 2", "Sayfa 2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pages) + " x" + c.copies);
        lastJob = LastJobId();
        PrintFromPreview("SpeedButton4", [&c](TfrPrintForm& form) {
            MouseClick(form.RB3);
            form.E2->setText(c.pages);
            form.E1->setText(c.copies);
        });
        const std::vector<SentJob> jobs = JobsSince(lastJob, marker);
        ASSERT_EQ(jobs.size(), 1u);
        EXPECT_EQ(Footers(jobs[0]), c.footers);
    }
}

TEST_F(RealPrinterTest, AnotherPrinterPickedInTheListOrInItsPropertiesRebuildsThePages)
{
    FillLateInterestPane(3);
    int builds = 0;
    form_->frReport2->OnBeginDoc = [&builds] { ++builds; };
    const std::function<void(TfrPrintForm&)> inTheList = [](TfrPrintForm& form) {
        form.CB1->setCurrentIndex(IndexOf(kLetterQueue));
        form.CB1Click();
    };
    const std::function<void(TfrPrintForm&)> inProperties = [](TfrPrintForm& form) { MouseClick(form.PropButton); };
    const auto pickLetterQueue = [](QPrintDialog& dialog) {
        auto* printers = dialog.findChild<QComboBox*>("printers");
        ASSERT_NE(printers, nullptr);
        printers->setCurrentIndex(printers->findText(kLetterQueue));
        dialog.accept();
    };
    for (const auto& choose : {inTheList, inProperties}) {
        Select(kQueue);
        builds = 0;
        lastJob = LastJobId();
        PrintFromPreview("SpeedButton4", choose, pickLetterQueue);
        EXPECT_EQ(builds, 2) << "built for the preview and again for the new printer";
        const std::vector<SentJob> jobs = JobsSince(lastJob, marker);
        ASSERT_EQ(jobs.size(), 1u);
        EXPECT_EQ(jobs[0].queue, kLetterQueue);
        // The report keeps its own paper on the other printer.
        EXPECT_EQ(jobs[0].pages, std::vector<QSize>{QSize(595, 842)});
    }
}

TEST_F(RealPrinterTest, CopiesAndPagesChosenInPropertiesAreCarriedAndWhatIsNotCarriedIsNotOffered)
{
    FillLateInterestPane(260);  // four pages; the preview shows the first
    const auto spin = [](QPrintDialog& dialog, const char* name, int ups) {
        MouseClick(dialog.findChild<QSpinBox*>(name));
        for (int i = 0; i < ups; ++i)
            PressKey(Qt::Key_Up);
    };
    const auto value = [](QPrintDialog& dialog, const char* name) { return dialog.findChild<QSpinBox*>(name)->value(); };
    struct Case {
        const char* name;
        std::function<void(TfrPrintForm&)> before;  // typed into the print dialog first
        std::function<void(QPrintDialog&)> there;
        const char* copies;
        int option;  // 1 all, 2 current page, 3 numbers
        const char* pages;
        const char* footers;
    };
    const Case cases[] = {
        {"copies and a range", {},
         [&](QPrintDialog& d) {
             spin(d, "copies", 2);
             MouseClick(d.findChild<QRadioButton*>("printRange"));
             spin(d, "from", 1);
             spin(d, "to", 1);
         },
         "3", 3, "2-2", "Sayfa 2, Sayfa 2, Sayfa 2"},
        {"the current page", {},
         [&](QPrintDialog& d) {
             // its label is shorter than the button: the option below the range is taken by the key
             MouseClick(d.findChild<QRadioButton*>("printRange"));
             PressKey(Qt::Key_Down);
             EXPECT_TRUE(d.findChild<QRadioButton*>("printCurrentPage")->isChecked());
             spin(d, "copies", 1);
         },
         "2", 2, "", "Sayfa 1, Sayfa 1"},
        {"opens on the choice made here",
         [](TfrPrintForm& f) {
             TypeKeys(f.E1, "2");
             TypeKeys(f.E2, "3-4");
         },
         [&](QPrintDialog& d) {
             EXPECT_EQ(value(d, "copies"), 2);
             EXPECT_TRUE(d.findChild<QRadioButton*>("printRange")->isChecked());
             EXPECT_EQ(value(d, "from") * 10 + value(d, "to"), 34);
         },
         "2", 3, "3-4", "Sayfa 3, Sayfa 3, Sayfa 4, Sayfa 4"},
        {"a list it cannot show stays", [](TfrPrintForm& f) { TypeKeys(f.E2, "1,3"); }, {}, "1", 3, "1,3",
         "Sayfa 1, Sayfa 3"},
        {"a list it cannot show stays when only the copies change there",
         [](TfrPrintForm& f) { TypeKeys(f.E2, "1,3"); }, [&](QPrintDialog& d) { spin(d, "copies", 1); }, "2", 3,
         "1,3", "Sayfa 1, Sayfa 1, Sayfa 3, Sayfa 3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        lastJob = LastJobId();
        QString copies, pages;
        int option = 0;
        PrintFromPreview(
            "SpeedButton4",
            [&](TfrPrintForm& form) {
                if (c.before)
                    c.before(form);
                MouseClick(form.PropButton);
                copies = form.E1->text();
                option = form.RB1->isChecked() ? 1 : form.RB2->isChecked() ? 2 : form.RB3->isChecked() ? 3 : 0;
                pages = form.E2->text();
            },
            [&](QPrintDialog& dialog) {
                for (auto* button : dialog.findChildren<QPushButton*>())
                    if (button->text().contains(">>"))
                        MouseClick(button);  // the options
                // The engine prints each page's copies in a row, in page order, on the report's own paper;
                // on either printer.
                auto* printers = dialog.findChild<QComboBox*>("printers");
                for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Up}) {
                    // two-sided printing only where the printer takes it; these queues do not
                    for (const char* name : {"collate", "reverse", "pageSetCombo", "properties", "colorMode",
                                             "pagesRadioButton", "duplexLong", "duplexShort"}) {
                        auto* widget = dialog.findChild<QWidget*>(name);
                        EXPECT_TRUE(widget == nullptr || !widget->isVisible()) << name << " is offered";
                    }
                    MouseClick(printers);
                    PressKey(key);
                }
                ASSERT_EQ(printers->currentText(), kQueue);
                if (c.there)
                    c.there(dialog);
                auto* buttons = dialog.findChild<QDialogButtonBox*>();
                ASSERT_NE(buttons, nullptr);
                MouseClick(buttons->button(QDialogButtonBox::Ok));
            });
        EXPECT_EQ(copies.toStdString(), c.copies);
        EXPECT_EQ(option, c.option);
        EXPECT_EQ(pages.toStdString(), c.pages);
        const std::vector<SentJob> jobs = JobsSince(lastJob, marker);
        ASSERT_EQ(jobs.size(), 1u);
        EXPECT_EQ(Footers(jobs[0]).join(", ").toStdString(), c.footers);
    }
}

TEST_F(RealPrinterTest, PrintToFileChosenInPropertiesHoldsForThatPrintOnly)
{
    FillLateInterestPane(3);
    const QString file = Path("dosyaya.pdf");
    PrintFromPreview("SpeedButton4", [](TfrPrintForm& form) { MouseClick(form.PropButton); },
                     [&file](QPrintDialog& dialog) {
                         auto* printers = dialog.findChild<QComboBox*>("printers");
                         auto* name = dialog.findChild<QLineEdit*>("filename");
                         ASSERT_TRUE(printers != nullptr && name != nullptr);
                         printers->setCurrentIndex(printers->count() - 1);  // "Print to File (PDF)"
                         name->setText(file);
                         dialog.accept();
                     });
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(PdfPageSizes(file), std::vector<QSize>{QSize(595, 842)});
    EXPECT_TRUE(JobsSince(lastJob, marker).empty());

    // The next print goes to the printer again.
    QFile::remove(file);
    PrintFromPreview("SpeedButton4");
    EXPECT_FALSE(QFile::exists(file));
    const std::vector<SentJob> jobs = JobsSince(lastJob, marker);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].queue, kQueue);
}
}  // namespace
