#include "app/key_filters.h"

#include "base/typed_length.h"
#include "test_support.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
// Types the keys the way the keyboard sends them: "\b" is Backspace.
void type(QLineEdit& edit, const QString& keys)
{
    for (QChar c : keys) {
        const bool backspace = c == '\b';
        const int key = backspace ? int(Qt::Key_Backspace) : int(c.toUpper().unicode());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, backspace ? QString() : QString(c));
        QApplication::sendEvent(&edit, &press);
    }
}

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
        type(edit, QString::fromUtf8(c.keys));
        if (c.cursor >= 0)
            edit.setCursorPosition(c.cursor);
        type(edit, QString::fromUtf8(c.lastKeys));
        EXPECT_EQ(edit.text(), QString::fromUtf8(c.text)) << c.keys << c.lastKeys;
        EXPECT_EQ(edit.cursorPosition(), c.cursorAfter) << c.keys << c.lastKeys;
    }

    QLineEdit edit;
    InstallKeyFilter(&edit, KeyFilter::Edit11KeyPress);
    QKeyEvent twoCharacters(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("\xF0\x9F\x98\x80"));
    QApplication::sendEvent(&edit, &twoCharacters);
    EXPECT_EQ(edit.text(), "");
}
}  // namespace

namespace {
// A paste is one edit of no keys: it passes whole when the keys could have typed it, and is taken
// back whole otherwise, never cut into another figure.
TEST_F(KeyFilterTest, APasteGoesThroughTheSameFilterWhole)
{
    const struct {
        KeyFilter filter;
        int maxLength;  // 0: none
        const char* before;
        const char* pasted;
        const char* text;
    } cases[] = {
        {KeyFilter::Edit425KeyPress, 0, "", "1234567,5", "1.234.567,5"},
        {KeyFilter::Edit425KeyPress, 0, "", "1.234.567,50", "1.234.567,50"},
        {KeyFilter::Edit425KeyPress, 0, "12", "1E19", "12"},
        {KeyFilter::Edit425KeyPress, 0, "12", "1,5,5", "12"},
        {KeyFilter::Edit425KeyPress, 21, "7", "1234567890123456789012", "7"},
        {KeyFilter::Edit425KeyPress, 21, "", "999999999999999", "999.999.999.999.999"},
        {KeyFilter::Edit11KeyPress, 0, "", "18,5", "18,5"},
        {KeyFilter::Edit11KeyPress, 0, "3", "-18", "3"},
        {KeyFilter::Edit379KeyPress, 0, "", "0.759", ""},
    };
    for (const auto& c : cases) {
        QLineEdit edit;
        if (c.maxLength > 0)
            SetTypedMaxLength(&edit, c.maxLength);
        InstallKeyFilter(&edit, c.filter);
        type(edit, QString::fromUtf8(c.before));
        edit.insert(QString::fromUtf8(c.pasted));
        EXPECT_EQ(edit.text(), QString::fromUtf8(c.text)) << c.pasted;
    }
}
}  // namespace

namespace {
TEST_F(KeyFilterTest, TextTheProgramWroteStaysEditable)
{
    QLineEdit edit;
    SetTypedMaxLength(&edit, 5);
    InstallKeyFilter(&edit, KeyFilter::Edit11KeyPress);
    edit.setText("1.234,567");  // longer than typing allows, with a separator the keys refuse
    edit.setCursorPosition(9);
    type(edit, "\b");
    EXPECT_EQ(edit.text(), "1.234,56");
    edit.insert("x");
    EXPECT_EQ(edit.text(), "1.234,56");
}
}  // namespace
