#include "base/fonts.h"

#include <QApplication>
#include <QHash>

QString ResolveFontFamily(const QString& windowsName)
{
    QString name = windowsName.trimmed();
    // Windows charset variants ("Times New Roman Tur", "Arial CE") name the same face.
    static const char* const suffixes[] = {" Tur", " CE", " Cyr", " Greek", " Baltic"};
    for (const char* suffix : suffixes) {
        if (name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive)) {
            name.chop(static_cast<int>(qstrlen(suffix)));
            break;
        }
    }
    static const QHash<QString, QString> twins = {
        {"courier new", "Liberation Mono"},
        {"arial", "Liberation Sans"},
        {"times new roman", "Liberation Serif"},
        {"tahoma", "DejaVu Sans Condensed"},
    };
    auto it = twins.find(name.toLower());
    if (it != twins.end())
        return it.value();
    return name;
}

QFont MakeFont(const QString& name, int heightPixels, int style)
{
    QFont font(ResolveFontFamily(name));
    // A negative height is the character height (em size); a positive one the cell height, which for
    // these faces is about 1.15 of the em size.
    int px = heightPixels < 0 ? -heightPixels : qMax(1, qRound(heightPixels / 1.15));
    font.setPixelSize(qMax(1, px));
    font.setItalic(style & 1);
    font.setBold(style & 2);
    font.setUnderline(style & 4);
    font.setStrikeOut(style & 8);
    font.setStyleStrategy(QFont::PreferDefault);
    // Set, so that it is not taken over from the forms' font: text measured for pages keeps its widths.
    font.setHintingPreference(QFont::PreferDefaultHinting);
    return font;
}

QFont FormFont()
{
    QFont font = MakeFont("Tahoma", -11);
    // Stems on whole pixels: small captions stay as crisp as on the screens they were made for.
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void RegisterApplicationFonts()
{
    QApplication::setFont(FormFont());
}
