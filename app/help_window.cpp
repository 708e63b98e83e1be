#include "app/help_window.h"

#include "base/dialogs.h"
#include "base/rich_edit.h"

#include <QFileInfo>
#include <QVBoxLayout>

TyardimF::TyardimF(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName("yardimF");
    setWindowTitle("Yardım");
    RichEdit1 = new TRichEdit(this);
    RichEdit1->setObjectName("RichEdit1");
    RichEdit1->setReadOnly(true);
    RichEdit1->setLineWrapMode(QTextEdit::WidgetWidth);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(RichEdit1);
    resize(640, 480);
}

void TyardimF::ShowTopic(const QString& topic)
{
    show();
    raise();
    if (QFileInfo(topic).isFile())
        RichEdit1->LoadFromFile(topic);
}

TyardimF& yardimF()
{
    static TyardimF* window = new TyardimF;
    return *window;
}
