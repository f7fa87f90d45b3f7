// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/LineSource.h"

#include <algorithm>
#include <cstring>

namespace veltrin {

namespace {
constexpr qint64 kChunk = qint64 {64} * 1024;
}

bool LineSource::open(const QString& path)
{
    close();
    m_file.setFileName(path);
    // Unbuffered: this class keeps its own buffer, one copy is enough.
    return m_file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void LineSource::close()
{
    if (m_file.isOpen())
        m_file.close();
    m_buffer.clear();
    m_pos = 0;
    m_eof = false;
    m_lineNumber = 0;
}

bool LineSource::fill()
{
    if (m_eof)
        return false;
    if (m_pos > 0) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
    const qsizetype old = m_buffer.size();
    m_buffer.resize(old + kChunk);
    const qint64 got = m_file.read(m_buffer.data() + old, kChunk);
    if (got <= 0) {
        m_buffer.resize(old);
        m_eof = true;
        return false;
    }
    m_buffer.resize(old + got);
    return true;
}

LineSource::Status LineSource::readLine(QByteArrayView& line)
{
    ++m_lineNumber;
    qsizetype scanned = 0; // bytes after m_pos already searched for a line feed
    for (;;) {
        const char* begin = m_buffer.constData() + m_pos;
        const qsizetype available = m_buffer.size() - m_pos;
        const void* nl = available > scanned
            ? std::memchr(begin + scanned, '\n', static_cast<size_t>(available - scanned))
            : nullptr;
        if (nl != nullptr || !fill()) {
            if (nl == nullptr && m_file.error() != QFileDevice::NoError)
                return Status::ReadError;
            // Either a terminated line or the file's last, unterminated one;
            // fill() may have moved the buffer, so take its start afresh.
            begin = m_buffer.constData() + m_pos;
            qsizetype length = nl != nullptr ? static_cast<const char*>(nl) - begin : m_buffer.size() - m_pos;
            const qsizetype next = m_pos + length + (nl != nullptr ? 1 : 0);
            if (length > 0 && begin[length - 1] == '\r')
                --length;
            if (length > kMaxLineBytes)
                return Status::TooLong;
            line = QByteArrayView(begin, length);
            m_pos = next;
            return Status::Line;
        }
        scanned = available;
        if (scanned > kMaxLineBytes + 1)
            return Status::TooLong;
    }
}

QByteArrayView LineSource::peek(qsizetype n)
{
    if (m_buffer.size() - m_pos < n)
        fill();
    return {m_buffer.constData() + m_pos, std::min(n, m_buffer.size() - m_pos)};
}

bool LineSource::atEnd()
{
    if (m_pos < m_buffer.size())
        return false;
    return !fill();
}

} // namespace veltrin
