#pragma once

#include "base/canvas.h"
#include "report/fr_preview_host.h"

#include <QDialog>
#include <QPointer>
#include <QString>

#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QScrollBar;
class TfrPreviewForm;
class TfrSpeedButton;
class TfrTBButton;
class TfrTBSeparator;

// The zoom chosen last, kept for the next preview of the program's run.
extern double frRememberedScale;
extern int frRememberedZoom;

// The box the pages are drawn in, gray around white sheets; dragging it pans.
class TfrPBox : public QWidget {
    Q_OBJECT
public:
    TfrPBox(TfrPreviewForm* owner, QWidget* parent);

    TfrPreviewForm* OwnerForm;
    bool Panning = false;
    int LastX = 0;
    int LastY = 0;
    bool DblClicked = false;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// The report-preview window: shows prepared pages, scrolls and zooms them, finds text, opens and saves
// prepared-report files, prints.
class TfrPreviewForm : public QDialog {
    Q_OBJECT
public:
    explicit TfrPreviewForm(QWidget* parent = nullptr);
    ~TfrPreviewForm() override;

    QWidget* TopPanel;
    QFrame* Bevel2;
    QWidget* Panel1;
    QWidget* JvNavPaneToolPanel1;
    QPushButton* ZoomBtnXP;
    QPushButton* PrintBtnXP;
    QPushButton* SaveBtnXP;
    QPushButton* LoadBtnXP;
    QPushButton* ExitBtnXP;
    TfrTBButton* ZoomBtn;
    TfrTBSeparator* frTBSeparator1;
    TfrTBButton* LoadBtn;
    TfrTBButton* SaveBtn;
    TfrTBButton* PrintBtn;
    TfrTBSeparator* frTBSeparator2;
    TfrTBButton* FindBtn;
    TfrTBButton* HelpBtn;
    TfrTBSeparator* frTBSeparator4;
    TfrTBButton* ExitBtn;
    TfrTBSeparator* frTBSeparator3;
    QWidget* PreviewPanel;
    QWidget* ScrollBox1;
    QWidget* RPanel;
    QScrollBar* VScrollBar;
    TfrSpeedButton* PgUp;
    TfrSpeedButton* PgDown;
    QWidget* BPanel;
    QFrame* Bevel1;
    QLabel* Label1;
    QScrollBar* HScrollBar;
    QMenu* ProcMenu;
    QActionGroup* ZoomGroup;
    QAction* N1;
    QAction* N2;
    QAction* N3;
    QAction* N4;
    QAction* N5;
    QAction* N6;
    QAction* N7;
    TfrPBox* PageBox;

    TfrPreviewReport* ShownReport = nullptr;
    std::unique_ptr<TfrPreviewPages> EMFPages;
    std::vector<TRect> R;  // each page's rectangle in the page box, before scrolling
    int ShownPage = 0;
    int ShiftX = 0;
    int ShiftY = 0;
    int LastVScroll = 0;
    int LastHScroll = 0;
    double Scale = 1;
    int ZoomMode = 0;
    bool PaintReady = false;
    QString FindText;
    bool FindCaseSensitive = false;
    bool Found = false;
    TRect FoundRect;
    int FindPage = 0;
    int FindRecord = 0;
    QString SavedHelpFile;
    int WheelFactor = 1;

    // Takes the report's pages and shows them; modal when the report asks for it.
    void ShowReport(TfrPreviewReport* report);
    // The same inside a panel on a form, as a part of it rather than a window.
    void ShowReportInPanel(TfrPreviewReport* report);
    void TakePages(TfrPreviewReport* report);
    void ReturnPages();
    void InitView();
    void FormResize();
    void UpdatePageLabel();
    void ScrollToShownPage();
    void FindNext();
    void LoadFromFile(const QString& fileName);
    void SaveToFile(const QString& fileName);

    void VScrollBarChange();
    void HScrollBarChange();
    void PgUpClick();
    void PgDownClick();
    void ZoomBtnClick();
    void ZoomBtnXPClick();
    void N3Click(QAction* item);
    void LoadBtnClick();
    void SaveBtnClick();
    void PrintBtnClick();
    void ExitBtnClick();
    void FindBtnClick();
    void HelpBtnClick();
    // Keys seen before the focused control; true when the key was used here.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void SetUpFor(TfrPreviewReport* report);
    void FormCreate();
    void ArrangeControls();
    void PopupZoomMenu(QWidget* button);
    void ReleasePageObjects(int index);
    void FormMouseDown(QPoint at);

    bool helpMode_ = false;
    int wheelRest_ = 0;
};

// A panel placed on a form: a report whose Preview it is shows its prepared pages in it, with the
// commands of the preview window, instead of opening a window.
class TfrPreview : public QWidget {
    Q_OBJECT
public:
    explicit TfrPreview(QWidget* parent = nullptr);
    // Shows the report's prepared pages; pages shown before are freed.
    void Connect(TfrPreviewReport* report);

    QPointer<TfrPreviewForm> Window;  // the preview in the panel; gone when its Exit closed it
};

// ".frp" in place of the file name's extension.
QString frPreparedReportFileName(const QString& fileName);
