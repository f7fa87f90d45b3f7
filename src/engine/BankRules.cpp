// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/BankRules.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace veltrin {

QString BankError::detail() const
{
    if (line > 0)
        return QCoreApplication::translate("BankRules", "Line %1: %2.").arg(line).arg(sentence);
    QString text = sentence + QLatin1Char('.');
    text[0] = text.at(0).toUpper();
    return text;
}

namespace bankrule {

namespace {

// Words quoted from a bank are cut short: a refusal is read in a small box.
QString quoted(const QString& field)
{
    return field.left(40);
}

} // namespace

QString whyUnreadable(const QString& path, const QString& systemReason)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QCoreApplication::translate("BankRules", "there is no such file");
    if (info.isDir())
        return QCoreApplication::translate("BankRules", "it is a folder, not a file");
    if (!info.isReadable())
        return QCoreApplication::translate("BankRules", "you have no permission to read it");
    return systemReason;
}

BankError cannotOpen(const QString& path, const QString& systemReason)
{
    return {0,
        QCoreApplication::translate("BankRules", "The question bank %1 cannot be read: %2")
            .arg(path, whyUnreadable(path, systemReason))};
}

BankError emptyFile()
{
    return {0, QCoreApplication::translate("BankRules", "the file is empty")};
}

BankError notText()
{
    return {0,
        QCoreApplication::translate("BankRules",
            "the file is not a text file: near its start it holds NUL or other control bytes, which text never "
            "holds (is it a picture saved under the bank's name?)")};
}

bool looksBinary(QByteArrayView head)
{
    // Tab, line feed, vertical tab, form feed and carriage return are text;
    // so are Ctrl-Z, which old editors put at a file's end, and escape.
    for (const char c : head) {
        const auto b = static_cast<unsigned char>(c);
        if (b <= 0x08 || (b >= 0x0E && b <= 0x19) || (b >= 0x1C && b <= 0x1F))
            return true;
    }
    return false;
}

BankError lineTooLong(qint64 line, qsizetype maxBytes)
{
    return {line, QCoreApplication::translate("BankRules", "the line is longer than %1 bytes").arg(maxBytes)};
}

BankError lineUnreadable(qint64 line, const QString& reason)
{
    return {line, QCoreApplication::translate("BankRules", "the line cannot be read: %1").arg(reason)};
}

BankError savedAsUtf16()
{
    return {1,
        QCoreApplication::translate(
            "BankRules", "the file is saved as UTF-16 (\"Unicode\") text; save it as UTF-8 or as ANSI text")};
}

BankError headerOnly()
{
    return {1, QCoreApplication::translate("BankRules", "the file ends after its header, so it holds no questions")};
}

BankError headerWithoutCopyright(bool hasOtherCase)
{
    QString sentence = QCoreApplication::translate("BankRules", "the header does not contain the word \"Copyright\"");
    if (hasOtherCase)
        sentence += QCoreApplication::translate(
            "BankRules", " (with a capital C: the word in other letter case does not count)");
    return {1, sentence};
}

BankError headerWithoutSpace()
{
    return {1,
        QCoreApplication::translate(
            "BankRules", "the header must begin with the number of questions followed by a space")};
}

BankError headerCount(const QString& countWord)
{
    return {1,
        QCoreApplication::translate(
            "BankRules", "the header gives \"%1\" as the number of questions; it must be a whole number from %2 to %3")
            .arg(quoted(countWord))
            .arg(kMinRecords)
            .arg(kMaxRecords)};
}

BankError noHeader()
{
    return {1,
        QCoreApplication::translate("BankRules",
            "the first line must be the header: the number of questions, a space and the word \"Copyright\", "
            "for example \"20 Copyright 2026 My Driving School\"")};
}

BankError tooFewSlashes(qint64 line, int number)
{
    return {line,
        QCoreApplication::translate("BankRules", "the \"Q.\" line of question %1 has fewer than two \"/\"")
            .arg(number)};
}

BankError rightAnswerNotOneToFour(qint64 line, int number, const QString& field)
{
    return {line,
        QCoreApplication::translate(
            "BankRules", "question %1 gives \"%2\" as its right answer; it must be a number from 1 to 4")
            .arg(number)
            .arg(quoted(field))};
}

BankError letteredAnswers(qint64 line, int number)
{
    return {line,
        QCoreApplication::translate(
            "BankRules", "question %1 letters its answers \"A.\" to \"D.\"; answers start with \"1.\" to \"4.\"")
            .arg(number)};
}

bool looksLettered(QByteArrayView line)
{
    return line.size() >= 2 && line.at(0) >= 'A' && line.at(0) <= 'D' && line.at(1) == '.';
}

BankError rightAnswerEmpty(qint64 line, int number, int right)
{
    if (right == 4) {
        return {line,
            QCoreApplication::translate("BankRules",
                "question %1 names answer 4 as right, but answer 4 is empty and the question shows no button D, "
                "so it can never be answered right")
                .arg(number)};
    }
    return {line,
        QCoreApplication::translate("BankRules",
            "question %1 names answer %2 as right, but answer %2 is empty, so it can never be answered right")
            .arg(number)
            .arg(right)};
}

BankError ranOn(qint64 line, int number)
{
    return {line,
        QCoreApplication::translate(
            "BankRules", "question %1 starts without an empty line after question %2, so question %2 cannot be read")
            .arg(number)
            .arg(number - 1)};
}

BankError endsEarly(int records, int declared)
{
    return {1,
        QCoreApplication::translate(
            "BankRules", "the header declares %1 questions, but the file ends after question %2")
            .arg(declared)
            .arg(records)};
}

} // namespace bankrule

} // namespace veltrin
