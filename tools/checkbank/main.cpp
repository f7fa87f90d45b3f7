// veltrin-checkbank: checks a question bank before it is given to the program.
//
//   veltrin-checkbank [--stats] BANK [PICTURE-FOLDER]
//
// Reads the whole bank with the program's own reader and prints, one per line
// with its line number, everything the program would refuse (errors) and
// everything a bank author should mend (warnings). Pictures are looked up in
// PICTURE-FOLDER, by default the folder that holds the bank.
// Exit status: 0 the bank is sound, 1 warnings only, 2 errors, 64 bad usage.

#include "BankCheck.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>
#include <QTextStream>

namespace {

constexpr int kExitSound = 0;
constexpr int kExitWarnings = 1;
constexpr int kExitErrors = 2;
constexpr int kExitUsage = 64;

void printStats(QTextStream& out, const veltrin::BankStats& stats)
{
    out << "questions:        " << stats.records << " (header declares " << stats.declared << ")\n";
    out << "with a picture:   " << stats.withPicture << "\n";
    out << "three answers:    " << stats.threeAnswer << "\n";
    out << "right answer is:";
    const char* letters = "ABCD";
    for (int i = 0; i < 4; ++i) {
        const int n = stats.rightAnswers.at(i);
        const double share = stats.records > 0 ? 100.0 * n / stats.records : 0.0;
        out << "  " << letters[i] << " " << n << " (" << QString::number(share, 'f', 1) << "%)";
    }
    out << "\n";
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = QCoreApplication::arguments().mid(1);
    const bool stats = args.removeAll(QStringLiteral("--stats")) > 0;
    if (args.isEmpty() || args.size() > 2 || args.first().startsWith(QLatin1Char('-'))) {
        err << "usage: veltrin-checkbank [--stats] BANK [PICTURE-FOLDER]\n";
        return kExitUsage;
    }
    const QString bank = args.at(0);
    const QString pictures = args.size() > 1 ? args.at(1) : QFileInfo(bank).absolutePath();

    const veltrin::BankReport report = veltrin::checkBank(bank, pictures);
    for (const veltrin::Finding& finding : report.findings) {
        out << bank << ':';
        if (finding.line > 0)
            out << finding.line << ':';
        out << (finding.severity == veltrin::Finding::Severity::Error ? " error: " : " warning: ") << finding.message
            << '\n';
    }
    if (stats)
        printStats(out, report.stats);
    out << report.stats.records << " questions, " << report.errors() << " errors, " << report.warnings()
        << " warnings\n";
    out.flush();

    if (report.errors() > 0)
        return kExitErrors;
    return report.warnings() > 0 ? kExitWarnings : kExitSound;
}
