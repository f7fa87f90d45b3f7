// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sound/QtSound.h"

#include "platform/ProgramFolder.h"
#include "sound/WaveFile.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QLoggingCategory>
#include <QMediaDevices>

#include <utility>

namespace veltrin {

namespace {

QAudioFormat::SampleFormat sampleFormat(WaveSound::Sample sample)
{
    switch (sample) {
    case WaveSound::Sample::UInt8: return QAudioFormat::UInt8;
    case WaveSound::Sample::Int16: return QAudioFormat::Int16;
    case WaveSound::Sample::Int32: return QAudioFormat::Int32;
    case WaveSound::Sample::Float: return QAudioFormat::Float;
    }
    return QAudioFormat::Unknown;
}

} // namespace

QtSound::QtSound(QString folder)
    : m_folder(std::move(folder))
{ }

QtSound::~QtSound()
{
    stop();
}

void QtSound::quietBackendWarnings()
{
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false\nqt.multimedia*.warning=false"));
}

void QtSound::play(Cue cue)
{
    playFile(programPath(m_folder, cueFile(cue)));
}

void QtSound::playFile(const QString& path)
{
    stop();
    const std::optional<WaveSound> sound = readWaveFile(path);
    if (!sound)
        return;

    QAudioFormat format;
    format.setSampleFormat(sampleFormat(sound->sample));
    format.setChannelCount(sound->channels);
    format.setSampleRate(sound->sampleRate);

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(format))
        return;

    m_samples = sound->data;
    m_buffer.setBuffer(&m_samples);
    m_buffer.open(QIODevice::ReadOnly);
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->start(&m_buffer);
}

bool QtSound::isSounding() const
{
    return m_sink != nullptr;
}

void QtSound::stop()
{
    if (m_sink) {
        m_sink->stop();
        m_sink.reset();
    }
    if (m_buffer.isOpen())
        m_buffer.close();
    m_buffer.setData(QByteArray());
    m_samples.clear();
}

} // namespace veltrin
