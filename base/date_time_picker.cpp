#include "base/date_time_picker.h"

#include "base/format_settings.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMap>
#include <QMouseEvent>
#include <QSignalBlocker>

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

QDateTimeEdit::Section SectionOf(QChar letter)
{
    switch (letter.unicode()) {
    case 'd': return QDateTimeEdit::DaySection;
    case 'M': return QDateTimeEdit::MonthSection;
    case 'y': return QDateTimeEdit::YearSection;
    default: return QDateTimeEdit::NoSection;
    }
}

// The date in the picker's display format, with one section shown as the given text, and where in
// the result each section stands.
struct Rendered {
    QString text;
    QMap<QDateTimeEdit::Section, std::pair<int, int>> spans;  // start, length
};

Rendered Render(const QString& format, QDate date, const QMap<QDateTimeEdit::Section, QString>& replaced)
{
    Rendered out;
    for (int i = 0; i < format.size();) {
        const QChar c = format[i];
        if (c == '\'') {
            const int close = format.indexOf('\'', i + 1);
            const int stop = close < 0 ? format.size() : close;
            out.text += format.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        const QDateTimeEdit::Section section = SectionOf(c);
        int run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        const QString field = section == QDateTimeEdit::NoSection ? format.mid(i, run)
                              : replaced.contains(section)        ? replaced.value(section)
                                                                  : date.toString(format.mid(i, run));
        if (section != QDateTimeEdit::NoSection)
            out.spans[section] = {static_cast<int>(out.text.size()), static_cast<int>(field.size())};
        out.text += field;
        i += run;
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

} // namespace

TDateTimePicker::TDateTimePicker(QWidget* parent) : QDateTimeEdit(parent)
{
    // Dates before 1900 would need the negative day numbers of TDateTime with their odd fractions.
    setDateRange(QDate(1900, 1, 1), QDate(9999, 12, 31));
    setCalendarPopup(true);
    ApplyShortDateFormat();
    setDate(ToQDate(::Date()));
    lineEdit()->installEventFilter(this);
    // A date set from elsewhere (the calendar, the arrow keys, the program) ends what was typed.
    connect(this, &QDateTimeEdit::dateChanged, this, [this] {
        if (applying_)
            return;
        typed_.clear();
        typedSection_ = NoSection;
        wantedDay_ = 0;
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
    const QString text = event->text();
    if (text.size() == 1 && text[0].isDigit() && IsDateSection(currentSection()) &&
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        typeDigit(text[0].digitValue());
        event->accept();
        return;
    }
    // A separator ends a day or month typed short ("3.7."); after a full one, which has moved on by
    // itself ("31.07"), it is passed over.
    if (text.size() == 1 && QStringLiteral("./-,").contains(text[0]) && IsDateSection(currentSection())) {
        if (!typed_.isEmpty() && typedSection_ == currentSection()) {
            finishSection();
            if (currentSectionIndex() + 1 < sectionCount())
                selectSection(sectionAt(currentSectionIndex() + 1));
            showTyped();
        }
        event->accept();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        // moving to another section keeps a day waiting for its month
        finishSection();
        break;
    default:
        finishTyping();
        break;
    }
    QDateTimeEdit::keyPressEvent(event);
    typedSection_ = NoSection;
    if (wantedDay_ > 0)
        showTyped();
}

bool TDateTimePicker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            finishSection();
            // A click into a section selects it whole, so that typing replaces it.
            lineEdit()->setCursorPosition(lineEdit()->cursorPositionAt(mouse->position().toPoint()));
            if (IsDateSection(currentSection())) {
                selectSection(currentSection());
                typedSection_ = NoSection;
                showTyped();
                return true;
            }
        }
    }
    return QDateTimeEdit::eventFilter(watched, event);
}

void TDateTimePicker::mousePressEvent(QMouseEvent* event)
{
    // the calendar button: what it picks replaces the date
    finishTyping();
    QDateTimeEdit::mousePressEvent(event);
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
    finishTyping();
    QDateTimeEdit::focusOutEvent(event);
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
    const int value = typed_.toInt();
    if (typed_.size() < rule.width && value * 10 <= rule.max) {
        showTyped();
        return;
    }
    finishSection();
    if (currentSectionIndex() + 1 < sectionCount())
        selectSection(sectionAt(currentSectionIndex() + 1));
    showTyped();
}

void TDateTimePicker::finishSection()
{
    if (typedSection_ == NoSection || typed_.isEmpty())
        return;
    const Section section = typedSection_;
    int value = typed_.toInt();
    typed_.clear();
    const QDate shown = date();
    int day = wantedDay_ > 0 ? wantedDay_ : shown.day();
    int month = shown.month();
    int year = shown.year();
    switch (section) {
    case DaySection: day = wantedDay_ = qMax(1, value); break;
    case MonthSection: month = qMax(1, value); break;
    default:
        // two digits or fewer are a year of this century; a year before the range is not taken
        if (value < 100)
            value += QDate::currentDate().year() / 100 * 100;
        if (value >= minimumDate().year())
            year = value;
        break;
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

void TDateTimePicker::finishTyping()
{
    const bool pending = wantedDay_ > 0 || !typed_.isEmpty();
    finishSection();
    typedSection_ = NoSection;
    wantedDay_ = 0;
    if (pending)
        showTyped();
}

// What the user has typed stands on screen until the picker is left, even where the date it would
// make does not exist yet.
void TDateTimePicker::showTyped()
{
    const QDate shown = date();
    QMap<Section, QString> replaced;
    if (wantedDay_ > shown.day())
        replaced[DaySection] = QString::number(wantedDay_);
    if (!typed_.isEmpty())
        replaced[typedSection_] = typed_.rightJustified(RuleOf(typedSection_).width, '0');
    const Rendered rendered = Render(displayFormat(), shown, replaced);
    // The spin box would read the text back as a date and put the month's last day in.
    // Its validator would put that day right at once.
    const QSignalBlocker block(lineEdit());
    const QValidator* validator = lineEdit()->validator();
    lineEdit()->setValidator(nullptr);
    lineEdit()->setText(rendered.text);
    lineEdit()->setValidator(validator);
    const auto span = rendered.spans.value(currentSection(), {0, 0});
    lineEdit()->setSelection(span.first, span.second);
}

void TDateTimePicker::selectSection(Section section)
{
    if (section == NoSection)
        return;
    setCurrentSection(section);
    setSelectedSection(section);
}
