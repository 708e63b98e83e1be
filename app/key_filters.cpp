#include "app/key_filters.h"

#include "base/format_settings.h"
#include "base/numbers.h"
#include "base/typed_length.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {
// Groups the integer part of an amount text with the thousands separator; the decimal part keeps no
// separator, so that a decimal separator typed before grouped digits gives what it reads (",4205" is
// 0,4205, not ",4.205").
QString regroupAmount(const QString& text)
{
    const QChar decimal = FormatSettings().DecimalSeparator;
    const qsizetype cut = text.indexOf(decimal);
    const QString head = cut < 0 ? text : text.left(cut);
    const QString tail = cut < 0 ? QString() : text.mid(cut).remove(FormatSettings().ThousandSeparator);
    QString digits;
    for (QChar c : head)
        if (c.isDigit())
            digits += c;
    return GroupThousands(digits) + tail;
}

// How many characters before `position` are not thousands separators: the cursor's place in the
// text that survives a regrouping.
int significantBefore(const QString& text, int position)
{
    const QChar thousands = FormatSettings().ThousandSeparator;
    int n = 0;
    for (int i = 0; i < position && i < text.size(); ++i)
        if (text[i] != thousands)
            ++n;
    return n;
}

int positionAfterSignificant(const QString& text, int count)
{
    const QChar thousands = FormatSettings().ThousandSeparator;
    int i = 0;
    while (i < text.size() && count > 0) {
        if (text[i] != thousands)
            --count;
        ++i;
    }
    return i;
}

class KeyFilterObject : public QObject {
public:
    KeyFilterObject(QLineEdit* edit, KeyFilter filter) : QObject(edit), edit_(edit), filter_(filter)
    {
        TakeBackRefusedEdits(edit, [this](const UserEdit& e) { return admits(e); });
        if (filter_ == KeyFilter::Edit425KeyPress)
            ShapeUserEdits(edit, [](const QString& text, int& cursor) {
                const QString grouped = regroupAmount(text);
                cursor = positionAfterSignificant(grouped, significantBefore(text, cursor));
                return grouped;
            });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != edit_ || event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Backspace) {
            stepOverSeparator();
            return false;
        }
        // Shortcuts and keys without a printable character (arrows, Delete, Enter, Tab) go on.
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
            return false;
        const QString text = key->text();
        if (text.isEmpty() || text[0].category() == QChar::Other_Control)
            return false;
        // a key that brings more than one character (a surrogate pair, composed input) is no digit
        return text.size() != 1 || !accepts(text[0]);
    }

private:
    // A change (a paste or a drop too) passes whole when it brings only characters the keys pass, or
    // an amount edit's own thousands separators standing where its grouping puts them, and leaves an
    // amount the edit reads as it shows it. Dropping the others could change its figure ("1E19" would
    // become 119); a text the program wrote may keep characters the keys refuse.
    bool admits(const UserEdit& e) const
    {
        const bool amount = filter_ == KeyFilter::Edit425KeyPress;
        const QChar decimal = FormatSettings().DecimalSeparator;
        const QChar thousands = FormatSettings().ThousandSeparator;
        const QString inserted = e.Inserted();
        for (QChar c : inserted)
            if (!(c >= '0' && c <= '9') && c != decimal && !(amount && c == thousands))
                return false;
        if (!amount)
            return true;
        if (inserted.contains(thousands) && regroupAmount(e.typed) != e.typed)
            return false;
        return !oneDecimal(e.before) || oneDecimal(e.shown);
    }

    static bool oneDecimal(const QString& text) { return text.count(FormatSettings().DecimalSeparator) <= 1; }

    bool accepts(QChar c) const
    {
        if (c >= '0' && c <= '9')
            return true;
        if (c != FormatSettings().DecimalSeparator)
            return false;
        if (filter_ != KeyFilter::Edit425KeyPress)
            return true;
        // One decimal separator; the one being replaced by a selection does not count.
        QString rest = edit_->text();
        if (edit_->hasSelectedText())
            rest.remove(edit_->selectionStart(), edit_->selectedText().size());
        return !rest.contains(c);
    }

    // Backspace right after a thousands separator takes the digit before it, not the separator that
    // the regrouping would put back at once.
    void stepOverSeparator()
    {
        if (filter_ != KeyFilter::Edit425KeyPress || edit_->hasSelectedText())
            return;
        const int at = edit_->cursorPosition();
        if (at > 1 && edit_->text()[at - 1] == FormatSettings().ThousandSeparator)
            edit_->setCursorPosition(at - 1);
    }

    QLineEdit* edit_;
    KeyFilter filter_;
};
}  // namespace

void InstallKeyFilter(QLineEdit* edit, KeyFilter filter)
{
    if (!edit)
        return;
    edit->installEventFilter(new KeyFilterObject(edit, filter));
}
