// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QString>

namespace veltrin {

// Where a learner stands on one question of a bank, in practice.
struct QuestionStanding {
    int seen = 0;             // times asked and answered
    int right = 0;            // times answered right
    int rightInARow = 0;      // right answers since the last wrong one
    bool openMistake = false; // answered wrong, and not since right twice in a row

    // Seen, answered right at least once, and no open mistake.
    bool known() const { return seen > 0 && right > 0 && !openMistake; }
};

// The rule that closes a mistake: wrong opens it, right twice in a row closes
// it.
QuestionStanding afterAnswer(QuestionStanding standing, bool right);

// A learner's practice progress on one bank, kept in a file of its own in the
// learner's data folder. Only practice opens it; the exam never does.
class ProgressStore {
public:
    // The store of the bank at `bankPath` in `dataFolder` (by default the
    // per-user data folder): one file a bank, named after the bank's full path.
    static QString pathFor(const QString& dataFolder, const QString& bankPath);
    static QString defaultDataFolder();

    explicit ProgressStore(QString path);

    // Reads the store. A missing file is an empty progress. A damaged or
    // foreign file is kept aside under another name and progress starts
    // afresh; `note` then says so in one line.
    void load(QString* note = nullptr);

    QuestionStanding standing(const QString& id) const { return m_questions.value(id); }
    const QHash<QString, QuestionStanding>& questions() const { return m_questions; }

    // Records one answer and writes the store through at once. False when the
    // store cannot be written (the answer still counts for this run); `note`
    // then says so in one line.
    bool record(const QString& id, bool right, QString* note = nullptr);

    const QString& path() const { return m_path; }

private:
    bool write(QString* note);

    QString m_path;
    QHash<QString, QuestionStanding> m_questions;
};

} // namespace veltrin
