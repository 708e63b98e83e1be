#include "app/key_filters.h"

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
