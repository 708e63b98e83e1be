#include "base/string_grid.h"
#include "calc_tab_test.h"
#include "payroll_xlsx_reader.h"
#include "recording_opener.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
class PayrollExportDialog : public CalcTabTest {
protected:
    void SetUp() override
    {
        CalcTabTest::SetUp();
        auto* grid = Find<TStringGrid>("StringGrid5");
        grid->SetCells(1, 1, "Ayşe");
        grid->SetCells(2, 1, "3000");
        QDir().mkdir(Path("belgeler"));
    }
    const ScriptedDialogService::Shown& SaveDialog(size_t i = 0) const
    {
        std::vector<const ScriptedDialogService::Shown*> saves;
        for (const auto& s : TestDialogs().shown)
            if (s.kind == "save")
                saves.push_back(&s);
        EXPECT_GT(saves.size(), i);
        return *saves.at(i);
    }
};

TEST_F(PayrollExportDialog, AsksWhereToSaveProposingTheDatedNameInTheExportFolder)
{
    RecordingOpener opener(Path("belgeler"), true);
    TestDialogs().fileNames << Path("belgeler/Mayıs bordrosu") << Path("belgeler/ikinci.XLSX");
    const QString today = QDate::currentDate().toString("yyyy-MM-dd");
    Click("SpeedButton17");
    EXPECT_EQ(SaveDialog().text, "Excel Çalışma Kitabı (*.xlsx)");
    const QFileInfo proposed(SaveDialog().dir);
    EXPECT_EQ(proposed.absolutePath(), QFileInfo(Path("belgeler")).absoluteFilePath());
    EXPECT_TRUE(proposed.fileName().startsWith("Ücret Bordrosu " + today)) << proposed.fileName().toStdString();
    EXPECT_EQ(proposed.suffix(), "xlsx");
    // The chosen name gets its extension, the workbook holds the grid, and it is opened.
    ASSERT_EQ(opener.opened, QStringList{Path("belgeler/Mayıs bordrosu.xlsx")});
    EXPECT_EQ(ReadXlsxSheet(opener.opened[0]).Text("A4"), "Ayşe");

    // A name that already ends in .xlsx, in any case, is taken as it is.
    Click("SpeedButton17");
    EXPECT_EQ(opener.opened.value(1), Path("belgeler/ikinci.XLSX"));
    EXPECT_TRUE(TestDialogs().Texts().isEmpty());
}

TEST_F(PayrollExportDialog, CancelOrNotOverwritingWritesNothing)
{
    RecordingOpener opener(Path("belgeler"), true);
    Click("SpeedButton17");  // the dialog is cancelled
    EXPECT_TRUE(QDir(Path("belgeler")).isEmpty());

    WriteFile("belgeler/eski.xlsx", "eski");
    TestDialogs().fileNames << Path("belgeler/eski.xlsx") << Path("belgeler/eski.xlsx");
    TestDialogs().answers = {DialogService::AnswerNo, DialogService::AnswerYes};
    Click("SpeedButton17");
    EXPECT_EQ(ReadFile("belgeler/eski.xlsx"), "eski");
    Click("SpeedButton17");
    EXPECT_EQ(TestDialogs().Texts(), QStringList(2, "Dosya mevcut Üzerine kayıt edilsinmi?"));
    EXPECT_EQ(opener.opened, QStringList{Path("belgeler/eski.xlsx")});
    EXPECT_EQ(ReadXlsxSheet(Path("belgeler/eski.xlsx")).Text("A4"), "Ayşe");
}

TEST_F(PayrollExportDialog, WhenNothingOpensTheWorkbookTheMessageSaysWhereItIs)
{
    RecordingOpener opener(Path("belgeler"), false);
    TestDialogs().fileNames << Path("belgeler/bordro.xlsx");
    Click("SpeedButton17");
    ASSERT_EQ(TestDialogs().Texts().size(), 1);
    const auto& message = TestDialogs().shown.back();
    EXPECT_EQ(message.text, "Bordro şu dosyaya kaydedildi:\n" + Path("belgeler/bordro.xlsx") +
                                "\n\nBu dosyayı açacak bir hesap tablosu programı bulunamadı; dosyayı böyle bir "
                                "programla kendiniz açabilirsiniz.");
    EXPECT_EQ(message.icon, DialogService::Information);
    EXPECT_TRUE(QFileInfo::exists(Path("belgeler/bordro.xlsx")));
}
}  // namespace
