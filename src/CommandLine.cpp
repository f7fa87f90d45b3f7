// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"

#include "engine/BankRules.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace veltrin {

namespace {

const QString kBank = QStringLiteral("bank");

} // namespace

CommandLine::CommandLine()
{
    // Qt's options are single words after one dash ("-platform xcb").
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.setApplicationDescription(
        QStringLiteral("Veltrin's Test: a timed practice exam on the rules of driving in the United States."));
    m_parser.addHelpOption();
    m_parser.addVersionOption();
    m_parser.addOption({kBank,
        QStringLiteral("Take the exam's questions from FILE, read afresh at every Start, instead of the program "
                       "folder's veltrin.dll. In Spanish, es/FILE beside it is taken when there is one (a folder "
                       "laid out like the program folder: veltrin.dll, es/veltrin.dll, pictures/). Pictures are "
                       "looked up in the bank's folder, and for a bank in es/ in the folder above."),
        QStringLiteral("FILE")});

    m_parser.addOption({QStringLiteral("lang"),
        QStringLiteral("Show the program, its questions and its guide in LANGUAGE: en (English) or es (Spanish). "
                       "Without it, the system's language chooses. Without a Spanish bank, the questions stay "
                       "in English."),
        QStringLiteral("LANGUAGE")});

    m_parser.addOption({QStringLiteral("practice"),
        QStringLiteral("Practice instead of taking the exam: rounds of up to 20 questions with no time limit, your "
                       "open mistakes first, then questions you have not seen; after each answer, the reason why "
                       "the right answer is right. Your progress is kept for each bank in your data folder.")});
    m_parser.addOption({QStringLiteral("topic"),
        QStringLiteral("With --practice, draw only from the topics NAMES, separated by commas (the first field of "
                       "each question's Q. line, for example signs,parking). An unknown topic lists the bank's "
                       "topics."),
        QStringLiteral("NAMES")});

    m_parser.addOption({QStringLiteral("print-questions"),
        QStringLiteral("Print the bank's questions, with their pictures and answers A to D, to the PDF file FILE "
                       "and end without opening a window. Goes with --bank and --lang."),
        QStringLiteral("FILE")});
    m_parser.addOption({QStringLiteral("print-key"),
        QStringLiteral("Print the bank's answer key (each question's right letter, and its reason where the bank "
                       "has one) to the PDF file FILE and end without opening a window."),
        QStringLiteral("FILE")});

    m_parser.addOption({QStringLiteral("progress"),
        QStringLiteral("Print where you stand in practice on the bank, topic by topic (questions seen, known, "
                       "open mistakes, out of the topic's questions), and end without opening a window. Goes "
                       "with --bank and --lang.")});

    // Qt's own options: known here so that they are not refused, and left for
    // Qt to act on.
    for (const char* name : {"platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
             "qwindowicon", "qwindowtitle", "session", "display", "geometry", "style", "stylesheet", "qmljsdebugger",
             "name", "title", "visual", "fontengine"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(option);
    }
    for (const char* name : {"reverse", "widgetcount", "nograb", "dograb", "sync"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        m_parser.addOption(option);
    }
}

bool CommandLine::parse(const QStringList& arguments)
{
    if (!m_parser.parse(arguments)) {
        m_error = m_parser.errorText();
        return false;
    }
    if (!m_parser.positionalArguments().isEmpty()) {
        m_error = QStringLiteral("Unexpected argument '%1'.").arg(m_parser.positionalArguments().constFirst());
        return false;
    }
    if (m_parser.isSet(QStringLiteral("topic")) && !practiceWanted()) {
        m_error = QStringLiteral("--topic goes with --practice.");
        return false;
    }
    if (m_parser.isSet(QStringLiteral("topic")) && topics().isEmpty()) {
        m_error = QStringLiteral("--topic names no topic.");
        return false;
    }
    if (m_parser.isSet(kBank))
        m_bankFile = QFileInfo(m_parser.value(kBank)).absoluteFilePath();
    return true;
}

QStringList CommandLine::topics() const
{
    QStringList topics;
    for (const QString& value : m_parser.values(QStringLiteral("topic"))) {
        for (const QString& topic : value.split(QLatin1Char(','))) {
            if (!topic.trimmed().isEmpty())
                topics << topic.trimmed();
        }
    }
    return topics;
}

QString CommandLine::bankProblem(const QString& path)
{
    QFile file(path);
    if (QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly))
        return {};
    return bankrule::whyUnreadable(path, file.errorString());
}

QString CommandLine::helpText() const
{
    // The usage line names the program as its users type it, not the path
    // the launcher started it by ("/usr/bin/../lib/veltrin/veltrin").
    QString text = m_parser.helpText();
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    if (!arguments.isEmpty() && lineEnd > 0) {
        const qsizetype at = text.left(lineEnd).indexOf(arguments.constFirst());
        if (at >= 0)
            text.replace(at, arguments.constFirst().size(), QStringLiteral("veltrin"));
    }
    return text;
}

} // namespace veltrin
