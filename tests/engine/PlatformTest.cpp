// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Our stand-ins for the platform: time of day, random source, program paths.

#include "engine/BankLocation.h"
#include "platform/Clock.h"
#include "platform/Language.h"
#include "platform/ProgramFolder.h"
#include "platform/Random.h"
#include "support/Fakes.h"
#include "support/TestBank.h"

#include <QDir>

#include <gtest/gtest.h>

namespace veltrin {
namespace {

TEST(Clock, TimeOfDayLiesWithinTheDay)
{
    SystemClock clock;
    const float t = clock.timeOfDay();
    EXPECT_GE(t, 0.0F);
    EXPECT_LT(t, kSecondsPerDay);
    EXPECT_GE(secondsBetween(t, clock.timeOfDay()), 0.0F) << "it never runs backwards";
}

TEST(Clock, SecondsBetweenCrossesMidnight)
{
    EXPECT_FLOAT_EQ(secondsBetween(100.0F, 160.5F), 60.5F);
    EXPECT_FLOAT_EQ(secondsBetween(86340.0F, 60.0F), 120.0F);
}

TEST(Random, UniformOnZeroToOne)
{
    test::FakeClock clock;
    clock.now = 1234.5F;
    ClockSeededRandom random(clock);
    double sum = 0;
    for (int i = 0; i < 20000; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0F);
        ASSERT_LT(r, 1.0F);
        sum += r;
    }
    EXPECT_NEAR(sum / 20000, 0.5, 0.02);
}

TEST(Random, EachSeedingStartsANewSequence)
{
    test::FakeClock clock;
    clock.now = 50.0F;
    ClockSeededRandom random(clock);
    const float first = random.next();
    random.seedFromClock(); // same time of day, a later window
    EXPECT_NE(random.next(), first);
}

TEST(ProgramPath, JoinsFolderAndNameUnchanged)
{
#ifdef Q_OS_WIN
    EXPECT_EQ(programPath("C:\\", "\\carstart.wav"), "C:\\\\carstart.wav");
#else
    EXPECT_EQ(programPath("/opt/veltrin", "\\veltrin.dll"), "/opt/veltrin/veltrin.dll");
    EXPECT_EQ(programPath("/", "\\carstart.wav"), "//carstart.wav") << "a root folder gives two separators";
    EXPECT_EQ(programPath("/opt/v", "\\pictures\\stop.png"), "/opt/v/pictures/stop.png");
    EXPECT_EQ(programPath("/home/a\\b/veltrin", "\\veltrin.dll"), "/home/a\\b/veltrin/veltrin.dll")
        << "a backslash in the folder's own name is part of that name";
#endif
}

TEST(Language, TheFirstOfTheUsersLanguagesThatWeHave)
{
    EXPECT_EQ(chooseLanguage({"es-US", "en-US"}, {}), Language::Spanish);
    EXPECT_EQ(chooseLanguage({"es_MX"}, {}), Language::Spanish);
    EXPECT_EQ(chooseLanguage({"en-US", "es-US"}, {}), Language::English) << "English comes first";
    EXPECT_EQ(chooseLanguage({"fr-FR", "es-ES", "en"}, {}), Language::Spanish) << "French we have not";
    EXPECT_EQ(chooseLanguage({"de-DE", "fr-FR"}, {}), Language::English) << "none we have";
    EXPECT_EQ(chooseLanguage({}, {}), Language::English);
    EXPECT_EQ(chooseLanguage({"C"}, {}), Language::English);
}

TEST(Language, LangOverridesAndAnUnknownOneFallsBackToEnglish)
{
    bool unknown = true;
    EXPECT_EQ(chooseLanguage({"es-US"}, "en", &unknown), Language::English);
    EXPECT_FALSE(unknown);
    EXPECT_EQ(chooseLanguage({"en-US"}, "es", &unknown), Language::Spanish);
    EXPECT_EQ(chooseLanguage({"en-US"}, "ES", &unknown), Language::Spanish);
    EXPECT_EQ(chooseLanguage({"es-US"}, "fr", &unknown), Language::English);
    EXPECT_TRUE(unknown) << "said, so the user knows why";
}

TEST(Language, EachLanguageHasItsBankAndGuide)
{
    EXPECT_EQ(bankName(Language::English), "\\veltrin.dll");
    EXPECT_EQ(bankName(Language::Spanish), "\\es\\veltrin.dll");
    EXPECT_EQ(guidePage(Language::Spanish), "guide/es/index.html");
#ifndef Q_OS_WIN
    EXPECT_EQ(programPath("/opt/v", bankName(Language::Spanish)), "/opt/v/es/veltrin.dll");
#endif
}

TEST(FindProgramFile, FindsBankPicturesAsWindowsWould)
{
    test::TestFolder folder;
    QDir(folder.path()).mkpath("Pictures/Signs");
    folder.writeFile("Pictures/Signs/Stop.png", "x");
    folder.writeFile("yield.PNG", "x");
    const QString stop = folder.path() + "/Pictures/Signs/Stop.png";
    EXPECT_EQ(findProgramFile(folder.path(), "Pictures/Signs/Stop.png"), stop);
    EXPECT_EQ(findProgramFile(folder.path(), "pictures\\signs\\STOP.png"), stop) << "backslashes, any letter case";
    EXPECT_EQ(findProgramFile(folder.path(), "Yield.png"), folder.path() + "/yield.PNG");
    EXPECT_EQ(findProgramFile(folder.path(), "pictures\\\\signs\\stop.png"), stop) << "doubled separators";
    EXPECT_EQ(findProgramFile(folder.path(), ".\\Yield.png"), folder.path() + "/yield.PNG");
}

TEST(FindProgramFile, NamesThatStayInsideTheFolderAreFound)
{
    // After the folder and its own separator, Windows reads a leading
    // separator and a ".." that stays inside the folder as naming a file there.
    test::TestFolder folder;
    QDir(folder.path()).mkpath("inner/deeper");
    folder.writeFile("inner/a.png", "x");
    folder.writeFile("b.png", "x");
    EXPECT_EQ(findProgramFile(folder.path(), "\\b.png"), folder.path() + "/b.png");
    EXPECT_EQ(findProgramFile(folder.path(), "/b.png"), folder.path() + "/b.png");
    EXPECT_EQ(findProgramFile(folder.path(), "inner\\..\\b.png"), folder.path() + "/b.png");
    EXPECT_EQ(findProgramFile(folder.path(), "inner\\deeper\\..\\A.PNG"), folder.path() + "/inner/a.png");
}

TEST(FindProgramFile, NamesThatLeaveTheFolderFindNothing)
{
    // The program folder inside another, which holds a real, readable file:
    // a name that climbs out of the program folder must not reach it.
    test::TestFolder outside;
    QDir(outside.path()).mkpath("prog/inner");
    outside.writeFile("secret.png", "x");
    outside.writeFile("prog/inner/a.png", "x");
    outside.writeFile("prog/b.png", "x");
    const QString folder = outside.path() + "/prog";
    for (const char* name : {"", "missing.png", "inner", "inner\\", "..\\secret.png", "inner\\..\\..\\secret.png",
             "../secret.png", "..\\prog\\b.png", "/etc/passwd", "\\etc\\passwd", "C:\\Windows\\win.ini", "c:b.png",
             "\\\\server\\share\\b.png", "//server/share/b.png", "..", "inner\\.."})
        EXPECT_TRUE(findProgramFile(folder, name).isEmpty()) << name;
    EXPECT_TRUE(findBankPicture(folder, "..\\secret.png").isEmpty());
    // A NUL is never part of a file name: it finds nothing, without Qt's
    // complaint about a broken file name on the user's terminal.
    static QStringList warnings;
    const QtMessageHandler previous
        = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { warnings << text; });
    EXPECT_TRUE(findProgramFile(folder, QString::fromLatin1("b.png\0.txt", 9)).isEmpty());
    qInstallMessageHandler(previous);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(' ').toStdString();
}

} // namespace
} // namespace veltrin
