#include "app/documents.h"

#include "base/atomic_file.h"
#include "base/code_page.h"
#include "base/dialogs.h"
#include "base/exceptions.h"
#include "base/string_list.h"

#include <QHash>

#include <utility>

QString DocumentKind;

namespace {
struct DocumentHandlers {
    DocumentSaver saver;
    DocumentLoader loader;
};

QHash<QString, DocumentHandlers>& registry()
{
    static QHash<QString, DocumentHandlers> handlers;
    return handlers;
}

const DocumentHandlers& handlersOf(const QString& kind)
{
    auto it = registry().constFind(kind);
    if (it == registry().constEnd() || !it->saver || !it->loader)
        throw Exception(QStringLiteral("\"%1\" türünde belge yok.").arg(kind));
    return it.value();
}
}  // namespace

void RegisterDocumentKind(const QString& kind, DocumentSaver saver, DocumentLoader loader)
{
    registry().insert(kind, {std::move(saver), std::move(loader)});
}

void UnregisterDocumentKinds()
{
    registry().clear();
}

void LoadCalculatorDocument(const QString& fileName)
{
    const DocumentHandlers& handlers = handlersOf(DocumentKind);
    TStringList lines;
    lines.LoadFromFile(fileName);
    handlers.loader(lines.ToQStringList());
}

bool SaveCalculatorDocument(const QString& fileName)
{
    const QByteArray bytes = ToCp1254(TStringList(handlersOf(DocumentKind).saver()).Text());
    // A plain overwrite that failed half-way would destroy the old document.
    try {
        WriteFileAtomically(fileName, bytes);
        return true;
    } catch (const EInOutError&) {
    }
    Dialogs().ShowError("Dosya Saklanamıyor:\n" + fileName);
    return false;
}
