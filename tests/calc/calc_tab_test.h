#pragma once

#include "base/date_time_picker.h"
#include "base/rich_edit.h"
#include "test_support.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDate>
#include <QLineEdit>

// The calculator tabs driven through their components, by name, as a user drives them.
class CalcTabTest : public MainWindowTest {
protected:
    // A click into the edit (the focus moves, as the edits' enter and exit handlers expect), then the
    // text as pasted: its key filters do not see it (TypeKeys types it key by key). An edit on a panel
    // the test has not opened is filled without the click.
    void Type(const char* edit, const QString& text) const
    {
        QLineEdit* line = Find<QLineEdit>(edit);
        if (line->isVisibleTo(line->window()))
            MouseClick(line);
        line->setText(text);
    }
    QString Text(const char* edit) const { return Find<QLineEdit>(edit)->text(); }
    void Click(const char* button) const { MouseClick(Find<QAbstractButton>(button)); }
    bool Checked(const char* box) const { return Find<QCheckBox>(box)->isChecked(); }
    QStringList Lines(const char* richEdit) const { return Find<TRichEdit>(richEdit)->Lines(); }
    void Pick(const char* picker, QDate date) const { Find<TDateTimePicker>(picker)->setDate(date); }
    QDate Picked(const char* picker) const { return ToQDate(Find<TDateTimePicker>(picker)->Date()); }
    // The texts of edits whose names run from first to first + count - 1 ("Edit399" ...).
    QStringList Texts(int first, int count) const
    {
        QStringList texts;
        for (int i = 0; i < count; ++i)
            texts << Find<QLineEdit>(QString("Edit%1").arg(first + i))->text();
        return texts;
    }
};
