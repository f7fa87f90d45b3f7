// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace veltrin {

// The program's command line: --help, --version and --bank FILE, beside the
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

    // Why the bank FILE cannot be used, or empty when it can be read.
    QString bankProblem() const;

    // Needs the application object (for the program's name).
    QString helpText() const { return m_parser.helpText(); }

private:
    QCommandLineParser m_parser;
    QString m_bankFile;
    QString m_error;
};

} // namespace veltrin
