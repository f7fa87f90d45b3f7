// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Why a text file and not SQLite: the store is a few hundred short lines.
// Each answer is appended as one line in one write, under a lock on the file
// that the system drops when its program dies, so a program killed while
// writing loses at most that line, two programs at once never mix their lines
// nor lose each other's, and an answer costs no wait for the disk (rewriting
// the store through QSaveFile with its sync took about 12 ms an answer). Now
// and then the answers are folded into one line a question, written whole to a
// new file that then takes the old one's place (QSaveFile). A damaged or
// foreign file is told by its first line or a line it cannot be, and is kept
// aside whole. SQLite would give the same safety but bring Qt SQL and its
// driver into the program and its package for a file this small, a
// synchronous commit per answer, and a damaged database harder to set aside.

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

class QFile;

namespace veltrin {

// Where a learner stands on one question of a bank, in practice.
struct QuestionStanding {
    int seen = 0;             // times asked and answered
    int right = 0;            // times answered right
    int rightInARow = 0;      // right answers since the last wrong one
    bool openMistake = false; // answered wrong, and not since right twice in a row

    // Seen, answered right at least once, and no open mistake.
    bool known() const { return seen > 0 && right > 0 && !openMistake; }

    bool operator==(const QuestionStanding&) const = default;
};

// The rule that closes a mistake: wrong opens it, right twice in a row closes
// it.
QuestionStanding afterAnswer(QuestionStanding standing, bool right);

// A learner's practice progress on one bank, kept in a file of its own in the
// learner's data folder. Only practice opens it; the exam never does.
//
// The file: the line "veltrin-progress 1", then lines of two kinds, read in
// order: "ID|seen|right|rightInARow|open" (open is 1 or 0) says where a
// question stands, "ID|1" or "ID|0" is one answer after it, right or wrong.
// An ID is percent-encoded where it holds anything but letters, digits and
// "-._~". A last line without its line end is an answer its program was
// killed while writing, and is left out.
class ProgressStore {
public:
    // The store of the bank at `bankPath` in `dataFolder` (by default the
    // per-user data folder): one file a bank, named after the bank's full path.
    static QString pathFor(const QString& dataFolder, const QString& bankPath);
    // The per-user data folder's "veltrin": $XDG_DATA_HOME/veltrin, by default
    // ~/.local/share/veltrin.
    static QString defaultDataFolder();

    // Touches no file: the store is read when load() or record() is called.
    explicit ProgressStore(QString path);

    // Reads the store. A missing file is an empty progress. A damaged or
    // foreign file is kept aside under another name and progress starts
    // afresh; `note` then says so in one line.
    void load(QString* note = nullptr);

    QuestionStanding standing(const QString& id) const { return m_questions.value(id); }
    const QHash<QString, QuestionStanding>& questions() const { return m_questions; }

    // Records one answer and writes it through to the file at once, after
    // the answers other programs have written to it meanwhile. False
    // when the store cannot be written (the answer still counts for this run,
    // and is written with the next answer that can be); `note` then says so
    // in one line, the first time only.
    bool record(const QString& id, bool right, QString* note = nullptr);

    const QString& path() const { return m_path; }
    // Where the store was read or written last, the answers the file holds
    // as answer lines; past kFoldAfter they are folded into standing lines.
    int answerLines() const { return m_answerLines; }
    static constexpr int kFoldAfter = 256;
    void setFoldAfter(int answerLines) { m_foldAfter = answerLines; }

private:
    enum class Read { Missing, Sound, Damaged };
    Read readFile(QHash<QString, QuestionStanding>* questions);
    bool setAside(QString* note);
    bool write(QString* note);
    enum class Append { Done, Failed, Replaced };
    Append appendLocked(QFile& file, QString* note);
    bool fold(QFile& file);
    bool cannotWrite(const QString& reason, QString* note);

    QString m_path;
    QHash<QString, QuestionStanding> m_questions;
    QList<QPair<QString, bool>> m_unwritten; // answers recorded but not yet in the file
    int m_answerLines = 0;
    int m_foldAfter = kFoldAfter;
    bool m_toldCannotWrite = false;
};

} // namespace veltrin
