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
    // Shows the window and loads the topic (RTF, no extension): the file of that name in the working
    // folder when there is one, else the program's own topic of that name; else the text stays.
    void ShowTopic(const QString& topic);
};

TyardimF& yardimF();
