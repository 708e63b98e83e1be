#include "app/help_window.h"

#include "base/dialogs.h"
#include "base/rich_edit.h"

#include <QFileInfo>
#include <QVBoxLayout>

// Outside any namespace, as Qt's resource initialiser must be; the topics live in a static library.
static void InitHelpTopics()
{
    Q_INIT_RESOURCE(help_topics);
}

TyardimF::TyardimF(QWidget* parent) : QWidget(parent, Qt::Window)
{
    InitHelpTopics();
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
    // A topic file in the working folder comes first; the program's own topics are built in, so that
    // help is there whichever folder the program was started from.
    const QString builtIn = ":/help/" + topic;
    if (QFileInfo(topic).isFile())
        RichEdit1->LoadFromFile(topic);
    else if (QFileInfo(builtIn).isFile())
        RichEdit1->LoadFromFile(builtIn);
}

TyardimF& yardimF()
{
    static TyardimF* window = new TyardimF;
    return *window;
}
