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
    RemoveStaleTemporaries(fileName);
    TStringList lines;
    lines.LoadFromFile(fileName);
    handlers.loader(lines.ToQStringList());
}

namespace {
// The characters of the text that code page 1254 has no place for, each once, in order.
QString charactersOutsideCodePage(const QString& text)
{
    QString lost;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'?' || ToCp1254Char(text[i]) != '?')
            continue;
        // a character beyond the first plane is two units; shown whole
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        if (!lost.contains(character))
            lost += character;
        i += length - 1;
    }
    return lost;
}
}  // namespace

bool SaveCalculatorDocument(const QString& fileName)
{
    const QString text = TStringList(handlersOf(DocumentKind).saver()).Text();
    // the document is code page 1254; what it cannot hold would silently become "?"
    const QString lost = charactersOutsideCodePage(text);
    if (!lost.isEmpty() &&
        !Dialogs().Confirm(QStringLiteral("Şu karakterler dosyada saklanamaz ve \"?\" olarak yazılır: %1\n"
                                          "Yine de kaydedilsin mi?")
                               .arg(lost)))
        return false;
    const QByteArray bytes = ToCp1254(text);
    // A plain overwrite that failed half-way would destroy the old document.
    RemoveStaleTemporaries(fileName);
    try {
        WriteFileAtomically(fileName, bytes);
        return true;
    } catch (const EInOutError&) {
    }
    Dialogs().ShowError("Dosya Saklanamıyor:\n" + fileName);
    return false;
}
