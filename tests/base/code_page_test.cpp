#include "base/code_page.h"

#include <gtest/gtest.h>

TEST(CodePage, TurkishLettersRoundTrip)
{
    const QString letters = QStringLiteral("ÇĞİÖŞÜçğıöşü");
    const QByteArray bytes("\xC7\xD0\xDD\xD6\xDE\xDC\xE7\xF0\xFD\xF6\xFE\xFC");
    EXPECT_EQ(ToCp1254(letters).toHex(' '), bytes.toHex(' '));
    EXPECT_EQ(FromCp1254(bytes), letters);
}

TEST(CodePage, EveryByteReadsAndWritesBackUnchanged)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(ToCp1254(FromCp1254(all)).toHex(), all.toHex());
}

TEST(CodePage, SingleCharacters)
{
    struct Case {
        unsigned char byte;
        char16_t unicode;
    };
    const Case cases[] = {
        {0x41, u'A'},   {0x80, 0x20AC}, {0x83, 0x0192}, {0x85, 0x2026}, {0x8A, 0x0160},
        {0x96, 0x2013}, {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xFF, 0x00FF},
        // Undefined in the code page: the C1 control of the same value.
        {0x81, 0x0081}, {0x8D, 0x008D}, {0x8E, 0x008E}, {0x8F, 0x008F}, {0x90, 0x0090},
        {0x9D, 0x009D}, {0x9E, 0x009E},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FromCp1254Char(c.byte).unicode(), c.unicode) << int(c.byte);
        EXPECT_EQ(static_cast<unsigned char>(ToCp1254Char(QChar(c.unicode))), c.byte) << int(c.byte);
    }
}

TEST(CodePage, UnmappableCharactersBecomeQuestionMarks)
{
    // Latin-1 letters whose places the Turkish ones took, a letter of no code page 1254, an emoji
    // (two UTF-16 units, one character).
    const QString text = QStringLiteral("Ð Ý Þ ð ý þ Ā ") + QString::fromUtf8("\xF0\x9F\x98\x80") + u'!';
    EXPECT_EQ(ToCp1254(text), QByteArray("? ? ? ? ? ? ? ?!"));
}
