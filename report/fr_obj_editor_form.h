#pragma once

#include <QDialog>

class TfrView;

// Base of the windows that edit one report object.
class TfrObjEditorForm : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;
    virtual void EditView(TfrView* view);
};
