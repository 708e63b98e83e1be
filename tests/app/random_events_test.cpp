// Random play with real events against the date pickers, the payroll grid and the amount edits of the
// main window, with what must hold after every step (random_session.h says how to run it longer).

#include "app/shell_routines.h"
#include "base/date_time_picker.h"
#include "base/numbers.h"
#include "base/string_grid.h"
#include "random_session.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <map>

namespace {

struct Event {
    char kind = 'w';          // 's' start on a tab, 'c' click, 't' typed text, 'k' key, 'v' paste, 'w' wait
    QString target;           // the widget clicked; for 's' the widget that opens the tab
    int col = -1, row = -1;   // a cell of StringGrid5
    int edge = 0, offset = 0; // 0 inside, 1 top, 2 bottom, 3 left, 4 right, 5 drop-down button
    double fx = 0.5, fy = 0.5;
    QString text; // typed or pasted
    int key = 0;
    Qt::KeyboardModifiers mods;
    int ms = 0; // a wait; for a click, 1 when it follows the last one within the double-click time
    int answer = 0; // what the user does with a menu the event opens: 0 Esc, 1-12 a click on an item,
                    // 13-24 arrow keys down to one and Enter
};

// The picker whose drop-down calendar is open.
TDateTimePicker* CalendarOwner()
{
    QWidget* popup = QApplication::activePopupWidget();
    return popup && popup->findChild<QCalendarWidget*>() ? qobject_cast<TDateTimePicker*>(popup->parentWidget())
                                                          : nullptr;
}

std::string Describe(const Event& e)
{
    static const char* const edges[] = {"", " top+", " bottom-", " left+", " right-", " drop-down"};
    QString s;
    switch (e.kind) {
    case 'c':
        if (e.target == "calendar") {
            s = QString("click the open calendar%1 at %2,%3")
                    .arg(e.col == 0 ? "'s days" : "")
                    .arg(e.fx, 0, 'f', 2)
                    .arg(e.fy, 0, 'f', 2) +
                (e.ms ? " quickly" : "");
            break;
        }
        s = "click " + e.target + (e.row >= 0 ? QString(" cell %1,%2").arg(e.col).arg(e.row) : QString()) +
            edges[e.edge] + (e.edge && e.edge < 5 ? QString::number(e.offset) : QString()) +
            QString(" at %1,%2").arg(e.fx, 0, 'f', 2).arg(e.fy, 0, 'f', 2) + (e.ms ? " quickly" : "");
        break;
    case 's':
        s = "start on the tab of " + e.target;
        break;
    case 't':
        s = "type \"" + e.text + "\"";
        break;
    case 'v':
        s = "paste \"" + e.text + "\"" + (e.key ? " with Shift+Ins" : "");
        break;
    case 'k':
        s = "key " + QKeySequence(e.key | e.mods).toString();
        break;
    default:
        s = QString("wait %1 ms").arg(e.ms);
    }
    return s.toStdString();
}

// A calculator tab: the widget a session starts by clicking (it changes nothing), its pickers, its
// amount edits, its run buttons and other widgets a user clicks between.
struct Tab {
    const char* home;
    QStringList pickers, edits, runs, others;
};

QStringList Names(const char* prefix, std::initializer_list<int> numbers)
{
    QStringList names;
    for (int n : numbers)
        names << prefix + QString::number(n);
    return names;
}

const std::vector<Tab>& Tabs()
{
    static const std::vector<Tab> tabs = {
        {"RichEdit10",
         Names("DateTimePicker", {62, 63}),
         {"Edit373"},
         Names("SpeedButton", {44, 47, 48, 49}),
         {"Edit372", "Edit374", "SpeedButton45"}},
        {"JustaEdit2",
         {},
         Names("Edit", {379, 380, 381, 382, 384, 385, 386, 387}),
         {"BitBtn8", "SpeedButton52"},
         {"JustaEdit2", "StringGrid5"}},
        {"RichEdit13",
         Names("DateTimePicker", {64, 65}),
         Names("Edit", {399, 400, 401, 402, 403, 404, 405, 406, 407, 408, 409, 410, 411, 412, 413}),
         {"SpeedButton56"},
         {"Edit398", "SpeedButton57"}},
        {"RichEdit14",
         Names("DateTimePicker", {66, 67}),
         Names("Edit", {415, 416, 417, 424, 423}),
         Names("SpeedButton", {59, 62, 63, 12}),
         {"Edit414", "SpeedButton61"}},
        {"RichEdit15",
         Names("DateTimePicker", {68, 69}),
         Names("Edit", {425, 426, 427, 428, 429, 430, 431, 432,  433,  434,  436,  437,  438,  439,
                        440, 441, 442, 443, 444, 445, 446, 2008, 2009, 2010, 2011, 2012, 2013, 2014}),
         {"SpeedButton64"},
         {"Edit422", "SpeedButton70", "SpeedButton71", "SpeedButton66"}},
    };
    return tabs;
}

// What the keys of an edit pass: 'a' an amount (Edit425KeyPress), 'd' digits and decimal separators
// (Edit11KeyPress, Edit379KeyPress), '-' anything; and its typed length (0: none).
struct EditRule {
    char filter;
    int max;
};

EditRule RuleOf(const QString& edit)
{
    static const std::map<QString, EditRule> rules = {
        {"Edit373", {'a', 21}}, {"Edit386", {'a', 21}}, {"Edit387", {'a', 21}}, {"Edit415", {'a', 21}},
        {"Edit416", {'a', 2}},  {"Edit417", {'a', 15}}, {"Edit424", {'a', 21}}, {"Edit423", {'d', 0}},
        {"Edit425", {'a', 22}}, {"Edit426", {'d', 2}},  {"Edit427", {'-', 4}},
    };
    if (auto it = rules.find(edit); it != rules.end())
        return it->second;
    const int n = edit.mid(4).toInt();
    if (n >= 379 && n <= 385)
        return {'d', 5};
    return {'a', n >= 399 && n <= 413 ? 22 : 6}; // turnover amounts; revaluation rates
}

QString Regroup(const QString& text)
{
    const qsizetype cut = text.indexOf(',');
    QString digits = cut < 0 ? text : text.left(cut);
    digits.remove('.');
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, '.');
    return digits + (cut < 0 ? QString() : text.mid(cut).remove('.'));
}

// The text an empty edit holds after the keys of `typed`.
QString TypedInto(const EditRule& rule, const QString& typed)
{
    QString text;
    for (QChar c : typed) {
        const bool passes =
            rule.filter == '-' || c.isDigit() || (c == ',' && !(rule.filter == 'a' && text.contains(',')));
        const QString next = !passes ? text : rule.filter == 'a' ? Regroup(text + c) : text + c;
        if (rule.max == 0 || next.size() <= rule.max)
            text = next;
    }
    return text;
}

bool Admitted(const EditRule& rule, const QString& text)
{
    // grouped as typing groups it, or not at all as a design text may stand ("2731,85")
    static const QRegularExpression amount(R"(^(\d{1,3}(\.\d{3})*|\d*)(,\d*)?$)"), digits(R"(^[\d,]*$)");
    return rule.filter == '-' || (rule.filter == 'a' ? amount : digits).match(text).hasMatch();
}

// The grid's columns: what their keys pass and which hold what the user typed.
QString GridTyped(int col, const QString& typed)
{
    QString text;
    for (QChar c : typed) {
        if (col == 1 || col == 16)
            text += c;
        else if ((col <= 4 || col == 14 || col == 15) && (c.isDigit() || c == ','))
            text += c;
        if ((col == 2 || col == 3) && !text.contains(',') && text.size() > 2)
            text = FormatFloat("#,##0", StrToAmount(text));
    }
    return text;
}

// A user's cells of a row keep their figures when the row is computed: the gross is written as money
// (to the kuruş) and days out of 1..30 become 30.
bool SameTypedCell(int col, const QString& before, const QString& after)
{
    if (before == after || (col == 4 && after == "30"))
        return true;
    if (col != 2)
        return false;
    try {
        const double typed = StrToAmount(before);
        return std::abs(typed - StrToAmount(after)) <= 0.005 * (1 + 1e-9) + std::abs(typed) * 1e-15;
    } catch (const std::exception&) {  // two decimal separators: no figure to compare
        return false;
    }
}

class RandomEvents : public MainWindowTest {
protected:
    QWidget* Widget(const QString& name) const { return form_->findChild<QWidget*>(name); }
    TStringGrid* Grid() const { return form_->findChild<TStringGrid*>("StringGrid5"); }

    // Where a click lands in a rectangle.
    static QPoint Where(const QRect& r, const Event& e)
    {
        const int x = r.left() + 3 + int(e.fx * std::max(0, r.width() - 7));
        const int y = r.top() + 3 + int(e.fy * std::max(0, r.height() - 7));
        switch (e.edge) {
        case 1:
            return {x, r.top() + e.offset};
        case 2:
            return {x, r.bottom() - e.offset};
        case 3:
            return {r.left() + e.offset, y};
        case 4:
            return {r.right() - e.offset, y};
        case 5:
            return {r.right() - 3 - int(e.fx * 10), y};
        default:
            return {x, y};
        }
    }

    // Plays one event as the window system delivers it: a click to whatever lies at its place (an open
    // pop-up takes it first), keys to the focus of the active window or pop-up. False when the widget
    // of a click cannot be seen.
    bool Act(const Event& e, size_t step)
    {
        step_ = int(step);
        focusBefore_ = QApplication::focusWidget();
        QWidget* popup = QApplication::activePopupWidget();
        QWindow* keys = (popup ? popup : form_.get())->windowHandle();
        landedInPopup_ = false;
        clickedCell_ = QModelIndex();
        switch (e.kind) {
        case 'c': {
            if (e.target == "calendar") { // its days, or anywhere on it
                if (!CalendarOwner())
                    return false;
                QWidget* days = e.col == 0 ? popup->findChild<QTableView*>() : popup;
                const QPoint at = days->mapTo(popup, Where(days->rect(), e));
                landedInPopup_ = true;
                if (e.ms)
                    QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval - 60;
                Answering(e, [&] { QTest::mouseClick(popup->windowHandle(), Qt::LeftButton, {}, at); });
                break;
            }
            QWidget* w = Widget(e.target);
            if (!w || !w->isVisible())
                return false;
            QPoint at;
            if (e.row < 0) {
                QRect r = w->rect();
                if (qobject_cast<TDateTimePicker*>(w) && e.edge == 0)
                    r.setRight(r.right() - 22); // the text, not the drop-down button
                at = Where(r, e);
            } else if (e.row == 0) { // the fixed heading row, drawn above the cells
                QHeaderView* header = Grid()->horizontalHeader();
                w = header->viewport();
                at = Where(QRect(header->sectionViewportPosition(e.col), 0, header->sectionSize(e.col),
                                 header->height()),
                           e);
            } else {
                TStringGrid* grid = Grid();
                w = grid->viewport();
                at = Where(e.row < grid->RowCount() ? grid->visualRect(grid->model()->index(e.row, e.col))
                                                    : QRect(0, w->height() - 12, w->width(), 12),
                           e); // below the rows
            }
            const QPoint inWindow = w->mapTo(form_.get(), at);
            QWidget* there = form_->childAt(inWindow);
            if (!w->rect().contains(at) || !form_->rect().contains(inWindow) ||
                (there != w && !w->isAncestorOf(there)))
                return false; // out of sight
            // an open pop-up takes a click on it
            landedInPopup_ = popup && popup->geometry().contains(form_->mapToGlobal(inWindow));
            clickedCell_ = w == Grid()->viewport() ? Grid()->indexAt(at) : QModelIndex();
            if (e.ms)         // 60 ms after the last click instead of the test library's half a second
                QTest::lastMouseTimestamp -= QTest::mouseDoubleClickInterval - 60;
            Answering(e, [&] { QTest::mouseClick(form_->windowHandle(), Qt::LeftButton, {}, inWindow); });
            break;
        }
        case 't':
            Answering(e, [&] {
                for (QChar c : e.text) {
                    const auto key = Qt::Key(QTest::asciiToKey(c.toLatin1()));
                    QTest::sendKeyEvent(QTest::Press, keys, key, c, {});
                    QTest::sendKeyEvent(QTest::Release, keys, key, c, {});
                }
            });
            break;
        case 'v':
            QGuiApplication::clipboard()->setText(e.text);
            Answering(e, [&] {
                e.key ? QTest::keyClick(keys, Qt::Key_Insert, Qt::ShiftModifier)
                      : QTest::keyClick(keys, Qt::Key_V, Qt::ControlModifier);
            });
            break;
        case 'k':
            Answering(e, [&] { QTest::keyClick(keys, Qt::Key(e.key), e.mods); });
            break;
        default:
            QTest::qWait(e.ms);
        }
        QApplication::processEvents();
        return true;
    }

    // Sends the events of a step. A menu (the calendar's month button) or a modal window opened by them
    // runs its own event loop, and the step returns only once the user closes it: the user answers a
    // menu from there as the step says, noted for a report; a modal window, which every message of the
    // program's should have gone by the scripted dialogs instead, is shut and fails the session. A step
    // that stays in such a loop with nothing to answer has hung the program: its seed is printed and
    // the run ends.
    void Answering(const Event& e, const std::function<void()>& send)
    {
        QTimer guard;
        QElapsedTimer clock;
        QObject::connect(&guard, &QTimer::timeout, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                clock.restart();
                notes_ << QString("event %1 opened a menu").arg(step_) + AnswerMenu(menu, e.answer);
            } else if (QWidget* modal = QApplication::activeModalWidget()) {
                clock.restart();
                if (modal_.isEmpty())
                    modal_ = QString("event %1 opened the modal %2 \"%3\"")
                                 .arg(step_)
                                 .arg(modal->metaObject()->className(), modal->windowTitle());
                QTest::keyClick(modal, Qt::Key_Escape);
                if (modal->isVisible())
                    modal->close();
            } else if (clock.elapsed() > 20000) {
                std::fprintf(stderr, "seed %u: event %d (%s) has not returned for 20 s with no menu or "
                                     "modal window open\n", PlayedSeed(), step_, Describe(e).c_str());
                std::abort();
            }
        });
        clock.start();
        guard.start(5);
        send();
    }

    // A user's answer to an open menu; what it was.
    static QString AnswerMenu(QMenu* menu, int answer)
    {
        QList<QAction*> items;
        for (QAction* a : menu->actions())
            if (a->isVisible() && a->isEnabled() && !a->isSeparator())
                items << a;
        if (answer == 0 || items.isEmpty()) {
            QTest::keyClick(menu, Qt::Key_Escape);
            return ", shut with Esc";
        }
        if (answer <= 12) {
            QAction* item = items[(answer - 1) % items.size()];
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
            return ", \"" + item->text() + "\" clicked";
        }
        for (int n = answer - 12; n > 0; --n)
            QTest::keyClick(menu, Qt::Key_Down);
        const QString item = menu->activeAction() ? menu->activeAction()->text() : QString();
        QTest::keyClick(menu, Qt::Key_Return);
        return QString(", %1 × Down and Enter (\"%2\")").arg(answer - 12).arg(item);
    }

    // Opens the tab of the session, in a new window, with a click on a widget of it that changes
    // nothing; the start stays when a failing session is shrunk.
    const Tab& Start(const std::vector<Event>& events)
    {
        RecreateWindow();
        TestDialogs().Reset();
        form_->resize(1366, 740); // a laptop's screen
        MouseClick(Widget(events[0].target));
        for (const Tab& tab : Tabs())
            if (tab.home == events[0].target)
                return tab;
        return Tabs()[0];
    }
    static std::vector<Event> StartOn(const Tab& tab) { return {Event{'s', tab.home}}; }

    // Random parts of events.
    template <typename T> static const T& Pick(std::mt19937& random, const std::vector<T>& from)
    {
        return from[std::uniform_int_distribution<size_t>(0, from.size() - 1)(random)];
    }
    static QString PickName(std::mt19937& random, const QStringList& from)
    {
        return from[std::uniform_int_distribution<qsizetype>(0, from.size() - 1)(random)];
    }
    static int Int(std::mt19937& random, int low, int high)
    {
        return std::uniform_int_distribution<int>(low, high)(random);
    }
    static Event Click(std::mt19937& random, const QString& target, int edgeChance, bool dropDown = false)
    {
        Event e{'c', target};
        e.fx = Int(random, 0, 100) / 100.0;
        e.fy = Int(random, 0, 100) / 100.0;
        if (Int(random, 1, 100) <= edgeChance)
            e.edge = Int(random, 1, 4), e.offset = Int(random, 0, 1);
        else if (dropDown)
            e.edge = 5;
        e.ms = Int(random, 1, 3) == 1;
        e.answer = Int(random, 0, 24);
        return e;
    }
    static Event Typed(std::mt19937& random, const QString& alphabet, int longest)
    {
        Event e{'t'};
        for (int n = Int(random, 1, longest); n > 0; --n)
            e.text += alphabet[Int(random, 0, int(alphabet.size()) - 1)];
        return e;
    }
    static Event Key(std::mt19937& random)
    {
        static const std::vector<std::pair<int, Qt::KeyboardModifiers>> keys = {
            {Qt::Key_Tab, {}},
            {Qt::Key_Backtab, Qt::ShiftModifier},
            {Qt::Key_Left, {}},
            {Qt::Key_Right, {}},
            {Qt::Key_Up, {}},
            {Qt::Key_Down, {}},
            {Qt::Key_Backspace, {}},
            {Qt::Key_Delete, {}},
            {Qt::Key_Home, {}},
            {Qt::Key_End, {}},
            {Qt::Key_Escape, {}},
            {Qt::Key_Return, {}},
            {Qt::Key_A, Qt::ControlModifier},
            {Qt::Key_Left, Qt::ShiftModifier},
            {Qt::Key_Home, Qt::ShiftModifier},
            {Qt::Key_End, Qt::ShiftModifier},
            {Qt::Key_Insert, Qt::ShiftModifier},
            {Qt::Key_Delete, Qt::ShiftModifier},
            {Qt::Key_Z, Qt::ControlModifier},
            {Qt::Key_X, Qt::ControlModifier},
            {Qt::Key_PageUp, {}},
            {Qt::Key_PageDown, {}},
            {Qt::Key_Space, {}}};
        const auto& [key, mods] = Pick(random, keys);
        Event e{'k'};
        e.key = key, e.mods = mods;
        return e;
    }
    static Event Pasted(std::mt19937& random, const QString& text)
    {
        Event e{'v'};
        e.text = text;
        e.key = Int(random, 0, 2) == 0; // Shift+Ins, or Ctrl+V
        return e;
    }
    // A short wait; in a long run now and then one longer than the keyboard search's and the double
    // click's intervals.
    static Event Wait(std::mt19937& random, bool mayBeLong = false)
    {
        Event e{'w'};
        e.ms = mayBeLong && LongRun() && Int(random, 1, 15) == 1 ? Int(random, 450, 1100) : Int(random, 1, 12);
        return e;
    }
    // What a user does in a calendar just opened: clicks on it (mostly its days), keys, digits, waits.
    static std::vector<Event> InCalendar(std::mt19937& random)
    {
        static const std::vector<int> keys = {Qt::Key_Left, Qt::Key_Right,    Qt::Key_Up,     Qt::Key_Down,
                                              Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Return, Qt::Key_Enter,
                                              Qt::Key_Escape, Qt::Key_Home,     Qt::Key_End,    Qt::Key_Space};
        std::vector<Event> events;
        for (int n = Int(random, 1, 4); n > 0; --n) {
            const int roll = Int(random, 1, 10);
            if (roll <= 5) {
                Event click = Click(random, "calendar", 0);
                click.col = roll == 5;
                events.push_back(click);
            } else if (roll <= 8) {
                Event e{'k'};
                e.key = Pick(random, keys);
                events.push_back(e);
            } else if (roll == 9) {
                events.push_back(Typed(random, "0123456789", 2));
            } else {
                events.push_back(Wait(random, true));
            }
        }
        return events;
    }

    void RunSessions(int sessions, std::function<std::vector<Event>(std::mt19937&)> generate,
                     std::function<std::optional<std::string>(const std::vector<Event>&)> play)
    {
        const auto noted = [this, play](const std::vector<Event>& events) {
            notes_.clear();
            modal_.clear();
            std::optional<std::string> failure = play(events);
            if (!failure && !modal_.isEmpty())
                failure = modal_.toStdString();
            if (failure && !notes_.isEmpty())
                *failure += "\n  (" + notes_.join("; ").toStdString() + ")";
            return failure;
        };
        RandomSessions<Event>{std::move(generate), noted, Describe}.Run(sessions);
    }

    // A speed button takes no focus: a click on one leaves the keyboard where it was (a click beside an
    // open pop-up closes it, and the focus goes back to its window; a widget the click hides hands the
    // focus on).
    std::optional<std::string> FocusKept(const Event& e) const
    {
        if (e.kind != 'c' || !e.target.startsWith("SpeedButton") || landedInPopup_ || !focusBefore_ ||
            focusBefore_->window() != form_.get() || !focusBefore_->isVisible() ||
            QApplication::focusWidget() == focusBefore_)
            return std::nullopt;
        auto name = [](QWidget* w) {
            return w ? w->objectName() + " (" + w->metaObject()->className() + ")" : QString("nothing");
        };
        return ("a click on " + e.target + " took the focus from " + name(focusBefore_) + " to " +
                name(QApplication::focusWidget()))
            .toStdString();
    }

    int step_ = 0;      // the event being played
    QPointer<QWidget> focusBefore_; // the focus when it began
    bool landedInPopup_ = false; // the click played last went to an open pop-up
    QModelIndex clickedCell_;    // the cell of the grid under it
    QStringList notes_; // the menus the user answered
    QString modal_;     // the first modal window opened
};

// Amount edits: every edit holds what its keys admit, and keys typed into an empty edit after a click
// give exactly what its filter, grouping and typed length make of them.
TEST_F(RandomEvents, EditSessions)
{
    static const std::vector<QString> pastes = {"1.234,56", "12.34", "7.809,90", "1 234", "1,2.3",
                                                "1E19",     "0,5",   "999999",   "-5",    "4.205",
                                                ",5",       "20",    "3,5,7",    "abc"};
    RunSessions(
        24,
        [&](std::mt19937& random) {
            const Tab& tab = Tabs()[Int(random, 0, int(Tabs().size()) - 1)];
            std::vector<Event> events = StartOn(tab);
            for (int n = Int(random, 20, 40); n > 0; --n) {
                const int roll = Int(random, 1, 100);
                if (roll <= 30) {
                    events.push_back(Click(random, PickName(random, tab.edits), 30));
                    if (Int(random, 1, 2) == 1)
                        events.push_back(Typed(random, "0123456789,,..a -", 6));
                } else if (roll <= 55) {
                    events.push_back(Typed(random, "0123456789,,..a -", 6));
                } else if (roll <= 70) {
                    events.push_back(Key(random));
                } else if (roll <= 80) {
                    events.push_back(Pasted(random, Pick(random, pastes)));
                } else if (roll <= 95) {
                    events.push_back(Click(random, PickName(random, tab.runs + tab.others), 0));
                } else {
                    events.push_back(Wait(random));
                }
            }
            return events;
        },
        [&](const std::vector<Event>& events) -> std::optional<std::string> {
            const Tab& tab = Start(events);
            QString clicked;
            for (size_t i = 1; i < events.size(); ++i) {
                const Event& e = events[i];
                if (!Act(e, i))
                    continue;
                const std::string where = " (event " + std::to_string(i) + ")";
                if (std::optional<std::string> moved = FocusKept(e))
                    return *moved + where;
                if (e.kind == 't' && !clicked.isEmpty() && QApplication::focusWidget() == Widget(clicked)) {
                    const QString want = TypedInto(RuleOf(clicked), e.text);
                    const QString got = qobject_cast<QLineEdit*>(Widget(clicked))->text();
                    if (got != want)
                        return clicked.toStdString() + " shows \"" + got.toStdString() + "\", typed \"" +
                               e.text.toStdString() + "\" into it empty gives \"" + want.toStdString() +
                               "\"" + where;
                }
                auto* target = qobject_cast<QLineEdit*>(Widget(e.target));
                if (e.kind != 'w') // an edit empty when clicked (leaving another may have filled it)
                    clicked = e.kind == 'c' && tab.edits.contains(e.target) && target->text().isEmpty()
                                  ? e.target
                                  : QString();
                for (const QString& name : tab.edits) {
                    auto* edit = qobject_cast<QLineEdit*>(Widget(name));
                    if (edit->isVisible() && !Admitted(RuleOf(name), edit->text()))
                        return name.toStdString() + " holds \"" + edit->text().toStdString() +
                               "\", which its keys do not admit" + where;
                }
            }
            return std::nullopt;
        });
}

// The date a picker shows, when its display is a whole date of its format.
QDate Shown(const TDateTimePicker* picker)
{
    return QDate::fromString(picker->text(), picker->displayFormat());
}

// Date pickers: a run reads the date shown (a display that is no whole date is completed or refused with
// a message first), and a click on a picker's frame, or on a whole date it shows, changes nothing.
TEST_F(RandomEvents, PickerSessions)
{
    RunSessions(
        24,
        [&](std::mt19937& random) {
            const Tab& tab = Tabs()[Pick(random, std::vector<int>{0, 2, 3, 4})];
            std::vector<Event> events = StartOn(tab);
            for (int n = Int(random, 20, 40); n > 0; --n) {
                const int roll = Int(random, 1, 100);
                if (roll <= 35) {
                    events.push_back(
                        Click(random, PickName(random, tab.pickers), roll <= 15 ? 100 : 0, roll > 30));
                    if (roll > 30 && Int(random, 1, 5) <= 3)
                        for (const Event& e : InCalendar(random))
                            events.push_back(e);
                } else if (roll <= 57)
                    events.push_back(Typed(random, "0123456789012./a", 4));
                else if (roll <= 77)
                    events.push_back(Key(random));
                else if (roll <= 80)
                    events.push_back(Pasted(random, Pick(random, std::vector<QString>{"24.04.2019", "1.1.2020",
                                                                                       "7", "31.11", "abc"})));
                else if (roll <= 86)
                    events.push_back(Wait(random, true));
                else if (roll <= 94)
                    events.push_back(Click(random, PickName(random, tab.runs), 0));
                else
                    events.push_back(Click(random, PickName(random, tab.others + tab.edits), 0));
            }
            return events;
        },
        [&](const std::vector<Event>& events) -> std::optional<std::string> {
            const Tab& tab = Start(events);
            for (size_t i = 1; i < events.size(); ++i) {
                const Event& e = events[i];
                // a click on its frame, or on a whole date shown (a display being typed may be completed)
                auto* clicked =
                    e.kind == 'c' && e.edge != 5 ? qobject_cast<TDateTimePicker*>(Widget(e.target)) : nullptr;
                if (clicked && e.edge == 0 && !Shown(clicked).isValid())
                    clicked = nullptr;
                const QString before = clicked ? clicked->text() : QString();
                TDateTimePicker* open = CalendarOwner();
                const QString openBefore = open ? open->text() : QString();
                const size_t messages = TestDialogs().shown.size();
                if (!Act(e, i))
                    continue;
                const std::string where = " (event " + std::to_string(i) + ")";
                if (std::optional<std::string> moved = FocusKept(e))
                    return *moved + where;
                // a click that went to an open calendar was none on the picker beneath
                if (clicked && !landedInPopup_ && clicked->text() != before)
                    return "a click turned " + e.target.toStdString() + " from " + before.toStdString() +
                           " to " + clicked->text().toStdString() + where;
                // an open calendar gives a date only when the user picks a day: a click on it or Enter
                const bool picks = (e.kind == 'c' && landedInPopup_) ||
                                   (e.kind == 'k' && (e.key == Qt::Key_Return || e.key == Qt::Key_Enter));
                if (open && !picks && open->text() != openBefore)
                    return "the calendar of " + open->objectName().toStdString() + " turned it from " +
                           openBefore.toStdString() + " to " + open->text().toStdString() + where;
                const bool run = e.kind == 'c' && tab.runs.contains(e.target);
                for (const QString& name : tab.pickers) {
                    auto* picker = form_->findChild<TDateTimePicker*>(name);
                    const QDate shown = Shown(picker), held = ToQDate(picker->DateTime());
                    if ((shown.isValid() || (run && TestDialogs().shown.size() == messages)) && shown != held)
                        return name.toStdString() + " shows " + picker->text().toStdString() + " but holds " +
                               held.toString("dd.MM.yyyy").toStdString() + (run ? " at a run" : "") + where;
                }
            }
            return std::nullopt;
        });
}

// The payroll grid: keys typed after a click land in the clicked cell as its keys and grouping make
// them; no other row's typed cells change; the heading row never changes and is never current; the
// open editor shows its cell's text.
TEST_F(RandomEvents, GridSessions)
{
    const Tab& payroll = Tabs()[1];
    RunSessions(
        24,
        [&](std::mt19937& random) {
            std::vector<Event> events = StartOn(payroll);
            for (int n = Int(random, 20, 40); n > 0; --n) {
                const int roll = Int(random, 1, 100);
                if (roll <= 40) {
                    Event click = Click(random, "StringGrid5", roll <= 10 ? 100 : 0);
                    click.col = Pick(random, std::vector<int>{0, 1, 1, 1, 2, 2, 2, 3, 4, 4, 5, 9, 14, 15, 16});
                    click.row = Pick(random, std::vector<int>{0, 1, 1, 2, 2, 3, 4});
                    events.push_back(click);
                    if (Int(random, 1, 3) == 1)
                        events.push_back(Wait(random));
                    if (Int(random, 1, 3) > 1)
                        events.push_back(
                            Typed(random, click.col % 15 == 1 ? "AliMehmt 5" : "0123456789,.", 6));
                } else if (roll <= 70) {
                    events.push_back(Typed(random, roll <= 55 ? "0123456789,." : "AliMehmt 05,", 6));
                } else if (roll <= 88) {
                    events.push_back(Key(random));
                } else if (roll <= 92) {
                    events.push_back(Wait(random, true));
                } else {
                    events.push_back(Click(random,
                                           PickName(random, {"Edit379", "BitBtn8", "JustaEdit2", "StringGrid5",
                                                             "SpeedButton52", "BitBtn14"}),
                                           roll <= 95 ? 100 : 0));
                }
            }
            return events;
        },
        [&](const std::vector<Event>& events) -> std::optional<std::string> {
            Start(events);
            TStringGrid* grid = Grid();
            auto cells = [grid] {
                std::vector<QStringList> rows(grid->RowCount());
                for (int r = 0; r < grid->RowCount(); ++r)
                    for (int c = 0; c < grid->ColCount(); ++c)
                        rows[r] << grid->Cells(c, r);
                return rows;
            };
            const QStringList headings = cells()[0];
            int clickedCol = -1, clickedRow = -1;
            for (size_t i = 1; i < events.size(); ++i) {
                const Event& e = events[i];
                const std::vector<QStringList> before = cells();
                const int currentBefore = grid->Row(), colBefore = grid->Col();
                const bool inGrid = grid->isAncestorOf(QApplication::focusWidget()) || grid->hasFocus();
                if (!Act(e, i))
                    continue;
                const std::string where = " (event " + std::to_string(i) + ")";
                if (std::optional<std::string> moved = FocusKept(e))
                    return *moved + where;
                const std::vector<QStringList> after = cells();
                // the rows as they stand after a row inserted or deleted in the grid, or all emptied
                std::vector<QStringList> expected = before;
                const QStringList emptyRow(grid->ColCount());
                if (e.kind == 'k' && e.mods == Qt::ShiftModifier && inGrid && currentBefore > 0) {
                    if (e.key == Qt::Key_Insert)
                        expected.insert(expected.begin() + currentBefore, emptyRow);
                    else if (e.key == Qt::Key_Delete && expected.size() > 2)
                        expected.erase(expected.begin() + currentBefore);
                    else if (e.key == Qt::Key_Delete)
                        expected[1] = emptyRow;
                }
                if (e.kind == 'c' && e.target == "BitBtn14") // answered Yes
                    expected = {before[0], emptyRow};
                if (after[0] != headings)
                    return "the heading row changed to " + after[0].join('|').toStdString() + where;
                if (grid->currentRow() == 0)
                    return "the heading row became current" + where;
                if (e.kind == 't' && clickedRow > 0) {
                    const QString typed = GridTyped(clickedCol, e.text);
                    const QString want = typed.isEmpty() ? before[clickedRow][clickedCol] : typed;
                    if (after[clickedRow][clickedCol] != want)
                        return QString("cell %1,%2 holds \"%3\", typed \"%4\" after a click gives \"%5\"")
                                   .arg(clickedCol)
                                   .arg(clickedRow)
                                   .arg(after[clickedRow][clickedCol], e.text, want)
                                   .toStdString() +
                               where;
                }
                for (int r = 1; r < int(std::min(expected.size(), after.size())); ++r) {
                    if (r == currentBefore || r == grid->Row() || (r == clickedRow && e.kind == 't'))
                        continue;
                    for (int c : {1, 2, 4, 15, 16})
                        if (!SameTypedCell(c, expected[r][c], after[r][c]))
                            return QString("cell %1,%2 changed from \"%3\" to \"%4\"")
                                       .arg(c)
                                       .arg(r)
                                       .arg(expected[r][c], after[r][c])
                                       .toStdString() +
                                   where;
                }
                auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
                if (editor && grid->isAncestorOf(editor) &&
                    editor->text() != grid->Cells(grid->Col(), grid->Row()))
                    return QString("the editor shows \"%1\", its cell %2,%3 holds \"%4\"")
                               .arg(editor->text())
                               .arg(grid->Col())
                               .arg(grid->Row())
                               .arg(grid->Cells(grid->Col(), grid->Row()))
                               .toStdString() +
                           where;
                // Keys typed next land in the cell under the click, also one on its edge, when it was empty
                // or another cell was current.
                const int row = clickedCell_.row(), col = clickedCell_.column();
                if (e.kind != 'w')
                    clickedRow = -1;
                if (row > 0 && col > 0 && row < int(after.size()) &&
                    (after[row][col].isEmpty() || row != currentBefore || col != colBefore))
                    clickedCol = col, clickedRow = row;
            }
            return std::nullopt;
        });
}
}  // namespace
