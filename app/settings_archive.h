#pragma once

#include <QByteArray>
#include <QString>

class TForm1;
class TRichEdit;

// The settings archive "digeri.byn" in the working folder: a password-protected ZIP, one member per
// calculator, each member the rich text of a hidden rich edit, one paragraph per value line.

// Writes the whole text of `store` as the member: plain file in the working folder, SetFileName,
// add with encryption replacing a member of the same name, plain file removed. Returns false (after
// showing the error) when the archive could not be written.
bool WriteSettingsMember(TForm1& form, const QString& member, TRichEdit& store);

// Loads the member into `store`. Returns false when there is no archive or no such member (the store
// keeps its text); a damaged archive or one under another password shows a message and returns false.
bool ReadSettingsMember(const QString& member, TRichEdit& store);

// Start-up: removes what an interrupted write left beside the archive, then loads "ucret" into
// RichEdit12 and "repo" into RichEdit1 and copies their lines into the edits of the calculators.
// A damaged archive or one under another password is reported once and the design values stay.
void LoadSettingsAtStartUp(TForm1& form);

// The archive's fixed password.
QByteArray SettingsArchivePassword();
