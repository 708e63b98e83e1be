#include "golden.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {
QString GoldenPath(const QString& name)
{
    return QStringLiteral(TAVRELO_TEST_DATA "/") + name;
}

void Compare(const QString& name, const QString& actual)
{
    const QString path = GoldenPath(name);
    if (qEnvironmentVariableIntValue("TAVRELO_REWRITE_GOLDEN") == 1) {
        QDir().mkpath(QFileInfo(path).path());
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly)) << path.toStdString();
        out.write(actual.toUtf8());
        return;
    }
    QFile in(path);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly)) << "no expected file " << path.toStdString();
    const QStringList expected = QString::fromUtf8(in.readAll()).split('\n');
    const QStringList got = actual.split('\n');
    for (qsizetype i = 0; i < std::max(expected.size(), got.size()); ++i) {
        const QString e = expected.value(i, "<end>"), g = got.value(i, "<end>");
        if (e != g) {
            ADD_FAILURE() << name.toStdString() << " line " << i + 1 << "\n  expected: \"" << e.toStdString()
                          << "\"\n  actual:   \"" << g.toStdString() << "\"";
            return;
        }
    }
}
} // namespace

void ExpectGolden(const QString& name, const QStringList& lines)
{
    Compare(name, lines.join('\n') + '\n');
}

void ExpectGoldenBytes(const QString& name, const QByteArray& bytes)
{
    QString dump;
    for (qsizetype at = 0; at < bytes.size(); at += 16) {
        const QByteArray row = bytes.mid(at, 16);
        QString ascii;
        for (char c : row)
            ascii += c >= 0x20 && c < 0x7F ? QChar(c) : QChar('.');
        dump +=
            QString("%1  %2 |%3|\n").arg(at, 6, 16, QChar('0')).arg(QString(row.toHex(' ')), -47).arg(ascii);
    }
    Compare(name, dump);
}
