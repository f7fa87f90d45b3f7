// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CommandLine.h"

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
        QStringLiteral("Take the exam's questions from FILE, read afresh at every Start, and its pictures from "
                       "FILE's folder, instead of the program folder's veltrin.dll."),
        QStringLiteral("FILE")});

    m_parser.addOption({QStringLiteral("lang"),
        QStringLiteral("Show the program, its questions and its guide in LANGUAGE: en (English) or es (Spanish). "
                       "Without it, the system's language chooses."),
        QStringLiteral("LANGUAGE")});

    m_parser.addOption({QStringLiteral("print-questions"),
        QStringLiteral("Print the bank's questions, with their pictures and answers A to D, to the PDF file FILE "
                       "and end without opening a window. Goes with --bank and --lang."),
        QStringLiteral("FILE")});
    m_parser.addOption({QStringLiteral("print-key"),
        QStringLiteral("Print the bank's answer key (each question's right letter, and its reason where the bank "
                       "has one) to the PDF file FILE and end without opening a window."),
        QStringLiteral("FILE")});

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
    if (m_parser.isSet(kBank))
        m_bankFile = QFileInfo(m_parser.value(kBank)).absoluteFilePath();
    return true;
}

QString CommandLine::bankProblem() const
{
    if (m_bankFile.isEmpty())
        return {};
    const QFileInfo info(m_bankFile);
    if (!info.exists())
        return QStringLiteral("there is no such file");
    if (info.isDir())
        return QStringLiteral("it is a folder, not a file");
    QFile file(m_bankFile);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    return {};
}

} // namespace veltrin
