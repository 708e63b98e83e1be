#include "calc_tab_test.h"

#include <QApplication>
#include <QTest>

namespace {

class ButtonFocus : public CalcTabTest {};

// A speed button is drawn, not windowed: neither a press on it nor Tab gives it the focus. The bit
// buttons and the help buttons take the focus as any button does.
TEST_F(ButtonFocus, EveryButtonOfTheCalculatorTabsTakesTheFocusOfItsKind)
{
    Click("SpeedButton70");  // shows the revaluation rates panel with its own two buttons
    int buttons = 0;
    const char* const tabs[][2] = {{"TabSheet12", "Edit372"}, {"TabSheet13", "Edit379"}, {"TabSheet14", "Edit398"},
                                   {"TabSheet15", "Edit414"}, {"TabSheet6", "Edit422"}};
    for (const auto& [tab, edit] : tabs) {
        for (QAbstractButton* button : Find<QWidget>(tab)->findChildren<QAbstractButton*>()) {
            if (!button->isVisibleTo(Find<QWidget>(tab)) || qobject_cast<QCheckBox*>(button) ||
                button->objectName().startsWith("JvNavPanelHeader"))
                continue;
            ++buttons;
            const std::string name = button->objectName().toStdString();
            const bool speed = button->objectName().startsWith("SpeedButton");
            ASSERT_TRUE(speed || button->objectName().startsWith("BitBtn") ||
                        button->objectName().startsWith("tfXPButton")) << name;
            MouseClick(Find<QLineEdit>(edit));
            // pressed, then let go beside it: the press alone moves the focus, nothing is run
            QTest::mousePress(button, Qt::LeftButton, {}, button->rect().center());
            QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(-4, -4));
            EXPECT_EQ(QApplication::focusWidget() == button, !speed) << name << " pressed";
            EXPECT_EQ(bool(button->focusPolicy() & Qt::TabFocus), !speed) << name << " by Tab";
        }
    }
    EXPECT_EQ(buttons, 36);
}

// After "SIFIRLA", then a run button, Space goes to the edit being typed, not to "SIFIRLA".
TEST_F(ButtonFocus, SpaceAfterARunDoesNotResetTheReport)
{
    MouseClick(Find<QLineEdit>("Edit374"));
    Click("SpeedButton45");
    Click("SpeedButton44");
    const QStringList report = Lines("RichEdit10");
    ASSERT_FALSE(report.isEmpty());
    PressKey(Qt::Key_Space);
    EXPECT_EQ(Lines("RichEdit10").size(), report.size());
    EXPECT_EQ(Text("Edit374"), " ");
}

}  // namespace
