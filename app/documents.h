#pragma once

#include <QString>
#include <QStringList>

#include <functional>

// Calculator documents: text files of lines in code page 1254; DocumentKind names the calculator
// whose fields are saved or loaded ("5" payroll ".tus").
extern QString DocumentKind;

using DocumentSaver = std::function<QStringList()>;
using DocumentLoader = std::function<void(const QStringList&)>;
// Each calculator registers the lines it saves and the loader that fills its edits and grid.
void RegisterDocumentKind(const QString& kind, DocumentSaver saver, DocumentLoader loader);
void UnregisterDocumentKinds();

// Reads the file and hands its lines to the loader of DocumentKind. EInOutError when it cannot be read.
void LoadCalculatorDocument(const QString& fileName);
// The saver of TForm1::SaveToFile: writes atomically; false (after showing "Dosya Saklanamıyor:")
// when the file cannot be written.
bool SaveCalculatorDocument(const QString& fileName);
