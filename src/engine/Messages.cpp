// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Messages.h"

#include <QCoreApplication>

#include <array>
#include <cmath>

namespace veltrin {

QString instructionsText()
{
    const QString lineBreak = QStringLiteral("\r\n");
    // Each piece is translated whole; the pieces are put together as the
    // English always has, with the line breaks between paragraphs.
    return QCoreApplication::translate(
               "Exam", "This exam tests your knowledge of driving rules in the United States.  ")
        + QCoreApplication::translate("Exam", "Since the rules differ from state to state, ")
        + QCoreApplication::translate("Exam", "refer to your state's motor vehicle laws for definitive answers.")
        + lineBreak + lineBreak
        + QCoreApplication::translate("Exam", "You have %1 minutes to answer %2 questions.  ")
              .arg(static_cast<int>(kExamSeconds) / 60)
              .arg(kQuestionsPerExam)
        + QCoreApplication::translate("Exam", "To pass the test, you must answer at least %1 questions correctly.")
              .arg(kPassMark)
        + lineBreak + lineBreak + QCoreApplication::translate("Exam", "       Press the START button to begin.");
}

QString correctText()
{
    return QCoreApplication::translate("Exam", "Correct");
}

QString answerLetter(int number)
{
    static const std::array<QString, 4> letters {
        QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")};
    return letters.at(static_cast<size_t>(number - 1));
}

QString wrongText(const QString& letter)
{
    return QCoreApplication::translate("Exam", "Wrong.  The correct answer is %1").arg(letter);
}

bool passed(int score)
{
    return score >= kPassMark;
}

QString resultText(int score)
{
    // %n is the score; a translation can make the words agree with it.
    return passed(score)
        ? QCoreApplication::translate("Exam", "You Pass.  You had %n correct answers out of 20.", nullptr, score)
        : QCoreApplication::translate("Exam", "You Failed.  You had %n correct answers out of 20.", nullptr, score);
}

QString timeoutText(int score, int qno)
{
    return QCoreApplication::translate(
        "Exam", "You ran out of time.  You had %n correct answers out of %1.", nullptr, score)
        .arg(qno);
}

QString elapsedCaption(int elapsec)
{
    const int minutes = elapsec / 60;
    const int seconds = elapsec - 60 * minutes;
    return QString::number(minutes) + QLatin1Char(':') + QStringLiteral("%1").arg(seconds, 2, 10, QLatin1Char('0'));
}

Cue wrongAnswerCue(float r)
{
    const float twoRPlusOne = 2.0F * r + 1.0F;
    return std::floor(twoRPlusOne) > 1.0F ? Cue::Skid : Cue::Siren;
}

Cue resultCue(int score)
{
    return passed(score) ? Cue::Passed : Cue::Failed;
}

} // namespace veltrin
