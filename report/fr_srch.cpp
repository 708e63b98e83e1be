#include "report/fr_srch.h"

#include "base/dialogs.h"
#include "report/fr_ctrls.h"
#include "report/fr_strings.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

TfrPreviewSearchForm::TfrPreviewSearchForm(QWidget* parent) : QDialog(parent)
{
    setObjectName("frPreviewSearchForm");
    setFont(frWindowFont());
    setFixedSize(262, 158);
    Label1 = frPlace(new QLabel(this), "Label1", 4, 4, 253, 14);
    Edit1 = frPlace(new QLineEdit(this), "Edit1", 4, 20, 253, 21);
    Label1->setBuddy(Edit1);
    GroupBox1 = frPlace(new QGroupBox(this), "GroupBox1", 4, 48, 125, 73);
    CB1 = frPlace(new QCheckBox(GroupBox1), "CB1", 8, 20, 113, 17);
    GroupBox2 = frPlace(new QGroupBox(this), "GroupBox2", 132, 48, 125, 73);
    RB1 = frPlace(new QRadioButton(GroupBox2), "RB1", 8, 20, 113, 17);
    RB1->setChecked(true);
    RB2 = frPlace(new QRadioButton(GroupBox2), "RB2", 8, 44, 113, 17);
    Button1 = frPlace(new QPushButton(this), "Button1", 100, 128, 75, 25);
    Button1->setDefault(true);
    Button2 = frPlace(new QPushButton(this), "Button2", 182, 128, 75, 25);
    ConnectGuarded(Button1, &QPushButton::clicked, this, [this] { accept(); });
    ConnectGuarded(Button2, &QPushButton::clicked, this, [this] { reject(); });

    setWindowTitle(frLoadStr(53000));
    Label1->setText(frLoadStr(53001));
    GroupBox1->setTitle(frLoadStr(53002));
    CB1->setText(frLoadStr(53003));
    GroupBox2->setTitle(frLoadStr(53004));
    RB1->setText(frLoadStr(53005));
    RB2->setText(frLoadStr(53006));
    Button1->setText(frLoadStr(frRes_OK));
    Button2->setText(frLoadStr(frRes_Cancel));
}

void TfrPreviewSearchForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    Edit1->setFocus();
    Edit1->selectAll();
}

QString frSearchText(const QString& text, bool caseSensitive)
{
    return caseSensitive ? text : QLocale().toUpper(text);
}

TfrRunHit frFindInRuns(const std::vector<TTextRun>& runs, const QString& findText, bool caseSensitive,
                       int fromRecord)
{
    TfrRunHit hit;
    if (findText.isEmpty())  // an empty text is found nowhere
        return hit;
    for (size_t i = 0; i < runs.size(); ++i) {
        if (static_cast<int>(i) < fromRecord)
            continue;
        if (frSearchText(runs[i].Text, caseSensitive).contains(findText)) {
            const QRect& b = runs[i].Bounds;
            hit.Found = true;
            hit.Bounds = TRect{b.left(), b.top(), b.left() + b.width(), b.top() + b.height()};
            hit.NextRecord = static_cast<int>(i) + 1;
            return hit;
        }
    }
    return hit;
}
