#include "base/typed_length.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include <utility>

namespace {
class TypedLengthFilter : public QObject {
public:
    TypedLengthFilter(QLineEdit* edit, int maxLength) : QObject(edit), edit_(edit), maxLength_(maxLength)
    {
        // a text the program wrote longer may still be shortened
        TakeBackRefusedEdits(edit, [this](const QString& before, const QString& after) {
            return after.size() <= maxLength_ || after.size() <= before.size();
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

class EditTakeBack : public QObject {
public:
    EditTakeBack(QLineEdit* edit, EditCheck accepts)
        : QObject(edit), edit_(edit), accepts_(std::move(accepts)), current_(edit->text())
    {
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) {
            previous_ = current_;
            current_ = text;
        });
        connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) {
            // whichever of the two signals came first, the text before the edit is the other one
            const QString before = current_ == text ? previous_ : current_;
            if (!accepts_(before, text))
                edit_->setText(before);
        });
    }

private:
    QLineEdit* edit_;
    EditCheck accepts_;
    QString previous_;
    QString current_;
};

}  // namespace

void TakeBackRefusedEdits(QLineEdit* edit, EditCheck accepts)
{
    new EditTakeBack(edit, std::move(accepts));
}

void SetTypedMaxLength(QLineEdit* edit, int maxLength)
{
    edit->installEventFilter(new TypedLengthFilter(edit, maxLength));
}

