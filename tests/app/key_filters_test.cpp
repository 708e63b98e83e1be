#include "app/key_filters.h"

#include "base/typed_length.h"
#include "case_table.h"
#include "input_support.h"
#include "test_support.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

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
        // thousands separators a paste brings must stand where the grouping puts them
        {KeyFilter::Edit425KeyPress, 0, "", "12.34", ""},
        {KeyFilter::Edit425KeyPress, 0, "", "1,2.3", ""},
        {KeyFilter::Edit425KeyPress, 6, "", "123456", ""},  // 123.456 is longer than typing allows
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

namespace {
class KeyFilterWindowTest : public MainWindowTest {};

// Pastes (Ctrl+V) and keys into the window's edits: a refused change leaves the edit as it stood,
// never an older refused text nor one longer than typing allows.
TEST_F(KeyFilterWindowTest, ARefusedChangeLeavesTheTextAsItStood)
{
    const struct {
        const char* edit;
        QStringList steps;  // "^V" and the text pasted, "<Home>", or keys typed
        const char* text;
    } cases[] = {
        {"Edit381", {"20,50", "^V1.2.3", "^V1 234"}, "20,50"},
        {"Edit428", {"", "^V7.809,90", "^V 7"}, ""},
        {"Edit427", {"7", "^V123456", "^V1.23"}, "7"},
        {"Edit373", {"4205", "<Home>", ","}, ",4205"},  // not ",4.205", which reads 0,4205 too
        {"Edit373", {"4205", "<Home>", "<Right>", ","}, "4,205"},
    };
    MouseClick(Find<QWidget>("SpeedButton70"));  // shows the revaluation rates
    for (const auto& c : cases) {
        TypeKeys(Find<QLineEdit>(c.edit), c.steps[0]);
        for (const QString& step : c.steps.mid(1)) {
            if (step.startsWith("^V")) {
                QGuiApplication::clipboard()->setText(step.mid(2));
                PressKey(Qt::Key_V, Qt::ControlModifier);
            } else if (step == "<Home>" || step == "<Right>") {
                PressKey(step == "<Home>" ? Qt::Key_Home : Qt::Key_Right);
            } else {
                QTest::keyClicks(QApplication::focusWidget(), step);
            }
        }
        const QString what = c.edit + QString(": ") + c.steps.join('|');
        EXPECT_EQ(Find<QLineEdit>(c.edit)->text(), c.text) << what.toStdString();
    }
}
}  // namespace
