// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Sound cues: the commands sent to the device, and the wave files it accepts.

#include "sound/LazyWavePlayer.h"
#include "sound/QtWavePlayer.h"
#include "sound/SoundCues.h"
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

TEST(SoundCues, PlayOpensRewindsAndPlaysFromTheProgramFolder)
{
    test::RecordingPlayer player;
    SoundCues cues(player, "/opt/veltrin");
    cues.playwav("\\skid1.wav");
    cues.closewav();
    cues.closewav(); // closing a closed device is harmless and still sent
    EXPECT_EQ(player.commands, (QStringList {"Open /opt/veltrin/skid1.wav", "Prev", "Play", "Close", "Close"}));

    test::RecordingPlayer rootPlayer;
    SoundCues atRoot(rootPlayer, "/");
    atRoot.playwav("\\siren.wav");
    EXPECT_EQ(rootPlayer.commands.first(), "Open //siren.wav") << "the path is passed on unchanged";
}

TEST(LazyWavePlayer, CommandsBeforeTheEventLoopWaitForIt)
{
    auto* recorder = new test::RecordingPlayer;
    int made = 0;
    LazyWavePlayer player([&] {
        ++made;
        return std::unique_ptr<WavePlayer>(recorder);
    });
    SoundCues cues(player, "/p");
    cues.playwav("\\carstart.wav");
    EXPECT_EQ(made, 0) << "nothing is loaded before the event loop runs";
    QCoreApplication::processEvents();
    EXPECT_EQ(made, 1);
    EXPECT_EQ(recorder->commands, (QStringList {"Open /p/carstart.wav", "Prev", "Play"}));
    cues.closewav();
    cues.playwav("\\skid1.wav");
    EXPECT_EQ(recorder->commands.mid(3), (QStringList {"Close", "Open /p/skid1.wav", "Prev", "Play"}))
        << "afterwards every command goes straight through";
    EXPECT_EQ(made, 1);
}

TEST(LazyWavePlayer, ASoundClosedBeforeItStartedIsNeverPlayed)
{
    auto* recorder = new test::RecordingPlayer;
    LazyWavePlayer player([&] { return std::unique_ptr<WavePlayer>(recorder); });
    SoundCues cues(player, "/p");
    cues.playwav("\\carstart.wav");
    cues.closewav(); // Continue pressed at once
    QCoreApplication::processEvents();
    EXPECT_TRUE(recorder->commands.isEmpty());
}

TEST(SoundModule, AMissingModuleIsNamedInOneLine)
{
    QTemporaryDir folder;
    testing::internal::CaptureStderr();
    const std::unique_ptr<WavePlayer> player = loadSoundModule(folder.path());
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(player, nullptr);
    EXPECT_NE(said.find("veltrin-sound"), std::string::npos) << said;
    EXPECT_NE(said.find(folder.path().toStdString()), std::string::npos) << "the folder it looked in: " << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

TEST(LazyWavePlayer, NoSoundModuleMeansSilence)
{
    LazyWavePlayer player([] { return std::unique_ptr<WavePlayer>(); });
    player.open("/p/carstart.wav");
    player.rewind();
    player.play();
    QCoreApplication::processEvents();
    player.close();
    player.open("/p/siren.wav");
    player.play();
    SUCCEED() << "no crash, no message";
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

TEST(QtWavePlayer, MissingOrUnplayableFilesAreSilent)
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
    QtWavePlayer player;
    for (const QString& name :
        {QString("missing.wav"), QString("notaudio.wav"), QString("header-only.wav"), QString("huge.wav"), QString()}) {
        player.open(folder.path() + "/" + name);
        player.rewind();
        player.play();
        player.close();
    }
    player.close();
    SUCCEED() << "no message, no crash";
}

} // namespace
} // namespace veltrin

int main(int argc, char** argv)
{
    // The player needs an application object for its audio devices.
    QCoreApplication app(argc, argv);
    veltrin::QtWavePlayer::quietBackendWarnings();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
