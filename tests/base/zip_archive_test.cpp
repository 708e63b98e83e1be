#include "base/zip_archive.h"

#include "base/exceptions.h"
#include "test_support.h"

namespace {
class ZipArchiveTest : public WorkingFolderTest {};

TEST_F(ZipArchiveTest, AddingAMemberReplacesTheOneOfTheSameName)
{
    TZipArchive archive(Path("a.byn"), "parola");
    QByteArray data;
    EXPECT_FALSE(archive.ReadMember("ucret", data));  // no archive yet
    archive.AddMember("ucret", "bir");
    archive.AddMember("repo", QByteArray(5000, 'r'));
    archive.AddMember("ucret", "iki");
    EXPECT_EQ(archive.MemberNames(), QStringList({"ucret", "repo"}));
    ASSERT_TRUE(archive.ReadMember("ucret", data));
    EXPECT_EQ(data, "iki");
    ASSERT_TRUE(archive.ReadMember("repo", data));
    EXPECT_EQ(data, QByteArray(5000, 'r'));
    EXPECT_FALSE(archive.ReadMember("yok", data));
    EXPECT_NO_THROW(archive.CheckMembers());
}

// The method checks a single byte of the password when a member is opened, so about one wrong
// password in 256 gets past it; reading to the end must still fail for every one of them.
TEST_F(ZipArchiveTest, NoWrongPasswordReadsAsData)
{
    QByteArray text;
    for (int i = 0; i < 200; ++i)
        text += "{\\rtf1 satir " + QByteArray::number(i * 7919 % 1000) + "\\par}";
    TZipArchive(Path("a.byn"), "doğru").AddMember("ucret", text);
    TZipArchive(Path("b.byn"), "doğru").AddMember("ucret", "18");  // short and stored
    int failures = 0;
    for (int i = 0; i < 1500; ++i) {
        const QByteArray wrong = "yanlis" + QByteArray::number(i);
        for (const char* name : {"a.byn", "b.byn"}) {
            QByteArray data;
            try {
                TZipArchive(Path(name), wrong).ReadMember("ucret", data);
                ADD_FAILURE() << wrong.constData() << " read " << name;
            } catch (const EArchiveError& e) {
                ++failures;
                EXPECT_TRUE(e.Message().contains("parola")) << e.Message().toStdString();
            }
        }
    }
    EXPECT_EQ(failures, 3000);
}

TEST_F(ZipArchiveTest, ATruncatedArchiveRaises)
{
    TZipArchive archive(Path("a.byn"), "parola");
    archive.AddMember("ucret", QByteArray(3000, 'u'));
    QFile f(Path("a.byn"));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.resize(f.size() / 2);
    f.close();
    QByteArray data;
    EXPECT_THROW(archive.ReadMember("ucret", data), EArchiveError);
    EXPECT_THROW(archive.CheckMembers(), EArchiveError);
    EXPECT_THROW(archive.AddMember("repo", "x"), EArchiveError);
}
}  // namespace
