#include "test_support.h"

#include "base/format_settings.h"
#include "calc/calculators.h"

#include <QApplication>
#include <QDir>
#include <QKeySequence>
#include <QFile>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabWidget>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {
ScriptedDialogService* g_dialogs = nullptr;
}

ScriptedDialogService& TestDialogs()
{
    if (!g_dialogs) {
        auto service = std::make_unique<ScriptedDialogService>();
        g_dialogs = service.get();
        SetDialogs(std::move(service));
    }
    return *g_dialogs;
}

void WorkingFolderTest::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    oldCwd_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    SetFormatSettings(TFormatSettings::Turkish());
    TestDialogs().Reset();
}

void WorkingFolderTest::TearDown()
{
    QDir::setCurrent(oldCwd_);
    SetFormatSettings(TFormatSettings::Turkish());
}

QString WorkingFolderTest::Path(const QString& name) const
{
    return dir_.filePath(name);
}

void WorkingFolderTest::WriteFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(Path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
    file.write(bytes);
}

QByteArray WorkingFolderTest::ReadFile(const QString& name) const
{
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<yok>");
}

void MainWindowTest::SetUp()
{
    WorkingFolderTest::SetUp();
    RecreateWindow();
}

void MainWindowTest::TearDown()
{
    form_.reset();
    WorkingFolderTest::TearDown();
}

void MainWindowTest::RecreateWindow()
{
    form_.reset();
    form_ = std::make_unique<TForm1>();
    InstallCalculators(*form_);
    form_->FormCreate();
}

std::vector<QSize> PdfPageSizes(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString pdf = QString::fromLatin1(file.readAll());
    static const QRegularExpression box(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])");
    std::vector<QSize> sizes;
    for (auto it = box.globalMatch(pdf); it.hasNext();) {
        const auto m = it.next();
        sizes.emplace_back(qRound(m.captured(1).toDouble()), qRound(m.captured(2).toDouble()));
    }
    return sizes;
}

namespace {
void bringForward(QWidget* widget)
{
    for (QWidget* w = widget; w->parentWidget(); w = w->parentWidget()) {
        QWidget* parent = w->parentWidget();
        if (auto* tabs = qobject_cast<QTabWidget*>(parent->parentWidget()); tabs && tabs->indexOf(w) >= 0)
            tabs->setCurrentWidget(w);
        else if (auto* stack = qobject_cast<QStackedWidget*>(parent))
            stack->setCurrentWidget(w);
    }
    QWidget* window = widget->window();
    if (!window->isVisible())
        window->show();
    if (!window->isActiveWindow()) {
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << "the window does not become active";
    }
    QApplication::processEvents();
}

Qt::Key keyOf(QChar ch)
{
    if (ch.isDigit())
        return Qt::Key(Qt::Key_0 + ch.digitValue());
    const char16_t c = ch.toUpper().unicode();
    if (c >= u'A' && c <= u'Z')
        return Qt::Key(Qt::Key_A + (c - u'A'));
    if (c == u' ')
        return Qt::Key_Space;
    if (c == u',')
        return Qt::Key_Comma;
    if (c == u'.')
        return Qt::Key_Period;
    if (c == u'-')
        return Qt::Key_Minus;
    if (c == u'/')
        return Qt::Key_Slash;
    if (c == u'\r')
        return Qt::Key_Return;
    if (c == u'\x1b')
        return Qt::Key_Escape;
    return Qt::Key_unknown;  // a letter of a Turkish keyboard: its text is what counts
}
}  // namespace

void MouseClick(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    bringForward(widget);
    ASSERT_TRUE(widget->isVisible()) << widget->objectName().toStdString() << " cannot be seen to be clicked";
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    QApplication::processEvents();
}

void MouseClickAt(QWidget* widget, QPoint at)
{
    ASSERT_NE(widget, nullptr);
    bringForward(widget);
    ASSERT_TRUE(widget->isVisible()) << widget->objectName().toStdString() << " cannot be seen to be clicked";
    QWidget* target = widget->childAt(at);
    if (!target)
        target = widget;
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(widget, at));
    QApplication::processEvents();
}

void ClickDateCharacter(QWidget* picker, int character)
{
    bringForward(picker);  // laid out before a place in it is reckoned
    auto* edit = picker->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_NE(edit, nullptr);
    const int x = edit->contentsRect().left() + 4 + edit->fontMetrics().horizontalAdvance(edit->text().left(character));
    MouseClickAt(edit, QPoint(x, edit->height() / 2));
}

void ClickDropDownButton(QWidget* picker)
{
    bringForward(picker);
    QStyleOptionComboBox option;
    option.initFrom(picker);
    option.editable = true;
    option.subControls = QStyle::SC_All;
    MouseClickAt(picker, picker->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, picker).center());
}

void TypeKeys(QWidget* widget, const QString& text)
{
    MouseClick(widget);
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << "no widget took the focus";
    if (auto* line = qobject_cast<QLineEdit*>(focus))
        line->selectAll();  // as a double click on the text does
    TypeInFocus(text);
}

void TypeInFocus(const QString& text)
{
    ASSERT_NE(QApplication::focusWidget(), nullptr) << "no widget has the focus";
    for (QChar ch : text) {
        QTest::sendKeyEvent(QTest::Press, QApplication::focusWidget(), keyOf(ch), QString(ch), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, QApplication::focusWidget(), keyOf(ch), QString(ch), Qt::NoModifier);
    }
    QApplication::processEvents();
}

void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << "no widget has the focus";
    QTest::keyClick(focus, key, modifiers);
    QApplication::processEvents();
}

void PressKeys(const QString& keys)
{
    for (const QString& word : keys.split(' ', Qt::SkipEmptyParts)) {
        QWidget* popup = QApplication::activePopupWidget();
        QWidget* focus = popup ? (popup->focusWidget() ? popup->focusWidget() : popup) : QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << "no widget has the focus";
        if (word[0].isUpper()) {
            const QKeySequence named(word);
            ASSERT_EQ(named.count(), 1) << "no key named " << word.toStdString();
            QTest::keyClick(focus, named[0].key(), named[0].keyboardModifiers());
        } else {
            for (QChar ch : word) {
                QTest::sendKeyEvent(QTest::Press, focus, keyOf(ch), QString(ch), Qt::NoModifier);
                QTest::sendKeyEvent(QTest::Release, focus, keyOf(ch), QString(ch), Qt::NoModifier);
            }
        }
        QApplication::processEvents();
    }
}

DiskFullAfter::DiskFullAfter(long bytes)
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    oldCur_ = static_cast<long>(limit.rlim_cur);
    oldSignal_ = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = static_cast<rlim_t>(bytes);
    setrlimit(RLIMIT_FSIZE, &limit);
}

DiskFullAfter::~DiskFullAfter()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(oldCur_);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldSignal_);
}
