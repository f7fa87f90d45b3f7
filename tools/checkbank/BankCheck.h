#pragma once

#include <QString>

#include <array>
#include <vector>

namespace veltrin {

// One thing the bank checker has to say about a bank. Errors are what the
// program would refuse (the exam could fail to load); warnings are what a bank
// author should mend although the program runs.
struct Finding {
    enum class Severity { Error, Warning };
    Severity severity = Severity::Warning;
    qint64 line = 0; // 0 when no one line shows it
    QString message;
};

struct BankStats {
    int declared = 0; // the header's count
    int records = 0;  // "Q." lines in the file
    int withPicture = 0;
    int threeAnswer = 0;
    std::array<int, 4> rightAnswers {}; // how often each of A to D is right
};

struct BankReport {
    std::vector<Finding> findings;
    BankStats stats;
    int errors() const;
    int warnings() const;
};

// Largest picture a bank should name: the exam window leaves 129 x 121
// pixels for it and never scales it.
inline constexpr int kMaxPictureSide = 200;

// Reads a whole bank with the program's own reader and reports everything the
// program would refuse and everything a bank author should know. Pictures are
// looked up in `pictureFolder` as the program would look them up in its folder.
BankReport checkBank(const QString& bankPath, const QString& pictureFolder);

} // namespace veltrin
