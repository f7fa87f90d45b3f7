// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Which bank a language reads, with and without --bank, and where its
// pictures are found, through the real files of temporary folders.

#include "engine/BankLocation.h"
#include "support/TestBank.h"

#include <QDir>

#include <gtest/gtest.h>

namespace veltrin {
namespace {

using test::TestFolder;

TEST(BankLocation, SpanishTakesTheEsBankOnlyWhenThereIsOne)
{
    TestFolder program;
    program.writeBank(test::bank(20, 20));
    const QString english = program.path() + "/veltrin.dll";
    EXPECT_EQ(locateBank(program.path(), Language::Spanish).file, english)
        << "no es/veltrin.dll: the English bank, not a refusal";
    EXPECT_EQ(locateBank(program.path(), Language::Spanish).folder, program.path());

    QDir(program.path()).mkdir("es");
    program.writeFile("es/veltrin.dll", "20 Copyright\r\n");
    EXPECT_EQ(locateBank(program.path(), Language::Spanish).file, program.path() + "/es/veltrin.dll");
    EXPECT_EQ(locateBank(program.path(), Language::Spanish).folder, program.path() + "/es");
    EXPECT_EQ(locateBank(program.path(), Language::English).file, english);
}

TEST(BankLocation, BankOptionFindsAFolderLaidOutLikeTheProgramFolder)
{
    TestFolder program;
    TestFolder teacher;
    QDir(teacher.path()).mkpath("mybank/es");
    teacher.writeFile("mybank/class.dll", "20 Copyright\r\n");
    const QString file = teacher.path() + "/mybank/class.dll";
    EXPECT_EQ(locateBank(program.path(), Language::Spanish, file).file, file) << "no es/class.dll";

    teacher.writeFile("mybank/es/class.dll", "20 Copyright\r\n");
    EXPECT_EQ(locateBank(program.path(), Language::Spanish, file).file, teacher.path() + "/mybank/es/class.dll");
    EXPECT_EQ(locateBank(program.path(), Language::English, file).file, file);
    EXPECT_EQ(locateBank(program.path(), Language::English, file).folder, teacher.path() + "/mybank");
    const QString spanish = teacher.path() + "/mybank/es/class.dll";
    EXPECT_EQ(locateBank(program.path(), Language::Spanish, spanish).file, spanish) << "named itself";
}

TEST(BankLocation, ABankInEsFindsThePicturesOfTheFolderAbove)
{
    TestFolder teacher;
    QDir(teacher.path()).mkpath("pictures");
    QDir(teacher.path()).mkpath("es/pictures");
    QDir(teacher.path()).mkpath("other/pictures");
    teacher.writeFile("pictures/stop.png", "x");
    teacher.writeFile("pictures/yield.png", "x");
    teacher.writeFile("es/pictures/yield.png", "x");
    const QString es = teacher.path() + "/es";
    EXPECT_EQ(findBankPicture(es, "pictures\\stop.png"), teacher.path() + "/pictures/stop.png");
    EXPECT_EQ(findBankPicture(es, "pictures\\yield.png"), es + "/pictures/yield.png") << "its own first";
    EXPECT_TRUE(findBankPicture(teacher.path() + "/other", "pictures\\stop.png").isEmpty())
        << "only a folder named es looks above";
    EXPECT_TRUE(findBankPicture(es, "..\\pictures\\stop.png").isEmpty()) << "names still stay inside a folder";
}

} // namespace
} // namespace veltrin
