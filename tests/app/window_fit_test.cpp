#include "test_support.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTextEdit>

namespace {
// The window's inside on the screens users have, less a panel and the title bar.
const QSize kLaptop(1366, 768 - 72);
const QSize kSmall(1280, 720 - 72);
const QSize kLarge(1920, 1080 - 72);

class WindowFit : public MainWindowTest {
protected:
    // Shows each visible tab at the size and calls check with it.
    template <typename F>
    void EachTab(QSize size, F check)
    {
        form_->resize(size);
        form_->show();
        QTabWidget* pages = form_->PageControl1;
        for (int i = 0; i < pages->count(); ++i) {
            if (!pages->isTabVisible(i))
                continue;
            pages->setCurrentIndex(i);
            QApplication::processEvents();
            check(pages->widget(i));
        }
    }
    QRect InWindow(const QWidget* w) const { return QRect(w->mapTo(form_.get(), QPoint(0, 0)), w->size()); }
};

bool IsControl(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QTextEdit*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QLabel*>(w);
}

TEST_F(WindowFit, EveryControlOfEveryTabIsInsideAndWholeOnSmallScreens)
{
    for (QSize size : {kLaptop, kSmall}) {
        EachTab(size, [&](QWidget* tab) {
            EXPECT_EQ(form_->height(), size.height()) << "the window cannot be made that low";
            EXPECT_EQ(form_->width(), size.width());
            int checked = 0;
            for (QWidget* w : tab->findChildren<QWidget*>()) {
                // the named components and every caption; parts inside a control go with it
                if (!w->isVisibleTo(form_.get()) || !IsControl(w) ||
                    (w->objectName().isEmpty() && !qobject_cast<QLabel*>(w)) || w->objectName().startsWith("qt_"))
                    continue;
                const QString where = tab->objectName() + "/" + w->objectName() + " " +
                                      (qobject_cast<QLabel*>(w) ? qobject_cast<QLabel*>(w)->text() : QString());
                EXPECT_TRUE(form_->rect().contains(InWindow(w)))
                    << where.toStdString() << " at " << size.width() << "x" << size.height();
                // not squeezed below what its text needs, unless the design fixed that size
                if (w->minimumWidth() != w->maximumWidth()) {
                    EXPECT_GE(w->width(), w->minimumSizeHint().width()) << where.toStdString();
                }
                if (w->minimumHeight() != w->maximumHeight()) {
                    EXPECT_GE(w->height(), w->minimumSizeHint().height()) << where.toStdString();
                }
                ++checked;
            }
            EXPECT_GT(checked, 3) << tab->objectName().toStdString();
        });
    }
}

TEST_F(WindowFit, PayrollTotalsAndGridStayReadable)
{
    form_->resize(kSmall);
    form_->show();
    form_->ShowTab(form_->TabSheet13);
    QApplication::processEvents();
    // A year-end total of a large firm, in every totals edit.
    for (QLineEdit* total : form_->TabSheet13->findChildren<QLineEdit*>(QRegularExpression("^JustaEdit"))) {
        total->setText("123.456.789,00");
        const int room = total->contentsRect().width() - 6;
        EXPECT_LE(total->fontMetrics().horizontalAdvance(total->text()), room) << total->objectName().toStdString();
    }
    const auto* grid = Find<QAbstractItemView>("StringGrid5");
    EXPECT_GE(grid->viewport()->height(), 10 * 20) << "ten employees at a glance";
}

TEST_F(WindowFit, ALargerScreenGoesToTheGridAndTheReportPanes)
{
    const char* const growing[] = {"RichEdit10", "StringGrid5", "RichEdit13", "RichEdit14", "RichEdit15"};
    std::map<std::string, QSize> small, large;
    auto measure = [&](std::map<std::string, QSize>& sizes) {
        return [&](QWidget* tab) {
            for (const char* name : growing)
                if (auto* w = tab->findChild<QWidget*>(name); w && w->isVisibleTo(form_.get()))
                    sizes[name] = w->size();
        };
    };
    EachTab(kSmall, measure(small));
    EachTab(kLarge, measure(large));
    for (const char* name : growing) {
        ASSERT_TRUE(small.count(name) && large.count(name)) << name;
        EXPECT_GE(large[name].height() - small[name].height(), (kLarge.height() - kSmall.height()) * 9 / 10) << name;
        EXPECT_GE(large[name].width() - small[name].width(), (kLarge.width() - kSmall.width()) * 9 / 10) << name;
    }
}
}  // namespace
