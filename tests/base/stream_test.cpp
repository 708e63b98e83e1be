#include "base/stream.h"

#include "base/exceptions.h"
#include "error_of.h"
#include "test_support.h"

#include <cfloat>
#include <cmath>
#include <functional>
#include <limits>

TEST(Stream, LittleEndianBytes)
{
    struct Case {
        const char* name;
        std::function<void(TStream&)> write;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"byte", [](TStream& s) { s.WriteByte(0xAB); }, QByteArray::fromHex("ab")},
        {"word", [](TStream& s) { s.WriteWord(0x1234); }, QByteArray::fromHex("3412")},
        {"smallint", [](TStream& s) { s.WriteSmallInt(-32768); }, QByteArray::fromHex("0080")},
        {"integer", [](TStream& s) { s.WriteInteger(-2); }, QByteArray::fromHex("feffffff")},
        {"cardinal", [](TStream& s) { s.WriteCardinal(0xA1B2C3D4); }, QByteArray::fromHex("d4c3b2a1")},
        {"int64", [](TStream& s) { s.WriteInt64(0x0102030405060708); }, QByteArray::fromHex("0807060504030201")},
        {"double", [](TStream& s) { s.WriteDouble(1.0); }, QByteArray::fromHex("000000000000f03f")},
        {"extended 1", [](TStream& s) { s.WriteExtended(1.0L); }, QByteArray::fromHex("0000000000000080ff3f")},
        {"extended -2.5", [](TStream& s) { s.WriteExtended(-2.5L); }, QByteArray::fromHex("00000000000000a000c0")},
        {"extended 0", [](TStream& s) { s.WriteExtended(0.0L); }, QByteArray(10, '\0')},
    };
    for (const Case& c : cases) {
        TMemoryStream s;
        c.write(s);
        EXPECT_EQ(s.Data().toHex(), c.bytes.toHex()) << c.name;
    }

    TMemoryStream s(QByteArray::fromHex("3412feffffff0080"));
    EXPECT_EQ(s.ReadWord(), 0x1234);
    EXPECT_EQ(s.ReadInteger(), -2);
    EXPECT_EQ(s.ReadSmallInt(), -32768);
}

TEST(Stream, ExtendedRoundTrip)
{
    const long double cases[] = {0.1L, -1234.565L, 1e4000L, LDBL_MIN, LDBL_MAX, -0.0L,
                                 std::numeric_limits<long double>::denorm_min(), HUGE_VALL, 100.0L / 3};
    for (long double v : cases) {
        TMemoryStream s;
        s.WriteExtended(v);
        s.SetPosition(0);
        const long double back = s.ReadExtended();
        EXPECT_EQ(back, v);
        EXPECT_EQ(std::signbit(back), std::signbit(v));
    }
    TMemoryStream s;
    s.WriteExtended(std::numeric_limits<long double>::quiet_NaN());
    s.SetPosition(0);
    EXPECT_TRUE(std::isnan(s.ReadExtended()));
}

TEST(Stream, ShortReadsRaiseAndStopAtTheEnd)
{
    TMemoryStream s(QByteArray::fromHex("010203"));
    EXPECT_EQ(ErrorOf<EReadError>([&] { s.ReadInteger(); }), "Akış okuma hatası");
    EXPECT_EQ(s.Position(), 3);

    s.SetPosition(1);
    EXPECT_THROW(s.ReadBytes(3), EReadError);
    EXPECT_EQ(s.Position(), 1);  // checked before reading
    EXPECT_THROW(s.ReadBytes(-1), EReadError);

    char buf[8] = {};
    EXPECT_EQ(s.Read(buf, 8), 2);
    EXPECT_EQ(s.Read(buf, 8), 0);
    s.SetPosition(10);
    EXPECT_EQ(s.Read(buf, 8), 0);
    EXPECT_THROW(s.ReadByte(), EReadError);
    EXPECT_THROW(s.Seek(-1, TStream::soBeginning), EStreamError);
}

TEST(Stream, PositionSeekAndSize)
{
    TMemoryStream s;
    s.WriteWord(0x0102);
    EXPECT_EQ(s.Seek(2, TStream::soCurrent), 4);
    s.WriteByte(9);
    EXPECT_EQ(s.Data().toHex(), QByteArray("0201000009"));  // the gap reads as zeros
    EXPECT_EQ(s.Seek(-1, TStream::soEnd), 4);
    s.SetSize(2);
    EXPECT_EQ(s.Position(), 2);
    EXPECT_EQ(s.Size(), 2);

    TMemoryStream copy;
    copy.WriteByte(7);
    EXPECT_EQ(copy.CopyFrom(s, 0), 2);
    EXPECT_EQ(copy.Data().toHex(), QByteArray("070201"));
}

class FileStreamTest : public WorkingFolderTest {};

TEST_F(FileStreamTest, WritesReadsAndKeepsContentOnOpenForWriting)
{
    const QString file = Path("veri.bin");
    {
        TFileStream f(file, TFileStream::fmCreate);
        f.WriteCardinal(0x04030201);
        f.WriteExtended(2.5L);
    }
    {
        TFileStream f(file, TFileStream::fmOpenWrite);
        f.WriteByte(0xFF);
    }
    TFileStream f(file, TFileStream::fmOpenRead);
    EXPECT_EQ(f.Size(), 14);
    EXPECT_EQ(f.ReadCardinal(), 0x040302FFu);
    EXPECT_EQ(f.ReadExtended(), 2.5L);
    EXPECT_THROW(f.ReadByte(), EReadError);
}

TEST_F(FileStreamTest, OpenFailuresNameTheFile)
{
    const QString missing = Path("yok.bin");
    struct Case {
        QString file;
        TFileStream::Mode mode;
        QString message;
    };
    const Case cases[] = {
        {missing, TFileStream::fmOpenRead, QStringLiteral("\"%1\" dosyası bulunamadı.").arg(missing)},
        {missing, TFileStream::fmOpenWrite, QStringLiteral("\"%1\" dosyası bulunamadı.").arg(missing)},
        {Path("yok/a.bin"), TFileStream::fmCreate,
         QStringLiteral("\"%1\" dosyası oluşturulamıyor.").arg(Path("yok/a.bin"))},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ErrorOf<EInOutError>([&] { TFileStream f(c.file, c.mode); }), c.message);
    TMemoryStream m;
    EXPECT_THROW(m.LoadFromFile(missing), EInOutError);
}
