#include "base/date_time_picker.h"

#include "base/format_settings.h"

#include <QCalendarWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The short date format ("dd/mm/yyyy", "/" standing for the date separator) in Qt's notation.
QString QtDateFormat(const TFormatSettings& settings)
{
    QString out;
    for (QChar c : settings.ShortDateFormat) {
        if (c == 'm' || c == 'M')
            out += 'M';
        else if (c == 'd' || c == 'D')
            out += 'd';
        else if (c == 'y' || c == 'Y')
            out += 'y';
        else if (c == '/')
            out += QString("'") + settings.DateSeparator + "'";
        else
            out += QString("'") + c + "'";
    }
    return out;
}

struct SectionRule {
    int width;  // digits that complete it
    int max;
};

SectionRule RuleOf(QDateTimeEdit::Section section)
{
    switch (section) {
    case QDateTimeEdit::DaySection: return {2, 31};
    case QDateTimeEdit::MonthSection: return {2, 12};
    default: return {4, 9999};
    }
}

bool IsDateSection(QDateTimeEdit::Section section)
{
    return section == QDateTimeEdit::DaySection || section == QDateTimeEdit::MonthSection ||
           section == QDateTimeEdit::YearSection;
}

// The year the digits typed so far stand for: one or two of this century, three the first year of
// that decade ("199" 1990), four as they are.
int YearOf(const QString& digits)
{
    const int value = digits.toInt();
    if (digits.size() <= 2)
        return QDate::currentDate().year() / 100 * 100 + value;
    return digits.size() == 3 ? value * 10 : value;
}

// Where the picker draws its drop-down button.
QRect DropDownButton(const QWidget* picker)
{
    QStyleOptionComboBox option;
    option.initFrom(picker);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    return picker->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, picker);
}

// The drop-down calendar. It holds the mouse while open; a click on the drop-down button that shuts it
// must not reach the button afterwards and open it again.
class CalendarPopup : public QWidget {
public:
    explicit CalendarPopup(QWidget* picker) : QWidget(picker, Qt::Popup) {}

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        const QPoint at = parentWidget()->mapFromGlobal(event->globalPosition().toPoint());
        if (DropDownButton(parentWidget()).contains(at))
            setAttribute(Qt::WA_NoMouseReplay);
        QWidget::mousePressEvent(event);
    }
};

} // namespace

TDateTimePicker::TDateTimePicker(QWidget* parent) : QDateTimeEdit(parent)
{
    // Dates before 1900 would need the negative day numbers of TDateTime with their odd fractions.
    setDateRange(QDate(1900, 1, 1), QDate(9999, 12, 31));
    setCalendarPopup(true);  // drawn with a drop-down button; the calendar itself is our own
    ApplyShortDateFormat();
    setDate(ToQDate(::Date()));
    // a turn of the wheel over it neither steps it nor takes the focus
    setFocusPolicy(Qt::StrongFocus);
    // Nothing but the keys handled here may edit the text: a paste, a drop or the editing menu would
    // leave a text that is no date beside the date held.
    setContextMenuPolicy(Qt::NoContextMenu);
    lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    lineEdit()->setAcceptDrops(false);
    lineEdit()->installEventFilter(this);
    // A date set from elsewhere (the calendar, the arrow keys, the program) ends what was typed.
    connect(this, &QDateTimeEdit::dateChanged, this, [this] {
        if (!applying_)
            endTyping();
    });
}

void TDateTimePicker::ApplyShortDateFormat()
{
    setDisplayFormat(QtDateFormat(FormatSettings()));
}

TDateTime TDateTimePicker::DateTime() const
{
    return FromQDate(date()) + timeOfDay_;
}

void TDateTimePicker::SetDateTime(TDateTime value)
{
    SetTime(value);
    SetDate(value);
}

void TDateTimePicker::SetDate(TDateTime date)
{
    setDate(ToQDate(std::floor(date)));
}

TDateTime TDateTimePicker::Time() const
{
    return timeOfDay_;
}

void TDateTimePicker::SetTime(TDateTime time)
{
    timeOfDay_ = time - std::floor(time);
}

void TDateTimePicker::keyPressEvent(QKeyEvent* event)
{
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && event->text().size() == 1 && typeCharacter(event->text()[0])) {
        event->accept();
        return;
    }
    // Any other key ends the digits of a section; moving to another section keeps a day waiting for its
    // month, a step of the arrow keys ends the typing.
    endSection();
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End: {
        // from section to section, each selected whole, as typing replaces it
        const int last = sectionCount() - 1;
        const int index = currentSectionIndex();
        const int to = event->key() == Qt::Key_Home  ? 0
                       : event->key() == Qt::Key_End ? last
                       : event->key() == Qt::Key_Left ? qMax(0, index - 1)
                                                      : qMin(last, index + 1);
        selectSection(sectionAt(to));
        event->accept();
        return;
    }
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Enter:
    case Qt::Key_Return:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        QDateTimeEdit::keyPressEvent(event);
        return;
    default:
        if (event->matches(QKeySequence::Copy) || event->matches(QKeySequence::SelectAll)) {
            QDateTimeEdit::keyPressEvent(event);
            return;
        }
        // Backspace and Delete only let the section be typed anew; other keys are not the picker's.
        event->setAccepted(event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete);
    }
}

void TDateTimePicker::inputMethodEvent(QInputMethodEvent* event)
{
    for (QChar c : event->commitString())
        typeCharacter(c);
    event->accept();
}

bool TDateTimePicker::typeCharacter(QChar c)
{
    if (isReadOnly() || !IsDateSection(currentSection()))
        return false;
    if (c.isDigit()) {
        typeDigit(c.digitValue());
        return true;
    }
    if (!QStringLiteral("./-,").contains(c))
        return false;
    // A separator ends a day or month typed short ("3.7."); after a full one, which has moved on by
    // itself ("31.07"), it is passed over.
    if (!typed_.isEmpty() && typedSection_ == currentSection()) {
        endSection();
        if (currentSectionIndex() + 1 < sectionCount())
            selectSection(sectionAt(currentSectionIndex() + 1));
    }
    return true;
}

bool TDateTimePicker::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (watched == lineEdit() && (press || event->type() == QEvent::MouseButtonRelease)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        // a middle click would paste
        if (mouse->button() != Qt::LeftButton)
            return true;
        if (press) {
            endSection();
            // A click into a section selects it whole, so that typing replaces it.
            lineEdit()->setCursorPosition(lineEdit()->cursorPositionAt(mouse->position().toPoint()));
            if (IsDateSection(currentSection())) {
                selectSection(currentSection());
                return true;
            }
        }
    }
    return QDateTimeEdit::eventFilter(watched, event);
}

// Only the drop-down button answers a click; the spin box beneath would step a section on a click on
// the frame.
void TDateTimePicker::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() == Qt::LeftButton && !isReadOnly() && DropDownButton(this).contains(event->position().toPoint()))
        showCalendar();
}

void TDateTimePicker::wheelEvent(QWheelEvent* event)
{
    event->ignore();
}

void TDateTimePicker::focusInEvent(QFocusEvent* event)
{
    QDateTimeEdit::focusInEvent(event);
    // Coming from the keyboard, from either side, a date is typed from its first section on; a click
    // selects the section it falls on.
    if (event->reason() != Qt::MouseFocusReason && sectionCount() > 0)
        selectSection(sectionAt(0));
}

void TDateTimePicker::focusOutEvent(QFocusEvent* event)
{
    endTyping();
    QDateTimeEdit::focusOutEvent(event);
}

bool TDateTimePicker::focusNextPrevChild(bool next)
{
    endSection();
    return QDateTimeEdit::focusNextPrevChild(next);
}

void TDateTimePicker::typeDigit(int digit)
{
    const Section section = currentSection();
    if (section != typedSection_) {
        typedSection_ = section;
        typed_.clear();
    }
    const SectionRule rule = RuleOf(section);
    typed_ += QChar('0' + digit);
    // A digit that cannot follow the ones before it starts the section anew.
    if (typed_.size() > 1 && typed_.toInt() > rule.max)
        typed_ = QString::number(digit);
    take(section, typed_);
    if (typed_.size() < rule.width && typed_.toInt() * 10 <= rule.max) {
        selectSection(section);
        return;
    }
    endSection();
    const int next = currentSectionIndex() + 1;
    selectSection(next < sectionCount() ? sectionAt(next) : section);
}

// The digits typed so far are the section's value at once, completed to a date that exists.
void TDateTimePicker::take(Section section, const QString& digits)
{
    const QDate shown = date();
    int day = wantedDay_ > 0 ? wantedDay_ : shown.day();
    int month = shown.month();
    int year = shown.year();
    switch (section) {
    case DaySection: day = wantedDay_ = qMax(1, digits.toInt()); break;
    case MonthSection: month = qMax(1, digits.toInt()); break;
    default: year = qBound(minimumDate().year(), YearOf(digits), maximumDate().year()); break;
    }
    apply(year, month, day);
}

void TDateTimePicker::apply(int year, int month, int day)
{
    const int days = QDate(year, month, 1).daysInMonth();
    applying_ = true;
    setDate(QDate(year, month, qMin(day, days)));
    applying_ = false;
}

void TDateTimePicker::endSection()
{
    typed_.clear();
    typedSection_ = NoSection;
}

void TDateTimePicker::endTyping()
{
    endSection();
    wantedDay_ = 0;
}

void TDateTimePicker::selectSection(Section section)
{
    if (section == NoSection)
        return;
    setCurrentSection(section);
    setSelectedSection(section);
}

// The calendar opens on the picker's date and hands back only a day the user picks: a click on it, or
// Enter on the day reached with the keys. Moving about in it, Esc or a click elsewhere change nothing.
void TDateTimePicker::showCalendar()
{
    endTyping();
    if (calendarPopup_ == nullptr) {
        calendarPopup_ = new CalendarPopup(this);
        calendar_ = new QCalendarWidget(calendarPopup_);
        // digits typed into the calendar would pick a day of their own after a pause
        calendar_->setDateEditEnabled(false);
        auto* layout = new QVBoxLayout(calendarPopup_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(calendar_);
        const auto pick = [this](QDate day) {
            calendarPopup_->close();
            setDate(day);
            emit editingFinished();
        };
        connect(calendar_, &QCalendarWidget::clicked, this, pick);
        connect(calendar_, &QCalendarWidget::activated, this, pick);
    }
    calendar_->setDateRange(minimumDate(), maximumDate());
    calendar_->setSelectedDate(date());
    calendar_->setCurrentPage(date().year(), date().month());
    calendarPopup_->adjustSize();
    // below the picker, or above it where the screen ends
    const QRect screen = (this->screen() ? this->screen() : QGuiApplication::primaryScreen())->availableGeometry();
    QPoint at = mapToGlobal(QPoint(0, height()));
    if (at.y() + calendarPopup_->height() > screen.bottom())
        at.setY(mapToGlobal(QPoint(0, 0)).y() - calendarPopup_->height());
    at.setX(qBound(screen.left(), at.x(), qMax(screen.left(), screen.right() - calendarPopup_->width())));
    calendarPopup_->move(at);
    calendarPopup_->show();
    calendar_->setFocus(Qt::PopupFocusReason);
}
