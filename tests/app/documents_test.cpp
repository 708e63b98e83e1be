#include "app/documents.h"

#include "app/main_window.h"
#include "base/exceptions.h"
#include "test_support.h"

#include <unistd.h>

namespace {
class DocumentsTest : public WorkingFolderTest {
protected:
    void SetUp() override
    {
        WorkingFolderTest::SetUp();
        oldKind_ = DocumentKind;
        DocumentKind = "test";
        RegisterDocumentKind(
            "test", [this] { return saved_; }, [this](const QStringList& lines) { loaded_ = lines; });
    }
    void TearDown() override
    {
        RegisterDocumentKind("test", nullptr, nullptr);
        DocumentKind = oldKind_;
        WorkingFolderTest::TearDown();
    }
    QString oldKind_;
    QStringList saved_ = {"Şirket,\"Ocak 2024\"", ",1,Ayşe Işık,17.002,12"};
    QStringList loaded_;
};

TEST_F(DocumentsTest, SavesCodePage1254LinesAndLoadsThemBack)
{
    TForm1 form;
    ASSERT_TRUE(form.SaveToFile(Path("bordro.tus")));
    EXPECT_EQ(ReadFile("bordro.tus"), QByteArray("\xdeirket,\"Ocak 2024\"\r\n,1,Ay\xfe" "e I\xfe\xfdk,17.002,12\r\n"));
    LoadCalculatorDocument(Path("bordro.tus"));
    EXPECT_EQ(loaded_, saved_);
    EXPECT_TRUE(TestDialogs().Texts().isEmpty());
}

TEST_F(DocumentsTest, AFailedSaveIsShownAndLeavesTheOldDocumentIdentical)
{
    WriteFile("dosya", "");
    const QString target = Path("dosya/bordro.tus");  // its folder is a file
    EXPECT_FALSE(SaveCalculatorDocument(target));
    ASSERT_EQ(TestDialogs().shown.size(), 1u);
    EXPECT_EQ(TestDialogs().shown[0].text, "Dosya Saklanamıyor:\n" + target);
    EXPECT_EQ(TestDialogs().shown[0].icon, DialogService::Error);

    TestDialogs().Reset();
    WriteFile("bordro.tus", "eski belge\r\n");
    for (int i = 0; i < 200; ++i)
        saved_ << QString("satır %1,1.000,00").arg(i);
    bool saved;
    {
        DiskFullAfter full(100);
        saved = SaveCalculatorDocument(Path("bordro.tus"));
    }

    EXPECT_FALSE(saved);
    EXPECT_EQ(TestDialogs().Texts(), QStringList{"Dosya Saklanamıyor:\n" + Path("bordro.tus")});
    EXPECT_EQ(ReadFile("bordro.tus"), "eski belge\r\n");
}

TEST_F(DocumentsTest, AReadOnlyDocumentIsRefusedAndKept)
{
    WriteFile("bordro.tus", "eski belge\r\n");
    QFile::setPermissions(Path("bordro.tus"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    // root may write any file: the save runs as an ordinary user, as users run the program
    QFile::setPermissions(dir_.path(), QFileDevice::Permissions(0x7777));
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::seteuid(65534), 0);
    }
    const bool saved = SaveCalculatorDocument(Path("bordro.tus"));
    if (root) {
        ASSERT_EQ(::seteuid(0), 0);
    }
    EXPECT_FALSE(saved);
    EXPECT_EQ(TestDialogs().Texts(), QStringList{"Dosya Saklanamıyor:\n" + Path("bordro.tus")});
    EXPECT_EQ(ReadFile("bordro.tus"), "eski belge\r\n");
}

TEST_F(DocumentsTest, CharactersOutsideTheCodePageAreToldBeforeSaving)
{
    saved_ = {"1,Ωmega,Ayşe", "2,Ω😀"};
    TestDialogs().answers = {DialogService::AnswerNo};
    EXPECT_FALSE(SaveCalculatorDocument(Path("bordro.tus")));
    EXPECT_EQ(TestDialogs().Texts(),
              QStringList{"Şu karakterler dosyada saklanamaz ve \"?\" olarak yazılır: Ω😀\nYine de kaydedilsin mi?"});
    EXPECT_FALSE(QFile::exists(Path("bordro.tus")));

    TestDialogs().answers = {DialogService::AnswerYes};
    EXPECT_TRUE(SaveCalculatorDocument(Path("bordro.tus")));
    EXPECT_EQ(ReadFile("bordro.tus"), QByteArray("1,?mega,Ay\xfe" "e\r\n2,??\r\n"));
}

TEST_F(DocumentsTest, SavingAndOpeningRemoveWhatAKilledSaveLeft)
{
    WriteFile("bordro.tus.yaz-Ab12Cd", "yarım");
    WriteFile("bordro.tus.yaz-ab", "başkasının");
    ASSERT_TRUE(SaveCalculatorDocument(Path("bordro.tus")));
    EXPECT_FALSE(QFile::exists(Path("bordro.tus.yaz-Ab12Cd")));
    EXPECT_TRUE(QFile::exists(Path("bordro.tus.yaz-ab")));
    WriteFile("bordro.tus.yaz-Zz99zz", "yarım");
    LoadCalculatorDocument(Path("bordro.tus"));
    EXPECT_FALSE(QFile::exists(Path("bordro.tus.yaz-Zz99zz")));
}

TEST_F(DocumentsTest, AMissingFileOrKindRaisesAndLoadsNothing)
{
    EXPECT_THROW(LoadCalculatorDocument(Path("yok.tus")), EInOutError);
    DocumentKind = "bilinmeyen";
    WriteFile("var.tus", "");
    EXPECT_THROW(LoadCalculatorDocument(Path("var.tus")), Exception);
    EXPECT_THROW(SaveCalculatorDocument(Path("var.tus")), Exception);
    EXPECT_TRUE(loaded_.isEmpty());
}
}  // namespace
