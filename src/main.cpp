// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Veltrin's Test: a timed practice exam on the rules of driving in the United
// States. The program has no main procedure of its own beyond this: it reads
// its command line, hands control to Qt, which loads the welcome window, and
// everything afterwards happens in the windows' handlers.

#include "CommandLine.h"
#include "Version.h"
#include "engine/BankLocation.h"
#include "engine/ExamSession.h"
#include "engine/Practice.h"
#include "engine/ProgressStore.h"
#include "engine/Standing.h"
#include "platform/Clock.h"
#include "platform/DesktopShell.h"
#include "platform/Language.h"
#include "platform/ProgramFolder.h"
#include "platform/QtMessageBox.h"
#include "platform/Random.h"
#include "platform/Translations.h"
#include "print/BankPrint.h"
#include "sound/LazySound.h"
#include "sound/SoundModule.h"
#include "windows/Look.h"
#include "windows/Services.h"
#include "windows/frmWelcome.h"

#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QLocale>
#include <QTextStream>
#include <QTimer>

namespace {

constexpr int kExitUsage = 2;

void nameTheApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("veltrin"));
    QCoreApplication::setApplicationVersion(QLatin1String(veltrin::version::kVersion));
}

// Answers a command line that asks for no window, or that cannot be used, on
// the terminal. Returns the exit status, or -1 when the program should start.
int answerOnTheTerminal(int argc, char* argv[], const veltrin::CommandLine& line, bool parsed, const QString& bank)
{
    const QString bankProblem = line.bankFile().isEmpty() ? QString() : veltrin::CommandLine::bankProblem(bank);
    if (parsed && !line.helpWanted() && !line.versionWanted() && bankProblem.isEmpty())
        return -1;
    const QCoreApplication app(argc, argv);
    nameTheApplication();
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (!parsed) {
        err << "veltrin: " << line.error() << "\n\n" << line.helpText();
        return kExitUsage;
    }
    if (line.helpWanted()) {
        out << line.helpText();
        return 0;
    }
    if (line.versionWanted()) {
        out << "veltrin " << veltrin::version::kVersion << "\n";
        return 0;
    }
    err << "veltrin: the question bank " << bank << " cannot be read: " << bankProblem << "\n";
    return kExitUsage;
}

// Prints the bank to the PDF files the command line names, without a window
// and without a display. Returns the exit status.
int printBank(int argc, char* argv[], const veltrin::CommandLine& line)
{
    // Laying out text needs Qt's GUI, not a screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    nameTheApplication();
    QTextStream err(stderr);
    const veltrin::Language language
        = veltrin::chooseLanguage(QLocale::system().uiLanguages(), line.language(), nullptr);
    veltrin::installTranslations(language);
    // Dates and paper in the bank's language, as in the United States.
    QLocale::setDefault(
        QLocale(language == veltrin::Language::Spanish ? QLocale::Spanish : QLocale::English, QLocale::UnitedStates));

    const veltrin::BankLocation location = veltrin::locateBank(veltrin::programFolder(), language, line.bankFile());
    const QString& bank = location.file;
    const QString& pictures = location.folder;

    veltrin::BankPrint print;
    QString error;
    if (!print.read(bank, &error)) {
        err << "veltrin: " << error << "\n";
        return kExitUsage;
    }
    const QDate today = QDate::currentDate();
    const std::pair<QString, veltrin::BankPrint::Document> outputs[] = {
        {line.printQuestionsFile(), print.questionSheet(pictures, today)},
        {line.printKeyFile(), print.answerKey(today)},
    };
    for (const auto& [file, document] : outputs) {
        if (file.isEmpty())
            continue;
        if (!veltrin::BankPrint::writePdf(document, file, &error)) {
            err << "veltrin: " << file << " cannot be written: " << error << "\n";
            return kExitUsage;
        }
    }
    return 0;
}

// Prints where the learner stands on the bank, topic by topic, without a
// window. Returns the exit status.
int printProgress(int argc, char* argv[], const veltrin::CommandLine& line)
{
    const QCoreApplication app(argc, argv);
    nameTheApplication();
    QTextStream out(stdout);
    QTextStream err(stderr);
    const veltrin::Language language
        = veltrin::chooseLanguage(QLocale::system().uiLanguages(), line.language(), nullptr);
    veltrin::installTranslations(language);

    const QString bank = veltrin::locateBank(veltrin::programFolder(), language, line.bankFile()).file;
    std::vector<veltrin::QRecord> records;
    veltrin::BankError why;
    if (!veltrin::readBankRecords(bank, &records, &why)) {
        err << "veltrin: " << QCoreApplication::translate("veltrin::frmDrive1", "Invalid database file.") << ' '
            << why.detail() << "\n";
        return kExitUsage;
    }
    veltrin::ProgressStore store(veltrin::ProgressStore::pathFor(veltrin::ProgressStore::defaultDataFolder(), bank));
    QString note;
    store.load(&note);
    if (!note.isEmpty())
        err << "veltrin: " << note << "\n";
    if (store.questions().isEmpty())
        out << veltrin::noProgressText() << "\n";
    else
        out << veltrin::standingTable(veltrin::topicStandings(veltrin::practiceItems(records), store.questions()));
    return 0;
}

// The topics of --topic that the bank has not got, told on the terminal with
// the bank's own topics. False when the program should not go on.
bool topicsKnown(const QStringList& topics, const QString& bank)
{
    if (topics.isEmpty())
        return true;
    QString error;
    const std::vector<veltrin::PracticeItem> items = veltrin::readPracticeItems(bank, &error);
    // A bank that cannot be read is refused at Start, as in the exam.
    if (!error.isEmpty())
        return true;
    const QStringList unknown = veltrin::unknownTopics(items, topics);
    if (unknown.isEmpty())
        return true;
    QTextStream(stderr) << "veltrin: the question bank " << bank << " has no topic "
                        << unknown.join(QStringLiteral(", "))
                        << "; its topics are: " << veltrin::bankTopics(items).join(QStringLiteral(", ")) << "\n";
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    veltrin::CommandLine line;
    const bool parsed = line.parse(arguments);
    bool unknownLanguage = false;
    const veltrin::Language language
        = veltrin::chooseLanguage(QLocale::system().uiLanguages(), line.language(), &unknownLanguage);
    // A --bank FILE needs no program folder to be found.
    const QString bankFile
        = line.bankFile().isEmpty() ? QString() : veltrin::locateBank({}, language, line.bankFile()).file;
    if (const int status = answerOnTheTerminal(argc, argv, line, parsed, bankFile); status >= 0)
        return status;
    if (line.printWanted())
        return printBank(argc, argv, line);
    if (line.progressWanted())
        return printProgress(argc, argv, line);

    QApplication app(argc, argv);
    nameTheApplication();
    QApplication::setApplicationName(QStringLiteral("Veltrin"));
    QApplication::setDesktopFileName(QStringLiteral("veltrin"));
    veltrin::showFocusFrames();

    if (unknownLanguage) {
        QTextStream(stderr) << "veltrin: no texts in the language \"" << line.language() << "\"; English it is\n";
    }
    veltrin::installTranslations(language);

    const QString folder = veltrin::programFolder();
    veltrin::SystemClock clock;
    veltrin::ClockSeededRandom random(clock);
    veltrin::LazySound sound([folder] { return veltrin::loadSoundModule(folder); });
    veltrin::QtMessageBox messageBox;
    veltrin::DesktopShell shell;
    veltrin::Services services {clock, random, sound, messageBox, shell, folder, [] { QCoreApplication::exit(0); }};
    services.language = language;
    services.bankFile = line.bankFile();

    std::optional<veltrin::Practice> practice;
    if (line.practiceWanted()) {
        if (!topicsKnown(line.topics(), services.bank().file))
            return kExitUsage;
        // The progress store itself is opened at the first Start.
        practice = veltrin::Practice {line.topics(), veltrin::ProgressStore::defaultDataFolder(),
            [](const QString& note) { QTextStream(stderr) << "veltrin: " << note << "\n"; }};
    }
    veltrin::ExamSession session(clock, random, services.bank().file, practice);
    veltrin::frmWelcome welcome(services, session);
    welcome.Form_Load();
    // The window icon, at its own sizes and twice the larger for screens that
    // scale, is given once the welcome window is up: decoding it is not worth
    // keeping the window waiting for.
    QTimer::singleShot(0, [] {
        QIcon icon;
        for (const int size : {16, 32, 64})
            icon.addFile(QStringLiteral(":/assets/icon-%1.png").arg(size), QSize(size, size));
        QApplication::setWindowIcon(icon);
    });
    return QApplication::exec();
}
