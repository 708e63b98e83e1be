#include "base/typed_length.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {
class TypedLengthFilter : public QObject {
public:
    TypedLengthFilter(QLineEdit* edit, int maxLength) : QObject(edit), edit_(edit), maxLength_(maxLength)
    {
        // A paste or a drop does not come as keys: keep what fits.
        connect(edit, &QLineEdit::textEdited, this, [this](const QString& text) {
            if (text.size() > maxLength_)
                edit_->setText(text.left(maxLength_));
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

}  // namespace

void SetTypedMaxLength(QLineEdit* edit, int maxLength)
{
    edit->installEventFilter(new TypedLengthFilter(edit, maxLength));
}

