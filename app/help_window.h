#pragma once

#include <QString>
#include <QWidget>

class TRichEdit;

// The help window yardimF.
class TyardimF : public QWidget {
    Q_OBJECT
public:
    explicit TyardimF(QWidget* parent = nullptr);
    TRichEdit* RichEdit1 = nullptr;
    // Shows the window; loads the topic file (RTF, no extension, working folder) when it exists.
    void ShowTopic(const QString& topic);
};

TyardimF& yardimF();
