// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Messages.h"

#include <array>
#include <cmath>

namespace veltrin {

QString instructionsText()
{
    const QString lineBreak = QStringLiteral("\r\n");
    return QStringLiteral("This exam tests your knowledge of driving rules in the United States.  ")
        + QStringLiteral("Since the rules differ from state to state, ")
        + QStringLiteral("refer to your state's motor vehicle laws for definitive answers.") + lineBreak + lineBreak
        + QStringLiteral("You have 15 minutes to answer 20 questions.  ")
        + QStringLiteral("To pass the test, you must answer at least 17 questions correctly.") + lineBreak + lineBreak
        + QStringLiteral("       Press the START button to begin.");
}

QString correctText()
{
    return QStringLiteral("Correct");
}

QString answerLetter(int number)
{
    static const std::array<QString, 4> letters {
        QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")};
    return letters.at(static_cast<size_t>(number - 1));
}

QString wrongText(const QString& letter)
{
    return QStringLiteral("Wrong.  The correct answer is ") + letter;
}

bool passed(int score)
{
    return score >= kPassMark;
}

QString resultText(int score)
{
    return (passed(score) ? QStringLiteral("You Pass.  You had ") : QStringLiteral("You Failed.  You had "))
        + QString::number(score) + QStringLiteral(" correct answers out of 20.");
}

QString timeoutText(int score, int qno)
{
    return QStringLiteral("You ran out of time.  You had ") + QString::number(score)
        + QStringLiteral(" correct answers out of ") + QString::number(qno) + QStringLiteral(".");
}

QString wrongAnswerCue(float r)
{
    const float twoRPlusOne = 2.0F * r + 1.0F;
    return std::floor(twoRPlusOne) > 1.0F ? cue::skid : cue::siren;
}

QString resultCue(int score)
{
    return passed(score) ? cue::passed : cue::failed;
}

} // namespace veltrin
