#include "base/dialogs.h"
#include "base/exceptions.h"
#include "test_support.h"

#include <QPushButton>
#include <QApplication>

TEST(Guard, ExceptionOfAHandlerIsShownAndTheProgramGoesOn)
{
    TestDialogs().Reset();
    QPushButton button;
    int runs = 0;
    ConnectGuarded(&button, &QPushButton::clicked, &button, [&] {
        ++runs;
        throw EConvertError("'1,2,3' geçerli bir sayı değil");
    });
    button.click();
    button.click();
    EXPECT_EQ(runs, 2);
    ASSERT_EQ(TestDialogs().Texts().size(), 2);
    EXPECT_EQ(TestDialogs().Texts().at(0), "'1,2,3' geçerli bir sayı değil");
    EXPECT_EQ(TestDialogs().shown.at(0).icon, DialogService::Error);
    EXPECT_FALSE(Guarded([] { throw EConvertError("x"); }));
    TestDialogs().Reset();
    EXPECT_TRUE(Guarded([] {}));  // a handler without error shows nothing
    EXPECT_TRUE(TestDialogs().shown.empty());
}
