#include "base/typed_length.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <utility>
#include <vector>

namespace {
qsizetype commonPrefix(const QString& a, const QString& b)
{
    qsizetype n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n])
        ++n;
    return n;
}

class TypedLengthFilter : public QObject {
public:
    TypedLengthFilter(QLineEdit* edit, int maxLength) : QObject(edit), edit_(edit), maxLength_(maxLength)
    {
        // a text the program wrote longer may still be shortened
        TakeBackRefusedEdits(edit, [this](const UserEdit& e) {
            return e.shown.size() <= maxLength_ || e.shown.size() <= e.before.size();
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        if (typed.isEmpty() || !typed.at(0).isPrint())
            return false;
        return edit_->text().size() - edit_->selectedText().size() >= maxLength_;
    }

private:
    QLineEdit* edit_;
    int maxLength_;
};

// The one judge of an edit's user changes. It keeps the text the edit shows itself: QLineEdit sends
// textEdited before textChanged, so when a change is taken back inside textEdited, the textChanged of
// the refused text still follows and must not be taken for what the edit holds.
class EditGuard : public QObject {
public:
    explicit EditGuard(QLineEdit* edit) : QObject(edit), edit_(edit), current_(edit->text())
    {
        setObjectName(QStringLiteral("EditGuard"));
        connect(edit, &QLineEdit::textChanged, this, [this] { follow(); });
        connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) { judge(text); });
    }

    static EditGuard* Of(QLineEdit* edit)
    {
        auto* guard = dynamic_cast<EditGuard*>(
            edit->findChild<QObject*>(QStringLiteral("EditGuard"), Qt::FindDirectChildrenOnly));
        return guard ? guard : new EditGuard(edit);
    }

    std::vector<EditCheck> checks;
    EditShape shape;

private:
    void follow()
    {
        if (edit_->text() == current_)
            return;
        previous_ = current_;
        current_ = edit_->text();
    }

    void judge(const QString& typed)
    {
        // textChanged of this change normally comes after; if it came first, `previous_` stood before
        UserEdit e{current_ == typed ? previous_ : current_, typed, typed};
        int cursor = edit_->cursorPosition();
        if (shape)
            e.shown = shape(typed, cursor);
        bool accepted = true;
        for (const EditCheck& check : checks)
            accepted = accepted && check(e);
        if (!accepted) {
            const auto at = int(std::min(commonPrefix(e.before, typed), e.before.size()));
            edit_->setText(e.before);
            edit_->setCursorPosition(at);
        } else if (e.shown != typed) {
            edit_->setText(e.shown);
            edit_->setCursorPosition(cursor);
        }
        previous_ = e.before;
        current_ = edit_->text();
    }

    QLineEdit* edit_;
    QString previous_;
    QString current_;
};
}  // namespace

QString UserEdit::Inserted() const
{
    const qsizetype prefix = commonPrefix(before, typed);
    qsizetype suffix = 0;
    while (suffix < before.size() - prefix && suffix < typed.size() - prefix &&
           before[before.size() - 1 - suffix] == typed[typed.size() - 1 - suffix])
        ++suffix;
    return typed.mid(prefix, typed.size() - prefix - suffix);
}

void TakeBackRefusedEdits(QLineEdit* edit, EditCheck accepts)
{
    EditGuard::Of(edit)->checks.push_back(std::move(accepts));
}

void ShapeUserEdits(QLineEdit* edit, EditShape shape)
{
    EditGuard::Of(edit)->shape = std::move(shape);
}

void SetTypedMaxLength(QLineEdit* edit, int maxLength)
{
    edit->installEventFilter(new TypedLengthFilter(edit, maxLength));
}
