// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/TestBank.h"

#include <QFile>

#include <stdexcept>

namespace veltrin::test {

TestFolder::TestFolder()
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot make a temporary folder");
}

void TestFolder::writeBank(const QStringList& lines, const QByteArray& lineEnd, bool endWithTerminator) const
{
    QByteArray bytes = lines.join(QString::fromLatin1(lineEnd)).toUtf8();
    if (endWithTerminator)
        bytes += lineEnd;
    writeBankBytes(bytes);
}

void TestFolder::writeBankBytes(const QByteArray& bytes) const
{
    writeFile(QStringLiteral("veltrin.dll"), bytes);
}

void TestFolder::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

QStringList record(int number, int correct, const QString& picture, int answers)
{
    QString q = QStringLiteral("Q.t%1/id%1/%2").arg(number).arg(correct);
    if (!picture.isEmpty())
        q += QLatin1Char('/') + picture;
    QStringList lines {q, QStringLiteral("Question %1").arg(number)};
    for (int a = 1; a <= answers; ++a)
        lines << QStringLiteral("%1. Answer %2%3").arg(a).arg(number).arg(QChar(u'a' + a - 1));
    lines << QString();
    return lines;
}

QStringList bank(int count, int records)
{
    QStringList lines {QStringLiteral("%1 Copyright test bank").arg(count)};
    for (int n = 1; n <= records; ++n)
        lines << record(n);
    return lines;
}

} // namespace veltrin::test
