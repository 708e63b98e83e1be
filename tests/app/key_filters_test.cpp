#include "app/key_filters.h"

#include "input_support.h"
#include "test_support.h"

#include <QLineEdit>

namespace {

class KeyFilterTest : public WorkingFolderTest {};

TEST_F(KeyFilterTest, DigitsAndTheDecimalSeparatorPass)
{
    const struct {
        KeyFilter filter;
        const char* keys;
        int cursor;  // where the cursor is put before the last keys, -1 at the end
        const char* lastKeys;
        const char* text;
        int cursorAfter;
    } cases[] = {
        {KeyFilter::Edit11KeyPress, "12a,5.", -1, "", "12,5", 4},
        {KeyFilter::Edit11KeyPress, "1-2 3\b", -1, "", "12", 2},
        {KeyFilter::Edit379KeyPress, "18.,5x", -1, "", "18,5", 4},
        {KeyFilter::Edit425KeyPress, "1234567,891,2", -1, "", "1.234.567,8912", 14},
        {KeyFilter::Edit425KeyPress, "1000.5", -1, "", "10.005", 6},
        {KeyFilter::Edit425KeyPress, "12345\b", -1, "", "1.234", 5},
        {KeyFilter::Edit425KeyPress, "1234\b", -1, "", "123", 3},
        // Backspace after a group separator takes the digit before it.
        {KeyFilter::Edit425KeyPress, "1234567", 2, "\b", "234.567", 0},
        // Typing inside the integer part keeps the cursor beside the digit.
        {KeyFilter::Edit425KeyPress, "123,45", 1, "9", "1.923,45", 3},
    };
    for (const auto& c : cases) {
        QLineEdit edit;
        InstallKeyFilter(&edit, c.filter);
        SendKeys(&edit, QString::fromUtf8(c.keys));
        if (c.cursor >= 0)
            edit.setCursorPosition(c.cursor);
        SendKeys(&edit, QString::fromUtf8(c.lastKeys));
        EXPECT_EQ(edit.text(), QString::fromUtf8(c.text)) << c.keys << c.lastKeys;
        EXPECT_EQ(edit.cursorPosition(), c.cursorAfter) << c.keys << c.lastKeys;
    }

    QLineEdit edit;
    InstallKeyFilter(&edit, KeyFilter::Edit11KeyPress);
    SendKey(&edit, 0, Qt::NoModifier, QString::fromUtf8("\xF0\x9F\x98\x80"));  // two characters
    EXPECT_EQ(edit.text(), "");
}
}  // namespace
