#pragma once

#include "base/canvas.h"
#include "base/text_run_recorder.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The preview's find dialog.
class TfrPreviewSearchForm : public QDialog {
    Q_OBJECT
public:
    explicit TfrPreviewSearchForm(QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* Edit1;
    QGroupBox* GroupBox1;
    QCheckBox* CB1;
    QGroupBox* GroupBox2;
    QRadioButton* RB1;
    QRadioButton* RB2;
    QPushButton* Button1;
    QPushButton* Button2;

protected:
    void showEvent(QShowEvent* event) override;
};

// The text a search compares: upper-cased by the locale's rules unless the search is case-sensitive.
QString frSearchText(const QString& text, bool caseSensitive);

// The first run at or after `fromRecord`, in drawing order, whose text holds `findText` (already in
// search form); the hit and the record after it, or Found false.
struct TfrRunHit {
    bool Found = false;
    TRect Bounds;
    int NextRecord = 0;
};
TfrRunHit frFindInRuns(const std::vector<TTextRun>& runs, const QString& findText, bool caseSensitive,
                       int fromRecord);
