#include "app/settings_archive.h"

#include "app/main_window.h"
#include "base/atomic_file.h"
#include "base/dialogs.h"
#include "base/exceptions.h"
#include "base/rich_edit.h"
#include "base/zip_archive.h"

#include <QFile>
#include <QLineEdit>

namespace {
const char* const kArchiveName = "digeri.byn";
const char* const kPassword = "Tvr.Czm-1254/ayar";

// Where the lines of a member go at start-up: line `first` + i into the edit named names[i].
struct EditLines {
    int first;
    QStringList names;
};

struct Member {
    const char* name;
    TRichEdit* TForm1::*store;
    int designLines;  // the store's empty lines at design time
    std::vector<EditLines> edits;
};

const std::vector<Member>& startUpMembers()
{
    static const std::vector<Member> members = {
        {"ucret", &TForm1::RichEdit12, 13,
         {{0, {"Edit379", "Edit380", "Edit381", "Edit382", "Edit383", "Edit384", "Edit385", "Edit386", "Edit387",
               "Edit424", "Edit423"}}}},
        {"repo", &TForm1::RichEdit1, 60,
         {{0, {"Edit30", "Edit29", "Edit9", "Edit10", "Edit28", "Edit6"}},
          {21, {"Edit428", "Edit429", "Edit430", "Edit431", "Edit432", "Edit433", "Edit434", "Edit436", "Edit437",
                "Edit438", "Edit439", "Edit440", "Edit441", "Edit442", "Edit443", "Edit444", "Edit445", "Edit446",
                "Edit2008", "Edit2009", "Edit2010", "Edit2011", "Edit2012", "Edit2013", "Edit2014"}}}},
    };
    return members;
}

TZipArchive settingsArchive()
{
    return TZipArchive(kArchiveName, SettingsArchivePassword());
}

void loadMember(TForm1& form, const Member& member, const QHash<QString, QByteArray>& members)
{
    const auto data = members.constFind(member.name);
    if (data == members.constEnd())
        return;
    TRichEdit& store = *(form.*member.store);
    store.LoadRtf(*data);
    const int stored = store.LineCount();
    for (const EditLines& group : member.edits)
        for (int i = 0; i < group.names.size(); ++i) {
            // a line the member lacks leaves the edit's design value
            if (group.first + i >= stored)
                break;
            if (auto* edit = form.findChild<QLineEdit*>(group.names[i]))
                edit->setText(store.Line(group.first + i));
        }
    // a short member still leaves a line for every value, so that its writer can store them all
    if (stored < member.designLines)
        store.AddLines(QStringList(member.designLines - stored, QString()));
    store.SetModified(false);
}
}  // namespace

QByteArray SettingsArchivePassword()
{
    return kPassword;
}

bool WriteSettingsMember(TForm1& form, const QString& member, TRichEdit& store)
{
    TZipArchive archive = settingsArchive();
    try {
        archive.CheckMembers();
    } catch (const EArchiveError& e) {
        Dialogs().ShowError(e.Message() + "\nAyarlar saklanmadı; arşivin üzerine yazılmadı. "
                                          "Arşivi silin ya da taşıyın, sonra yeniden saklayın.");
        return false;
    }
    const QByteArray rtf = store.SaveRtf();
    try {
        WriteFileAtomically(member, rtf);
    } catch (const Exception& e) {
        Dialogs().ShowError(e.Message());
        return false;
    }
    form.SetFileName(member);
    store.SetModified(false);
    bool written = true;
    try {
        // the plain file holds these very bytes; no need to read it back
        archive.AddMember(member, rtf);
    } catch (const Exception& e) {
        Dialogs().ShowError(e.Message());
        written = false;
    }
    QFile::remove(member);
    return written;
}

bool ReadSettingsMember(const QString& member, TRichEdit& store)
{
    QByteArray data;
    try {
        if (!settingsArchive().ReadMember(member, data))
            return false;
    } catch (const EArchiveError& e) {
        Dialogs().ShowError(e.Message());
        return false;
    }
    store.LoadRtf(data);
    return true;
}

void LoadSettingsAtStartUp(TForm1& form)
{
    TZipArchive archive = settingsArchive();
    archive.RemoveStaleTemporaries();
    // the members are written as plain files first; a kill then leaves their temporaries too
    for (const Member& member : startUpMembers())
        RemoveStaleTemporaries(member.name);
    if (!archive.Exists())
        return;
    // one reading checks every member and hands over the ones the program starts from
    QHash<QString, QByteArray> members;
    try {
        members = archive.ReadAllMembers();
    } catch (const EArchiveError& e) {
        Dialogs().ShowError(e.Message() + "\nProgram kendi varsayılan değerleriyle açılıyor.");
        return;
    }
    for (const Member& member : startUpMembers())
        loadMember(form, member, members);
}
