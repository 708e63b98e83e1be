#include "calc/payroll_assets/payroll_edits.h"

#include "base/color.h"
#include "base/format_settings.h"

#include <QLineEdit>
#include <QPalette>

namespace {
void setEditColor(QLineEdit& edit, int tcolor)
{
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Base, ColorFromTColor(tcolor));
    edit.setPalette(palette);
}
}  // namespace

void Edit386Enter(QLineEdit& edit)
{
    setEditColor(edit, clYellow);
}

void Edit386Exit(QLineEdit& edit)
{
    setEditColor(edit, clWhite);
}

void Edit383Enter(QLineEdit& edit)
{
    setEditColor(edit, clYellow);
    edit.setText(RemoveDecimalSeparators(edit.text()));
}

void Edit383Exit(QLineEdit& edit)
{
    setEditColor(edit, clWhite);
    edit.setText(GroupWithDecimalSeparators(edit.text()));
}

QString RemoveDecimalSeparators(const QString& text)
{
    QString result = text;
    result.remove(FormatSettings().DecimalSeparator);
    return result;
}

QString GroupWithDecimalSeparators(const QString& text)
{
    const QChar separator = FormatSettings().DecimalSeparator;
    if (text.contains(separator))
        return text;
    QString result = text;
    const int length = static_cast<int>(text.size());
    for (int i = 3; i <= length - 1; i += 3)
        result.insert(length - i, separator);
    return result;
}
