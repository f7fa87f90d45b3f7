// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

namespace veltrin {

// Reads a text file one line at a time, the way the bank is read: lines end in
// CR LF or LF, the terminator is not part of the line, and after each line the
// reader knows whether it was the file's last. Only the current line and one
// buffer of the file are ever in memory.
class LineSource {
public:
    // Lines longer than this many bytes are refused rather than held.
    static constexpr qsizetype kMaxLineBytes = qsizetype {64} * 1024;

    enum class Status { Line, TooLong, ReadError };

    bool open(const QString& path);
    void close();
    bool isOpen() const { return m_file.isOpen(); }
    QString errorString() const { return m_file.errorString(); }

    // Reads the next line (raw bytes, terminator removed). The view is valid
    // until the next call of readLine or atEnd. Must not be called once
    // atEnd() is true.
    Status readLine(QByteArrayView& line);

    // The file's next bytes, up to `n`, without taking them: a look at the
    // file's start before its first line is read. The view is valid until the
    // next call of readLine, atEnd or peek.
    QByteArrayView peek(qsizetype n);

    // True once the last line of the file has been read.
    bool atEnd();

    // Number of the line last read; the first line of the file is line 1.
    qint64 lineNumber() const { return m_lineNumber; }

private:
    bool fill();

    QFile m_file;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_eof = false;
    qint64 m_lineNumber = 0;
};

} // namespace veltrin
