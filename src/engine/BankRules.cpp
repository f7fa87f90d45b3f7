// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/BankRules.h"

#include <QCoreApplication>

namespace veltrin {

QString BankError::detail() const
{
    if (line > 0)
        return QCoreApplication::translate("BankRules", "Line %1: %2.").arg(line).arg(sentence);
    return sentence + QLatin1Char('.');
}

namespace bankrule {

namespace {

// Words quoted from a bank are cut short: a refusal is read in a small box.
QString quoted(const QString& field)
{
    return field.left(40);
}

} // namespace

BankError cannotOpen(const QString& path, const QString& reason)
{
    return {0, QCoreApplication::translate("BankRules", "The question bank %1 cannot be read: %2").arg(path, reason)};
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

BankError ranOn(qint64 line, int number)
{
    return {line,
        QCoreApplication::translate(
            "BankRules", "question %1 starts without an empty line after question %2, so question %2 cannot be read")
            .arg(number)
            .arg(number - 1)};
}

BankError endsEarly(qint64 line, int records, int declared)
{
    return {line,
        QCoreApplication::translate(
            "BankRules", "the file ends after question %1, but the header on line 1 declares %2 questions")
            .arg(records)
            .arg(declared)};
}

} // namespace bankrule

} // namespace veltrin
