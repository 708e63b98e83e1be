#include "app/application.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <gtest/gtest.h>

TEST(QtTranslations, QtDialogsSpeakTurkishOnlyUnderATurkishLocale)
{
    EXPECT_EQ(QtTranslations(QLocale(QLocale::English, QLocale::UnitedStates)), nullptr);
    EXPECT_EQ(QtTranslations(QLocale(QLocale::German, QLocale::Germany)), nullptr);

    std::unique_ptr<QTranslator> turkish = QtTranslations(QLocale(QLocale::Turkish, QLocale::Turkey));
    ASSERT_NE(turkish, nullptr) << "qtbase_tr.qm is missing (package qt6-translations-l10n)";
    ASSERT_TRUE(QCoreApplication::installTranslator(turkish.get()));
    // What a user reads in the save dialog and on the buttons of every Qt dialog.
    const struct {
        const char* context;
        const char* english;
    } texts[] = {{"QFileDialog", "Save As"}, {"QFileDialog", "Look in:"}, {"QPlatformTheme", "Cancel"},
                 {"QPlatformTheme", "Save"},  {"QPrintDialog", "Print"}};
    for (const auto& t : texts) {
        const QString shown = QCoreApplication::translate(t.context, t.english);
        EXPECT_NE(shown, QString(t.english)) << t.context << " " << t.english;
        EXPECT_FALSE(shown.isEmpty()) << t.english;
    }
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "İptal");
    QCoreApplication::removeTranslator(turkish.get());
}
