// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/ExamSession.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QScrollArea;

namespace veltrin {

// The review after a practice round: first, per topic, where the learner
// stands, as a bar of the questions known with the counts above it; then each
// question missed in the round with the answer given, the right answer and
// the reason. Shown modal over the exam window once the result is closed.
//
//   lblStanding   the first heading
//   standing      the topics (lblTopic0 with barTopic0, ...), two a row
//   Label1        the second heading
//   scroller      the missed questions (lblMissed0, lblMissed1, ...)
//   cmdExit       Return
class frmReview final : public QDialog {
    Q_OBJECT

public:
    frmReview(
        QWidget* owner, const std::vector<ExamSession::Missed>& missed, const std::vector<TopicStanding>& progress);

private:
    void cmdExit_Click();

    QPushButton* cmdExit = nullptr;
    QScrollArea* standing = nullptr;
    QScrollArea* scroller = nullptr;
};

// One missed question as the review gives it: the question, the answer given,
// the right answer, and the reason with its source where there is one.
QString missedText(const ExamSession::Missed& missed);

} // namespace veltrin
