// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Sound cues: what reaches the device, and the wave files it accepts.

#include "sound/LazySound.h"
#include "sound/QtSound.h"
#include "sound/SoundModule.h"
#include "sound/WaveFile.h"
#include "support/Recorders.h"
#include "support/TestBank.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace veltrin {
namespace {

QByteArray le16(quint16 v)
{
    QByteArray b(2, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray le32(quint32 v)
{
    QByteArray b(4, '\0');
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray chunk(const char* id, const QByteArray& body)
{
    QByteArray c = QByteArray(id, 4) + le32(static_cast<quint32>(body.size())) + body;
    if (body.size() % 2 != 0)
        c += '\0';
    return c;
}

QByteArray fmt(quint16 format, quint16 channels, quint32 rate, quint16 bits)
{
    const quint16 block = static_cast<quint16>(channels * bits / 8);
    return chunk("fmt ", le16(format) + le16(channels) + le32(rate) + le32(rate * block) + le16(block) + le16(bits));
}

QByteArray wave(const QByteArray& chunks)
{
    return "RIFF" + le32(static_cast<quint32>(chunks.size() + 4)) + "WAVE" + chunks;
}

// Collects what Qt's message handler is told while it lives.
struct QtMessages {
    QtMessages() { previous = qInstallMessageHandler(&QtMessages::record); }
    ~QtMessages() { qInstallMessageHandler(previous); }
    QtMessages(const QtMessages&) = delete;
    QtMessages& operator=(const QtMessages&) = delete;

    static void record(QtMsgType, const QMessageLogContext&, const QString& text) { said() << text; }
    static QStringList& said()
    {
        static QStringList texts;
        return texts;
    }
    QtMessageHandler previous = nullptr;
};

TEST(Sound, EachCueHasItsWaveFileInTheProgramFolder)
{
    EXPECT_EQ(cueFile(Cue::CarStart), "\\carstart.wav");
    EXPECT_EQ(cueFile(Cue::Skid), "\\skid1.wav");
    EXPECT_EQ(cueFile(Cue::Siren), "\\siren.wav");
    EXPECT_EQ(cueFile(Cue::Failed), "\\skidbump.wav");
    EXPECT_EQ(cueFile(Cue::Passed), "\\honkyea.wav");
}

TEST(LazySound, ACueBeforeTheEventLoopWaitsForIt)
{
    auto* recorder = new test::RecordingSound;
    int made = 0;
    LazySound sound([&] {
        ++made;
        return std::unique_ptr<Sound>(recorder);
    });
    sound.play(Cue::CarStart);
    EXPECT_EQ(made, 0) << "nothing is loaded before the event loop runs";
    QCoreApplication::processEvents();
    EXPECT_EQ(made, 1);
    EXPECT_EQ(recorder->commands, QStringList {"Play carstart.wav"});
    sound.stop();
    sound.play(Cue::Skid);
    EXPECT_EQ(recorder->commands.mid(1), (QStringList {"Stop", "Play skid1.wav"}))
        << "afterwards every call goes straight through";
    EXPECT_EQ(made, 1);
}

TEST(LazySound, ACueStoppedBeforeItStartedIsNeverPlayed)
{
    auto* recorder = new test::RecordingSound;
    LazySound sound([&] { return std::unique_ptr<Sound>(recorder); });
    sound.play(Cue::CarStart);
    sound.stop(); // Continue pressed at once
    QCoreApplication::processEvents();
    EXPECT_TRUE(recorder->commands.isEmpty());
}

TEST(SoundModule, AMissingModuleIsNamedInOneLine)
{
    QTemporaryDir folder;
    testing::internal::CaptureStderr();
    const std::unique_ptr<Sound> player = loadSoundModule(folder.path());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(player, nullptr);
    EXPECT_NE(said.find("veltrin-sound"), std::string::npos) << said;
    EXPECT_NE(said.find(folder.path().toStdString()), std::string::npos) << "the folder it looked in: " << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

TEST(LazySound, NoSoundModuleMeansSilenceWithoutAWord)
{
    const QtMessages messages;
    QtMessages::said().clear();
    int made = 0;
    LazySound sound([&] {
        ++made;
        return std::unique_ptr<Sound>();
    });
    testing::internal::CaptureStderr();
    sound.play(Cue::CarStart);
    QCoreApplication::processEvents();
    sound.stop();
    sound.play(Cue::Siren);
    sound.stop();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(QtMessages::said().isEmpty()) << QtMessages::said().join('\n').toStdString();
    EXPECT_EQ(made, 1) << "no second attempt to load, and so no second message, for each cue";
}

TEST(WaveFile, ReadsPcmAndFloatWaves)
{
    const QByteArray samples(400, '\x10');
    auto sound = parseWave(wave(fmt(1, 1, 22050, 16) + chunk("data", samples)));
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->sample, WaveSound::Sample::Int16);
    EXPECT_EQ(sound->channels, 1);
    EXPECT_EQ(sound->sampleRate, 22050);
    EXPECT_EQ(sound->data.size(), 400);
    EXPECT_NEAR(sound->seconds(), 200.0 / 22050, 1e-9);

    sound = parseWave(wave(fmt(1, 2, 8000, 8) + chunk("LIST", "abc") + chunk("data", samples)));
    ASSERT_TRUE(sound) << "unknown chunks, odd lengths padded";
    EXPECT_EQ(sound->sample, WaveSound::Sample::UInt8);

    sound = parseWave(wave(fmt(3, 1, 44100, 32) + chunk("data", samples)));
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->sample, WaveSound::Sample::Float);

    // A data length that runs past the end of the file: what is there plays.
    QByteArray streamed = wave(fmt(1, 1, 22050, 16) + "data" + le32(1000000) + samples);
    sound = parseWave(streamed);
    ASSERT_TRUE(sound);
    EXPECT_EQ(sound->data.size(), 400);
}

TEST(WaveFile, RefusesWhatIsNotAPlayableWave)
{
    const QByteArray samples(400, '\x10');
    EXPECT_FALSE(parseWave("")) << "empty";
    EXPECT_FALSE(parseWave("This is a text file, not a sound.")) << "not RIFF";
    EXPECT_FALSE(parseWave(wave(chunk("data", samples)))) << "no format";
    EXPECT_FALSE(parseWave(wave(fmt(1, 1, 22050, 16)))) << "no samples";
    EXPECT_FALSE(parseWave(wave(fmt(2, 1, 22050, 4) + chunk("data", samples)))) << "compressed";
    EXPECT_FALSE(parseWave(wave(fmt(1, 0, 22050, 16) + chunk("data", samples)))) << "no channels";
    EXPECT_FALSE(parseWave(wave(fmt(1, 1, 0, 16) + chunk("data", samples)))) << "no sample rate";
    EXPECT_FALSE(parseWave(wave(fmt(1, 1, 22050, 24) + chunk("data", samples)))) << "24-bit";
    QByteArray cut = wave(fmt(1, 1, 22050, 16));
    cut.chop(6);
    EXPECT_FALSE(parseWave(cut + chunk("data", samples))) << "format chunk cut short";
    EXPECT_FALSE(parseWave(wave("fmt " + le32(0xFFFFFFF0U)))) << "lengths beyond the file";
}

TEST(QtSound, MissingOrUnplayableFilesAreSilentWithoutAWord)
{
    test::TestFolder folder;
    folder.writeFile("notaudio.wav", "plain text");
    folder.writeFile("header-only.wav", wave(fmt(1, 1, 22050, 16)));
    {
        // Larger than any cue: refused without being read.
        QFile huge(folder.path() + "/huge.wav");
        ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
        huge.write(wave(fmt(1, 1, 22050, 16) + "data" + le32(0xFFFFFFF0U)));
        ASSERT_TRUE(huge.resize(kMaxWaveBytes + 1));
    }
    const QtMessages messages;
    QtMessages::said().clear();
    testing::internal::CaptureStderr();
    QtSound sound(folder.path());
    for (const QString& name :
        {QString("missing.wav"), QString("notaudio.wav"), QString("header-only.wav"), QString("huge.wav"), QString()}) {
        EXPECT_FALSE(readWaveFile(folder.path() + "/" + name)) << name.toStdString();
        sound.playFile(folder.path() + "/" + name);
        EXPECT_FALSE(sound.isSounding()) << name.toStdString();
        sound.stop();
    }
    sound.play(Cue::Passed); // no wave files in this folder at all
    EXPECT_FALSE(sound.isSounding());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(QtMessages::said().isEmpty()) << QtMessages::said().join('\n').toStdString();
}

} // namespace
} // namespace veltrin

int main(int argc, char** argv)
{
    // The player needs an application object for its audio devices.
    QCoreApplication app(argc, argv);
    veltrin::QtSound::quietBackendWarnings();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
