#include "app/settings_archive.h"

#include "app/main_window.h"
#include "base/rich_edit.h"
#include "base/zip_archive.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>

namespace {
class SettingsArchiveTest : public MainWindowTest {
protected:
    // A bare window with edits of the given names, started as the program starts it.
    std::unique_ptr<TForm1> WindowWithEdits(const QStringList& names, const QString& designText)
    {
        auto form = std::make_unique<TForm1>();
        for (const QString& name : names) {
            auto* edit = new QLineEdit(designText, form->TabSheet13);
            edit->setObjectName(name);
        }
        form->FormCreate();
        return form;
    }

    QString EditText(const TForm1& form, const QString& name) const
    {
        auto* edit = form.findChild<QLineEdit*>(name);
        return edit ? edit->text() : QString("<yok>");
    }
};

TEST_F(SettingsArchiveTest, TwoMembersSurviveARestart)
{
    form_->RichEdit12->SetLines({"15", "20,5", "1", "2", "17.002,12"});
    ASSERT_TRUE(WriteSettingsMember(*form_, "ucret", *form_->RichEdit12));
    EXPECT_EQ(form_->FileName(), "ucret");
    QStringList repo(60, QString());
    repo[21] = "%3,5";
    repo[45] = "Çığ";
    form_->RichEdit1->SetLines(repo);
    ASSERT_TRUE(WriteSettingsMember(*form_, "repo", *form_->RichEdit1));
    EXPECT_FALSE(QFile::exists(Path("ucret")));
    EXPECT_FALSE(QFile::exists(Path("repo")));
    EXPECT_EQ(TZipArchive(Path("digeri.byn"), SettingsArchivePassword()).MemberNames(),
              QStringList({"ucret", "repo"}));

    RecreateWindow();
    EXPECT_EQ(form_->RichEdit12->Lines().mid(0, 5), QStringList({"15", "20,5", "1", "2", "17.002,12"}));
    EXPECT_EQ(form_->RichEdit12->LineCount(), 13);  // short member padded to the design lines
    EXPECT_EQ(form_->RichEdit1->Lines(), repo);
    EXPECT_TRUE(TestDialogs().Texts().isEmpty()) << TestDialogs().Texts().join('|').toStdString();
}

TEST_F(SettingsArchiveTest, LinesGoIntoTheEditsThatExist)
{
    QStringList ucret;
    for (int i = 0; i < 11; ++i)
        ucret << QString("u%1").arg(i);
    form_->RichEdit12->SetLines(ucret);
    ASSERT_TRUE(WriteSettingsMember(*form_, "ucret", *form_->RichEdit12));
    QStringList repo(60, QString());
    for (int i = 0; i < 46; ++i)
        repo[i] = QString("r%1").arg(i);
    form_->RichEdit1->SetLines(repo);
    ASSERT_TRUE(WriteSettingsMember(*form_, "repo", *form_->RichEdit1));

    auto form = WindowWithEdits({"Edit379", "Edit387", "Edit424", "Edit423", "Edit30", "Edit6", "Edit428",
                                 "Edit446", "Edit2008", "Edit2014"},
                                "tasarım");
    const std::pair<const char*, const char*> expected[] = {
        {"Edit379", "u0"}, {"Edit387", "u8"},  {"Edit424", "u9"},    {"Edit423", "u10"}, {"Edit30", "r0"},
        {"Edit6", "r5"},   {"Edit428", "r21"}, {"Edit446", "r38"}, {"Edit2008", "r39"}, {"Edit2014", "r45"},
    };
    for (const auto& [name, text] : expected)
        EXPECT_EQ(EditText(*form, name), text) << name;

    // A short member leaves the design values of the missing lines.
    form_->RichEdit12->SetLines({"a", "b"});
    ASSERT_TRUE(WriteSettingsMember(*form_, "ucret", *form_->RichEdit12));
    form = WindowWithEdits({"Edit380", "Edit381", "Edit423"}, "tasarım");
    EXPECT_EQ(EditText(*form, "Edit380"), "b");
    EXPECT_EQ(EditText(*form, "Edit381"), "tasarım");
    EXPECT_EQ(EditText(*form, "Edit423"), "tasarım");
    EXPECT_EQ(form->RichEdit12->LineCount(), 13);
}

TEST_F(SettingsArchiveTest, OpensWithUnzipUnderThePasswordOnly)
{
    const QString unzip = QStandardPaths::findExecutable("unzip");
    if (unzip.isEmpty())
        GTEST_SKIP() << "unzip is not installed";
    form_->RichEdit12->SetLines({"Gelir vergisi %15"});
    ASSERT_TRUE(WriteSettingsMember(*form_, "ucret", *form_->RichEdit12));

    QProcess right;
    right.start(unzip, {"-p", "-P", QString::fromLatin1(SettingsArchivePassword()), Path("digeri.byn"), "ucret"});
    ASSERT_TRUE(right.waitForFinished());
    EXPECT_EQ(right.exitCode(), 0);
    const QByteArray rtf = right.readAllStandardOutput();
    EXPECT_TRUE(rtf.startsWith("{\\rtf1")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("Gelir vergisi %15\\par")) << rtf.constData();

    QProcess wrong;
    wrong.start(unzip, {"-p", "-P", "yanlis", Path("digeri.byn"), "ucret"});
    ASSERT_TRUE(wrong.waitForFinished());
    EXPECT_FALSE(wrong.readAllStandardOutput().contains("Gelir vergisi"));
}

TEST_F(SettingsArchiveTest, ADamagedArchiveIsReportedOnceAndNeverWrittenOver)
{
    const QByteArray damaged[] = {
        QByteArray("PK\x03\x04 bu bir arşiv değil", 25),
        [] {
            // a real archive under another password
            TZipArchive other("digeri.byn", "başka parola");
            other.AddMember("ucret", "{\\rtf1 9\\par}");
            QFile f("digeri.byn");
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }(),
        [] {
            // a valid archive with an empty end record appended, which hides its members
            QFile::remove("digeri.byn");
            TZipArchive valid("digeri.byn", SettingsArchivePassword());
            valid.AddMember("ucret", "{\\rtf1 9\\par}");
            QFile f("digeri.byn");
            f.open(QIODevice::ReadOnly);
            return f.readAll() + QByteArray("PK\x05\x06", 4) + QByteArray(18, '\0');
        }(),
    };
    for (const QByteArray& bytes : damaged) {
        WriteFile("digeri.byn", bytes);
        TestDialogs().Reset();
        RecreateWindow();
        ASSERT_EQ(TestDialogs().Texts().size(), 1);
        EXPECT_TRUE(TestDialogs().Texts()[0].contains("\"digeri.byn\"")) << TestDialogs().Texts()[0].toStdString();
        EXPECT_EQ(form_->RichEdit12->Lines(), QStringList(13, QString()));
        EXPECT_EQ(form_->RichEdit1->Lines(), QStringList(60, QString()));

        TestDialogs().Reset();
        form_->RichEdit12->SetLine(0, "18");
        EXPECT_FALSE(WriteSettingsMember(*form_, "ucret", *form_->RichEdit12));
        EXPECT_EQ(TestDialogs().Texts().size(), 1);
        EXPECT_EQ(ReadFile("digeri.byn"), bytes);
        EXPECT_FALSE(QFile::exists(Path("ucret")));
    }
}

TEST_F(SettingsArchiveTest, AFailedAddStillRemovesThePlainFile)
{
    QDir().mkdir(Path("digeri.byn"));  // a folder where the archive should be
    form_->RichEdit12->SetLine(0, "18");
    EXPECT_FALSE(WriteSettingsMember(*form_, "ucret", *form_->RichEdit12));
    ASSERT_EQ(TestDialogs().Texts().size(), 1);
    EXPECT_TRUE(TestDialogs().Texts()[0].startsWith("\"digeri.byn\" dosyasına yazılamadı. (bu adda bir klasör var)"))
        << TestDialogs().Texts()[0].toStdString();
    EXPECT_FALSE(QFile::exists(Path("ucret")));
}

TEST_F(SettingsArchiveTest, StartUpRemovesWhatAnInterruptedWriteLeft)
{
    for (const char* name : {"digeri.byn.yaz-Ab12Cd", "digeri.byn.backup", "digeri.byn.yaz-kısa", "ucret.yaz-x1Y2z3",
                             "repo.yaz-000000"})
        WriteFile(name, {});
    RecreateWindow();
    for (const char* name : {"digeri.byn.yaz-Ab12Cd", "ucret.yaz-x1Y2z3", "repo.yaz-000000"})
        EXPECT_FALSE(QFile::exists(Path(name))) << name;
    EXPECT_TRUE(QFile::exists(Path("digeri.byn.backup")));
    EXPECT_TRUE(QFile::exists(Path("digeri.byn.yaz-kısa")));
}
}  // namespace
