#include "base/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>

namespace {
const char* const kWineFonts[] = {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"};
}

void RegisterApplicationFonts()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    for (const char* path : kWineFonts)
        QFontDatabase::addApplicationFont(QString::fromLatin1(path));
}

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
    static const QHash<QString, QString> metricTwins = {
        {"courier new", "Liberation Mono"},
        {"arial", "Liberation Sans"},
        {"times new roman", "Liberation Serif"},
    };
    auto it = metricTwins.find(name.toLower());
    if (it != metricTwins.end())
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
    return font;
}
