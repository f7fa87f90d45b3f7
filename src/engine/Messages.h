// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace veltrin {

inline constexpr int kQuestionsPerExam = 20;
inline constexpr int kPassMark = 17;

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

// Sound cues: wave files in the program folder.
namespace cue {
inline const QString carStart = QStringLiteral("\\carstart.wav");
inline const QString skid = QStringLiteral("\\skid1.wav");
inline const QString siren = QStringLiteral("\\siren.wav");
inline const QString failed = QStringLiteral("\\skidbump.wav");
inline const QString passed = QStringLiteral("\\honkyea.wav");
} // namespace cue

// The wrong-answer cue for a random number r, 0 <= r < 1: the whole part of
// 2r + 1, taken in single precision, above 1 means the skid, else the siren.
QString wrongAnswerCue(float r);
QString resultCue(int score);

} // namespace veltrin
