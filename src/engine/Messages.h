// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/Cue.h"

#include <QString>

namespace veltrin {

// The exam: 20 questions in 15 minutes, passed with 17 right answers.
inline constexpr int kQuestionsPerExam = 20;
inline constexpr int kPassMark = 17;
inline constexpr float kExamSeconds = 900.0F;

// The exam window's instructions, shown until Start is pressed. Lines are
// broken with CR LF.
QString instructionsText();

// The texts of the message window. Two spaces follow a full stop inside a text.
QString correctText();
// The letter "A" to "D" of answer number 1 to 4.
QString answerLetter(int number);
QString wrongText(const QString& letter);
QString resultText(int score);
QString timeoutText(int score, int qno);

bool passed(int score);

// The exam clock's caption, "m:ss": minutes without leading zeros, seconds
// with two digits.
QString elapsedCaption(int elapsec);

// The wrong-answer cue for a random number r, 0 <= r < 1: the whole part of
// 2r + 1, taken in single precision, above 1 means the skid, else the siren.
Cue wrongAnswerCue(float r);
Cue resultCue(int score);

} // namespace veltrin
