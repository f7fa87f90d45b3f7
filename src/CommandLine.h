// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace veltrin {

// The program's command line: --help, --version, --lang, --bank FILE,
// --practice and --topic, the printing options, beside the
// options Qt itself takes (-platform, -style, ...), which are left to Qt.
// It is read before any window is made, so that a wrong command line is
// answered on the terminal, without a display.
class CommandLine {
public:
    CommandLine();

    // Reads the arguments (the program's name first). False when they cannot
    // be understood; error() says why.
    bool parse(const QStringList& arguments);
    QString error() const { return m_error; }

    bool helpWanted() const
    {
        return m_parser.isSet(QStringLiteral("help")) || m_parser.isSet(QStringLiteral("help-all"));
    }
    bool versionWanted() const { return m_parser.isSet(QStringLiteral("version")); }

    // The language --lang names ("en", "es"), or empty.
    QString language() const { return m_parser.value(QStringLiteral("lang")); }

    // The bank FILE of --bank, made absolute, or empty.
    QString bankFile() const { return m_bankFile; }
    // The PDF files --print-questions and --print-key name, or empty. With
    // either, the program prints and ends without a window.
    QString printQuestionsFile() const { return m_parser.value(QStringLiteral("print-questions")); }
    QString printKeyFile() const { return m_parser.value(QStringLiteral("print-key")); }
    bool printWanted() const { return !printQuestionsFile().isEmpty() || !printKeyFile().isEmpty(); }
    // --progress: where the learner stands on the bank, printed on the
    // terminal, without a window.
    bool progressWanted() const { return m_parser.isSet(QStringLiteral("progress")); }

    // --practice: practice rounds instead of the exam. --topic NAME[,NAME...]
    // limits them to those topics of the bank.
    bool practiceWanted() const { return m_parser.isSet(QStringLiteral("practice")); }
    QStringList topics() const;

    // Why the bank at `path` cannot be used, or empty when it can be read.
    static QString bankProblem(const QString& path);

    // Needs the application object. The usage line names the program
    // "veltrin", whatever path started it.
    QString helpText() const;

private:
    QCommandLineParser m_parser;
    QString m_bankFile;
    QString m_error;
};

} // namespace veltrin
