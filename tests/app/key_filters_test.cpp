#include "app/key_filters.h"

#include "base/typed_length.h"
#include "case_table.h"
#include "input_support.h"
#include "test_support.h"

#include <QLineEdit>

namespace {

class KeyFilterTest : public WorkingFolderTest {};

TEST_F(KeyFilterTest, DigitsAndTheDecimalSeparatorPass)
{
    const QStringList filters = {"Edit11KeyPress", "Edit379KeyPress", "Edit425KeyPress"};
    for (const CaseLine& c : ReadCases("app/key_filters.txt", 6)) {
        QLineEdit edit;
        InstallKeyFilter(&edit, KeyFilter(filters.indexOf(c[0])));
        SendKeys(&edit, QString(c[1]).replace("\\b", "\b"));
        if (c[2].toInt() >= 0)
            edit.setCursorPosition(c[2].toInt());
        SendKeys(&edit, QString(c[3]).replace("\\b", "\b"));
        EXPECT_EQ(edit.text(), c[4]) << c.where.toStdString();
        EXPECT_EQ(edit.cursorPosition(), c[5].toInt()) << c.where.toStdString();
    }

    QLineEdit edit;
    InstallKeyFilter(&edit, KeyFilter::Edit11KeyPress);
    SendKey(&edit, 0, Qt::NoModifier, QString::fromUtf8("\xF0\x9F\x98\x80"));  // two characters
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
        SendKeys(&edit, QString::fromUtf8(c.before));
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
    SendKeys(&edit, "\b");
    EXPECT_EQ(edit.text(), "1.234,56");
    edit.insert("x");
    EXPECT_EQ(edit.text(), "1.234,56");
}
}  // namespace
