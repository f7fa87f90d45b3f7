// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/ExamSession.h"

#include <QDialog>

#include <vector>

class QPushButton;
class QScrollArea;

namespace veltrin {

// The review after a practice round: each question missed in the round with
// the answer given, the right answer and the reason; then, per topic, where
// the learner stands, as a bar of the questions known with the counts beside
// it. Shown modal over the exam window once the result is closed.
//
//   Label1        the heading
//   scroller      the missed questions (lblMissed0, lblMissed1, ...), then
//                 the topics (lblTopic0 with barTopic0, ...)
//   cmdExit       Return
class frmReview final : public QDialog {
    Q_OBJECT

public:
    frmReview(
        QWidget* owner, const std::vector<ExamSession::Missed>& missed, const std::vector<TopicStanding>& progress);

private:
    void cmdExit_Click();

    QPushButton* cmdExit = nullptr;
    QScrollArea* scroller = nullptr;
};

// One missed question as the review gives it: the question, the answer given,
// the right answer, and the reason with its source where there is one.
QString missedText(const ExamSession::Missed& missed);

} // namespace veltrin
