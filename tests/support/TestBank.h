// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <ostream>

// Readable texts in test failures.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace veltrin::test {

// A program folder in a temporary directory with a question bank written into
// it as "veltrin.dll".
class TestFolder {
public:
    TestFolder();
    QString path() const { return m_dir.path(); }

    // Writes the bank from lines joined by `lineEnd` (CR LF by default), with
    // `lineEnd` after the last line too unless `endWithTerminator` is false.
    void writeBank(const QStringList& lines, const QByteArray& lineEnd = "\r\n", bool endWithTerminator = true) const;
    void writeBankBytes(const QByteArray& bytes) const;
    void writeFile(const QString& name, const QByteArray& bytes) const;

private:
    QTemporaryDir m_dir;
};

// The lines of a record: "Q.tag1/tag2/correct[/picture]", its text and its
// answers (three or four), followed by the empty line that ends it.
QStringList record(int number, int correct = 1, const QString& picture = {}, int answers = 4);

// A header declaring `count` records and `records` numbered records 1..records.
QStringList bank(int count, int records);

} // namespace veltrin::test
