#include "base/string_list.h"

#include "base/exceptions.h"
#include "base/stream.h"
#include "error_of.h"
#include "test_support.h"

TEST(StringList, TextWritesCrLfAfterEachLine)
{
    EXPECT_EQ(TStringList(QStringList({"a", "", "b"})).Text(), QStringLiteral("a\r\n\r\nb\r\n"));
}

TEST(StringList, NamesAndValues)
{
    TStringList list(QStringList({"Ad=Ali", "soyad=Çelik", "boş", "ılık=x=y"}));
    EXPECT_EQ(list.Values("AD"), "Ali");
    EXPECT_EQ(list.Values("ILIK"), "x=y");
    EXPECT_EQ(list.Values("yok"), "");
    EXPECT_EQ(list.Names(1), "soyad");
    EXPECT_EQ(list.Names(2), "");
    EXPECT_EQ(list.IndexOfName("SOYAD"), 1);
    EXPECT_EQ(list.IndexOfName("boş"), -1);

    list.SetValues("ad", "Veli");
    list.SetValues("yeni", "1");
    list.SetValues("soyad", "");
    EXPECT_EQ(list.ToQStringList(), QStringList({"ad=Veli", "boş", "ılık=x=y", "yeni=1"}));
}

TEST(StringList, SortedListKeepsTurkishOrder)
{
    TStringList list;
    list.SetSorted(true);
    int objects[6];
    const QStringList words = QStringList({"şeker", "çay", "ılık", "ilaç", "zeytin", "armut"});
    for (int i = 0; i < words.size(); ++i)
        list.AddObject(words[i], &objects[i]);
    EXPECT_EQ(list.ToQStringList(), QStringList({"armut", "çay", "ılık", "ilaç", "şeker", "zeytin"}));
    EXPECT_EQ(list.Objects(1), &objects[1]);

    int index = -1;
    EXPECT_TRUE(list.Find(QStringLiteral("İLAÇ"), index));
    EXPECT_EQ(index, 3);
    EXPECT_FALSE(list.Find(QStringLiteral("b"), index));
    EXPECT_EQ(index, 1);
    EXPECT_EQ(list.IndexOf(QStringLiteral("ZEYTİN")), 5);
    EXPECT_EQ(list.IndexOf(QStringLiteral("ZEYTIN")), -1);

    EXPECT_EQ(list.Add(QStringLiteral("ÇAY")), 1);  // ignored duplicate: the index of the one there
    EXPECT_EQ(list.Count(), 6);
    list.SetDuplicates(TStringList::dupError);
    EXPECT_THROW(list.Add(QStringLiteral("Armut")), EStringListError);
    list.SetDuplicates(TStringList::dupAccept);
    list.Add(QStringLiteral("Armut"));
    EXPECT_EQ(list.Count(), 7);
    EXPECT_THROW(list.Insert(0, QStringLiteral("x")), EStringListError);
}

TEST(StringList, UnsortedIndexOfIgnoresCase)
{
    TStringList list(QStringList({"Bir", "İki", "Üç"}));
    EXPECT_EQ(list.IndexOf(QStringLiteral("iki")), 1);
    EXPECT_EQ(list.IndexOf(QStringLiteral("üÇ")), 2);
    EXPECT_EQ(list.IndexOf(QStringLiteral("ıki")), -1);
    EXPECT_THROW(list[3], EStringListError);
    EXPECT_THROW(list.Delete(-1), EStringListError);
}

class StringListFileTest : public WorkingFolderTest {};

TEST_F(StringListFileTest, FilesHoldCodePage1254WithCrLf)
{
    const QString file = Path("liste.txt");
    TStringList(QStringList({"Çığ", "şu"})).SaveToFile(file);
    EXPECT_EQ(ReadFile("liste.txt").toHex(' '), QByteArray("\xC7\xFD\xF0\r\n\xFEu\r\n").toHex(' '));

    TStringList back;
    back.LoadFromFile(file);
    EXPECT_EQ(back.ToQStringList(), QStringList({"Çığ", "şu"}));

    TMemoryStream stream(QByteArray("x\xDD\ny"));
    stream.SetPosition(1);  // a stream is read from where it stands
    back.LoadFromStream(stream);
    EXPECT_EQ(back.ToQStringList(), QStringList({"İ", "y"}));
}

TEST_F(StringListFileTest, UnreadableFileNamesTheFile)
{
    TStringList list(QStringList({"kalır"}));
    EXPECT_EQ(ErrorOf<EInOutError>([&] { list.LoadFromFile(Path("yok.txt")); }),
              QString("\"%1\" dosyası bulunamadı.").arg(Path("yok.txt")));
    EXPECT_EQ(list.Count(), 1);  // nothing lost
    EXPECT_THROW(list.SaveToFile(Path("klasör/yok/liste.txt")), EInOutError);
}
