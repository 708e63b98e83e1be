// The report's template stream, its form-data property, the prepared-report file and the lookups over
// the template.
#include "report/fr_report.h"

#include "base/dialogs.h"
#include "base/exceptions.h"
#include "base/stream.h"
#include "report/fr_globals.h"
#include "report/fr_strings.h"
#include "report/fr_utils.h"
#include "report/fr_view.h"

#include <exception>

namespace {
constexpr uint8_t kTemplateVersion = 23;
constexpr uint8_t kOldestVersion = 21;
constexpr int32_t kFormDataVersion = 23;

void showUnsupportedFormat()
{
    Dialogs().MessageBox(frLoadStr(frRes_UnsupportedFormat), frLoadStr(frRes_Error), DialogService::Error,
                         DialogService::Ok);
}

// What a template that failed to read leaves: one empty page, no values, and the message.
void keepEmptyTemplate(TfrReport& report)
{
    report.Pages.Clear();
    report.Values.Clear();
    report.Variables.Clear();
    report.Pages.Add();
    showUnsupportedFormat();
}
}  // namespace

void TfrReport::LoadFromStream(TStream& stream)
{
    frCurrentReport = this;
    try {
        uint8_t version = stream.ReadByte();
        if (version < kOldestVersion) {
            // Templates before the version byte start right with the body.
            version = kOldestVersion;
            stream.SetPosition(0);
        }
        if (version > kTemplateVersion) {
            showUnsupportedFormat();
            return;
        }
        frTemplateVersion = version;
        Pages.LoadFromStream(stream);
    } catch (const std::exception&) {
        keepEmptyTemplate(*this);
    }
}

void TfrReport::SaveToStream(TStream& stream)
{
    frCurrentReport = this;
    frTemplateVersion = kTemplateVersion;
    stream.WriteByte(kTemplateVersion);
    Pages.SaveToStream(stream);
}

void TfrReport::ReadBinaryData(TStream& stream)
{
    try {
        stream.ReadInteger();
        if (!StoreInDFM)
            return;
        const int32_t size = stream.ReadInteger();
        if (size < 0 || size > stream.Remaining())
            throw EReadError(QString());
        TMemoryStream templateStream(stream.ReadBytes(size));
        LoadFromStream(templateStream);
    } catch (const std::exception&) {
        keepEmptyTemplate(*this);
    }
}

void TfrReport::WriteBinaryData(TStream& stream)
{
    stream.WriteInteger(kFormDataVersion);
    if (!StoreInDFM)
        return;
    TMemoryStream templateStream;
    SaveToStream(templateStream);
    stream.WriteInteger(static_cast<int32_t>(templateStream.Size()));
    stream.CopyFrom(templateStream, 0);
}

void TfrReport::SelectStoredPrinter(const QString& printerName)
{
    if (KeepDefaultPrinter != 0)
        return;
    // Only an installed printer is taken: the virtual printer's entry, whose name is empty, is not one.
    TfrPrinter& printer = frPrinterObject();
    for (int i = 0; i < printer.Printers.size(); ++i) {
        if (i != printer.VirtualPrinterIndex && frSameName(printer.Printers.at(i), printerName)) {
            printer.SetPrinterIndex(i);
            return;
        }
    }
}

TfrView* TfrReport::FindObject(const QString& name) const
{
    for (int i = 0; i < Pages.Count(); ++i) {
        for (const auto& view : Pages.Pages(i).Objects) {
            // Names are identifiers: "rich1" finds "Rich1" and "RICH1" under the Turkish rules too.
            if (frSameName(view->Name, name))
                return view.get();
        }
    }
    return nullptr;
}

namespace {
bool isCategory(const QString& line)
{
    // An empty line does not begin with a blank either: it names a category without a name.
    return !line.startsWith(QLatin1Char(' '));
}
}  // namespace

void TfrReport::GetCategoryList(TStringList& list) const
{
    list.Clear();
    for (int i = 0; i < Variables.Count(); ++i) {
        if (isCategory(Variables[i]))
            list.Add(Variables[i]);
    }
}

void TfrReport::GetVarList(int categoryNo, TStringList& list) const
{
    list.Clear();
    int category = -1;
    for (int i = 0; i < Variables.Count(); ++i) {
        const QString& line = Variables[i];
        if (isCategory(line)) {
            if (++category > categoryNo)
                return;
        } else if (category == categoryNo) {
            list.Add(line.mid(1));
        }
    }
}

void TfrReport::SavePreparedReport(const QString& fileName)
{
    // The whole file is built first, so that a failing page leaves an existing file as it was.
    TMemoryStream stream;
    EMFPages.SaveToStream(stream);
    stream.SaveToFile(fileName);
}

void TfrReport::LoadPreparedReport(const QString& fileName)
{
    TMemoryStream stream;
    stream.LoadFromFile(fileName);
    EMFPages.LoadFromStream(stream);
    FromTemplate = false;
}
