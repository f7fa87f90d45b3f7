// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>

namespace veltrin {

// Banks are plain text written on Windows in its Western code page
// (Windows-1252), or by newer editors in UTF-8. Each line is read as UTF-8 when
// its bytes are valid UTF-8 and as Windows-1252 otherwise: a Windows-1252 line
// with any character above 127 is almost never valid UTF-8, so the two cannot
// be mistaken for each other in practice, and a bank may even mix them.
QString decodeBankLine(const QByteArray& bytes);

bool isValidUtf8(const QByteArray& bytes);
QString fromWindows1252(const QByteArray& bytes);

// Removes a UTF-8 byte-order mark from the start of the file's first line.
void stripByteOrderMark(QByteArray& firstLine);

} // namespace veltrin
