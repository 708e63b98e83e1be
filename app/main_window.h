#pragma once

#include <QMainWindow>
#include <QString>

#include <functional>
#include <vector>

class QRect;
class QTabWidget;
class QWidget;
class QVBoxLayout;
class TRichEdit;
class TfrCompositeReport;
class TfrReport;
class TfrRichObject;

// The main window. The shell builds the frame, the home tab and the tab sheets; each calculator fills
// its own tab sheet and adds its start-up work through AddFormCreateHook.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheetHome = nullptr;
    QWidget* TabSheet12 = nullptr;  // "Gecikme Faizi"
    QWidget* TabSheet13 = nullptr;  // "Ücret"
    QWidget* TabSheet14 = nullptr;  // "Devir Hızı"
    QWidget* TabSheet15 = nullptr;  // "Kıdem+İhbar"
    QWidget* TabSheet6 = nullptr;   // "Amortisman"
    QWidget* TabSheet9 = nullptr;   // report tab, hidden
    QWidget* TabSheet1 = nullptr;   // hidden store of the "repo" settings
    TRichEdit* RichEdit9 = nullptr;
    TRichEdit* RichEdit1 = nullptr;
    TRichEdit* RichEdit12 = nullptr;
    TfrReport* frReport1 = nullptr;  // empty template, used by no command
    TfrReport* frReport2 = nullptr;  // portrait report template of the calculators
    TfrReport* frReport3 = nullptr;  // landscape payroll template
    TfrReport* frReport4 = nullptr;  // empty template, used by no command
    TfrReport* frReport5 = nullptr;  // empty template, used by no command
    TfrCompositeReport* frCompositeReport1 = nullptr;  // no report of its own, used by no command
    TfrRichObject* frRichObject1 = nullptr;

    // Start-up after the calculators are installed: settings, defaults, then every hook in order.
    void FormCreate();
    void AddFormCreateHook(std::function<void()> hook);

    void SetFileName(const QString& name);
    // Writes the document of the calculator DocumentKind names (app/documents.h).
    bool SaveToFile(const QString& fileName);
    QString FileName() const { return fileName_; }

    // "ANA MENÜ" header: back to the home tab.
    void JvNavPanelHeader2Click();
    // Adds the "ANA MENÜ" header to the top of a calculator tab; returns the layout below it.
    QVBoxLayout* AddNavHeader(QWidget* tabSheet, const QString& title);
    void ShowTab(QWidget* tabSheet);
    // Opens over the screen's work area: every tab fits a 1280 x 720 screen whole, and the grid and
    // the report panes take what a larger one gives.
    void ShowOnWorkArea(const QRect& workArea);

private:
    void buildHome();

    QString fileName_;
    std::vector<std::function<void()>> formCreateHooks_;
};
