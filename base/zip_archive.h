#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

// A ZIP archive whose members are encrypted with the traditional PKWARE method under one password
// (archives written by older programs stay readable). Members are read into memory only, never
// extracted as files. Errors raise EArchiveError with a Turkish text.
class TZipArchive {
public:
    TZipArchive(QString fileName, QByteArray password);

    const QString& FileName() const { return fileName_; }
    bool Exists() const;
    QStringList MemberNames() const;

    // The whole member. False when there is no archive or no such member. The member is read to its
    // end, so that a wrong password (the method checks one byte of it on opening) or damage shows as
    // an error through the checksum, never as garbage.
    bool ReadMember(const QString& name, QByteArray& data) const;
    // Reads every member to its end; raises for the first that does not read.
    void CheckMembers() const;
    // The same reading, keeping what was read: each member by its name (empty when there is no
    // archive). A name that stands twice keeps its first member, as ReadMember does.
    QHash<QString, QByteArray> ReadAllMembers() const;

    // Adds the member encrypted, replacing one of the same name; creates the archive when missing.
    // The archive is written to a temporary file beside it and renamed over it, so a failed write
    // leaves the old archive as it was.
    void AddMember(const QString& name, const QByteArray& data);

    // The one reading of an archive's bytes, used for loading and before every save: opened with the
    // consistency checks, every member read to its end. EArchiveError for damage.
    static QHash<QString, QByteArray> ReadMembersOf(const QByteArray& bytes, const QString& fileName,
                                                    const QByteArray& password);
    // The bytes of the archive (empty: none yet) with the member added or replaced. A damaged archive
    // is refused, and so is a result that would not read back as the old members plus this one.
    static QByteArray WithMember(const QByteArray& bytes, const QString& fileName, const QByteArray& password,
                                 const QString& name, const QByteArray& data);

    // Removes what an interrupted write left beside the archive (its temporary files).
    void RemoveStaleTemporaries() const;

private:
    QString fileName_;
    QByteArray password_;
};
