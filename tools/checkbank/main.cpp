// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// veltrin-checkbank: checks a question bank before it is given to the program.
//
//   veltrin-checkbank [--stats] BANK [PICTURE-FOLDER]
//
// Reads the whole bank with the program's own reader and prints, one per line
// with its line number, everything the program would refuse or could never
// get right (errors) and everything a bank author should mend (warnings).
// Pictures are looked up in PICTURE-FOLDER, by default the folder that holds
// the bank, and for a folder named "es" in the folder above, as the program
// looks them up. Exit status: 0 the bank is sound, 1 warnings only, 2 errors,
// 64 bad usage.

#include "BankCheck.h"
#include "Version.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

namespace {

constexpr int kExitSound = 0;
constexpr int kExitWarnings = 1;
constexpr int kExitErrors = 2;
constexpr int kExitUsage = 64;

// "1 error", "2 errors".
QString counted(int n, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}

QString share(int n, int of)
{
    return QString::number(of > 0 ? 100.0 * n / of : 0.0, 'f', 1) + QLatin1Char('%');
}

void printStats(QTextStream& out, const veltrin::BankStats& stats)
{
    if (!stats.headerRead) {
        out << "questions:        not read: the checker stopped at the header\n";
        return;
    }
    out << "questions:        " << stats.records << " (header declares " << stats.declared;
    if (stats.unreadable > 0)
        out << "; " << stats.unreadable << " more cannot be read";
    out << ")\n";
    out << "with a picture:   " << stats.withPicture << "\n";
    out << "three answers:    " << stats.threeAnswer << "\n";
    out << "right answer is:";
    const char* letters = "ABCD";
    for (int i = 0; i < 4; ++i) {
        const int n = stats.rightAnswers.at(i);
        out << "  " << letters[i] << " " << n << " (" << share(n, stats.records) << ")";
    }
    out << "\n";
    out << "right answer is the longest: " << stats.rightLongest << " of " << stats.fourAnswer
        << " four-answer questions (" << share(stats.rightLongest, stats.fourAnswer)
        << "; between 20% and 30% is near chance)\n";
    out << "with a reason:    ";
    if (stats.hasReasons)
        out << stats.withReason << " of " << stats.records << "\n";
    else
        out << "none: the bank has no reasons file\n";
    out << "repeats:          " << stats.repeats << " questions ask what an earlier one asks\n";
    out << "questions per topic:\n";
    for (auto it = stats.topics.constBegin(); it != stats.topics.constEnd(); ++it)
        out << "  " << it.key().leftJustified(20) << " " << it.value() << "\n";
    out << "pictures no question uses: " << stats.unusedPictures.size() << "\n";
    for (const QString& name : stats.unusedPictures)
        out << "  " << name << "\n";
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("veltrin-checkbank"));
    QCoreApplication::setApplicationVersion(QLatin1String(veltrin::version::kVersion));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Checks a question bank for Veltrin's Test with the program's own reader.\n"
                       "Errors are what the program refuses, or a question it can never get right;\n"
                       "warnings are what a bank author should mend. Exit status: 0 sound,\n"
                       "1 warnings only, 2 errors, 64 bad usage."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption stats(QStringLiteral("stats"),
        QStringLiteral("Also print counts: questions, pictures, right answers by letter and by length, "
                       "questions with a reason, repeats, topics, and pictures no question uses."));
    parser.addOption(stats);
    parser.addPositionalArgument(QStringLiteral("BANK"), QStringLiteral("The bank file, for example veltrin.dll."));
    parser.addPositionalArgument(QStringLiteral("PICTURE-FOLDER"),
        QStringLiteral("Where the bank's pictures are looked up (default: the folder that holds BANK, and for a "
                       "bank in a folder named es, the folder above, as the program looks them up)."),
        QStringLiteral("[PICTURE-FOLDER]"));
    if (!parser.parse(QCoreApplication::arguments())) {
        err << parser.errorText() << "\n" << parser.helpText();
        return kExitUsage;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(kExitSound);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    const QStringList args = parser.positionalArguments();
    if (args.isEmpty() || args.size() > 2) {
        err << parser.helpText();
        return kExitUsage;
    }
    const QString& bank = args.at(0);
    const QString pictures = args.size() > 1 ? args.at(1) : QFileInfo(bank).absolutePath();

    const veltrin::BankReport report = veltrin::checkBank(bank, pictures);
    for (const veltrin::Finding& finding : report.findings) {
        out << (finding.file.isEmpty() ? bank : finding.file) << ':';
        if (finding.line > 0)
            out << finding.line << ':';
        out << (finding.severity == veltrin::Finding::Severity::Error ? " error: " : " warning: ") << finding.message
            << '\n';
    }
    if (parser.isSet(stats))
        printStats(out, report.stats);
    if (report.stats.headerRead)
        out << counted(report.stats.records, "question", "questions") << ", ";
    else
        out << "stopped at the header, ";
    out << counted(report.errors(), "error", "errors") << ", " << counted(report.warnings(), "warning", "warnings")
        << "\n";
    out.flush();

    if (report.errors() > 0)
        return kExitErrors;
    return report.warnings() > 0 ? kExitWarnings : kExitSound;
}
