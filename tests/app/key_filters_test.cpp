#include "app/key_filters.h"

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
    struct Case {
        KeyFilter filter;
        const char* keys;
        const char* text;
    } cases[] = {
        {KeyFilter::Edit11KeyPress, "12a,5.", "12,5"},
        {KeyFilter::Edit11KeyPress, "1-2 3\b", "12"},
        {KeyFilter::Edit379KeyPress, "18.,5x", "18,5"},
        {KeyFilter::Edit425KeyPress, "1234567,891,2", "1.234.567,8912"},
        {KeyFilter::Edit425KeyPress, "1000.5", "10.005"},
        {KeyFilter::Edit425KeyPress, "12345\b", "1.234"},
        {KeyFilter::Edit425KeyPress, "1234\b", "123"},
    };
    for (const auto& c : cases) {
        QLineEdit edit;
        InstallKeyFilter(&edit, c.filter);
        type(edit, QString::fromUtf8(c.keys));
        EXPECT_EQ(edit.text(), QString::fromUtf8(c.text)) << c.keys;
    }
}

TEST_F(KeyFilterTest, BackspaceAfterAGroupSeparatorTakesTheDigit)
{
    QLineEdit edit;
    InstallKeyFilter(&edit, KeyFilter::Edit425KeyPress);
    type(edit, "1234567");
    edit.setCursorPosition(2);  // after "1."
    type(edit, "\b");
    EXPECT_EQ(edit.text(), "234.567");
    EXPECT_EQ(edit.cursorPosition(), 0);
}

TEST_F(KeyFilterTest, TypingInsideTheIntegerPartKeepsTheCursorBesideTheDigit)
{
    QLineEdit edit;
    InstallKeyFilter(&edit, KeyFilter::Edit425KeyPress);
    type(edit, "123,45");
    edit.setCursorPosition(1);
    type(edit, "9");
    EXPECT_EQ(edit.text(), "1.923,45");
    EXPECT_EQ(edit.cursorPosition(), 3);
}
}  // namespace
