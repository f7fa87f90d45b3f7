// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whatever files the program is given, an exam either starts normally or the
// bank is refused with "Invalid database file." and a reason, within a second,
// and nothing crashes.

#include "support/WindowHarness.h"
#include "windows/frmDrive1.h"
#include "windows/frmWelcome.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QtEndian>

#include <gtest/gtest.h>

namespace veltrin {
namespace {

using test::ProgramUnderTest;

enum class Outcome { Exam, Refused };

// Presses Start on the program's bank and says how it ended, checking that a
// refusal gives its reason and closes the exam window. (How long such files
// take is measured in bench/, not here.)
Outcome start(ProgramUnderTest& program)
{
    program.startExam();
    if (!program.messageBox.texts.isEmpty()) {
        EXPECT_EQ(program.messageBox.texts.last(), "Invalid database file.");
        EXPECT_FALSE(program.messageBox.details.last().isEmpty());
        EXPECT_EQ(program.drive(), nullptr);
        return Outcome::Refused;
    }
    EXPECT_NE(program.drive(), nullptr);
    if (program.drive() != nullptr) {
        EXPECT_EQ(program.exam().lblQno->text(), "1");
    }
    return Outcome::Exam;
}

QByteArray bankBytes(const QStringList& lines)
{
    return lines.join("\r\n").toUtf8() + "\r\n";
}

TEST(HostileFiles, LinesOfSeveralMegabytes)
{
    {
        ProgramUnderTest program;
        QStringList lines = test::bank(20, 20);
        lines[lines.indexOf("Question 3")] = QString(5 * 1024 * 1024, QLatin1Char('x'));
        program.folder.writeBank(lines);
        EXPECT_EQ(start(program), Outcome::Refused);
        EXPECT_TRUE(program.messageBox.details.last().contains("longer than"));
    }
    {
        // The whole file is read, past the last wanted record, and refused
        // at the overlong line.
        ProgramUnderTest program;
        program.folder.writeBankBytes(bankBytes(test::bank(20, 20)) + QByteArray(8 * 1024 * 1024, 'y'));
        EXPECT_EQ(start(program), Outcome::Refused);
        EXPECT_TRUE(program.messageBox.details.last().startsWith("Line 142: the line is longer than"))
            << program.messageBox.details.last().toStdString();
    }
}

TEST(HostileFiles, NulBytesAndInvalidUtf8)
{
    ProgramUnderTest program;
    QByteArray bytes = bankBytes(test::bank(20, 20));
    bytes.replace("Question 1", QByteArray("Ques\0tion \xff\xfe\xc3(", 15));
    bytes.replace("Answer 1a", QByteArray("\0\0\0", 3));
    bytes.replace("Q.t2/id2/1", QByteArray("Q.t2\0/id2/1", 11));
    program.folder.writeBankBytes(bytes);
    EXPECT_EQ(start(program), Outcome::Exam);
    EXPECT_TRUE(program.exam().txtText1->toPlainText().contains(QString::fromUtf8("\xc3\xbf\xc3\xbe")))
        << "bytes that are not UTF-8 are read as Windows-1252";
    program.answer(true);
    program.answer(true);
    EXPECT_EQ(program.exam().lblQno->text(), "3");
}

TEST(HostileFiles, AHeaderOf32767RecordsInAFileOfTen)
{
    ProgramUnderTest program;
    program.folder.writeBank(QStringList {"32767 Copyright"} + test::bank(0, 10).mid(1));
    EXPECT_EQ(start(program), Outcome::Refused);
    EXPECT_TRUE(program.messageBox.details.last().contains("after question 10"));
}

TEST(HostileFiles, PictureNamesThatLeaveTheFolder)
{
    ProgramUnderTest program;
    QDir(program.folder.path()).mkdir("afolder");
    QStringList lines = test::bank(20, 20);
    const char* names[] = {"..\\..\\etc\\passwd", "/etc/passwd", "afolder", "..", "C:\\Windows\\win.ini", "."};
    for (int n = 0; n < 6; ++n) {
        const QString q = QStringLiteral("Q.t%1/id%1/1").arg(n + 1);
        lines[lines.indexOf(q)] = q + "/" + names[n];
    }
    program.folder.writeBank(lines);
    EXPECT_EQ(start(program), Outcome::Exam);
    for (int n = 0; n < 6; ++n) {
        EXPECT_TRUE(program.exam().imgImage1->pixmap().isNull()) << names[n];
        EXPECT_TRUE(program.exam().imgImage1->text().contains("cannot be shown")) << names[n];
        program.answer(true);
    }
}

TEST(HostileFiles, PicturesThatAreNotImagesOrAreHuge)
{
    ProgramUnderTest program;
    program.folder.writeFile("text.png", "This is not a picture.");
    // A bitmap header that claims 60000 x 60000 pixels.
    QByteArray claim(54, '\0');
    claim[0] = 'B';
    claim[1] = 'M';
    qToLittleEndian<quint32>(54, claim.data() + 10);
    qToLittleEndian<quint32>(40, claim.data() + 14);
    qToLittleEndian<qint32>(60000, claim.data() + 18);
    qToLittleEndian<qint32>(60000, claim.data() + 22);
    qToLittleEndian<quint16>(1, claim.data() + 26);
    qToLittleEndian<quint16>(24, claim.data() + 28);
    program.folder.writeFile("claims.bmp", claim);
    // A real ten-megabyte bitmap.
    QImage big(1870, 1870, QImage::Format_RGB888);
    big.fill(Qt::darkGreen);
    ASSERT_TRUE(big.save(program.folder.path() + "/big.bmp", "BMP"));
    ASSERT_GT(QFile(program.folder.path() + "/big.bmp").size(), 10'000'000);

    QStringList lines = test::bank(20, 20);
    lines[lines.indexOf("Q.t1/id1/1")] = "Q.t1/id1/1/text.png";
    lines[lines.indexOf("Q.t2/id2/1")] = "Q.t2/id2/1/claims.bmp";
    lines[lines.indexOf("Q.t3/id3/1")] = "Q.t3/id3/1/big.bmp";
    program.folder.writeBank(lines);
    EXPECT_EQ(start(program), Outcome::Exam);
    EXPECT_TRUE(program.exam().imgImage1->text().contains("text.png"));
    program.answer(true);
    EXPECT_TRUE(program.exam().imgImage1->text().contains("claims.bmp"));
    program.answer(true);
    EXPECT_EQ(program.exam().imgImage1->size(), QSize(1870, 1870)) << "shown at its own size";
}

TEST(HostileFiles, EmptyAndBinaryBanks)
{
    for (const QByteArray& bytes :
        {QByteArray(), QByteArray("\r\n\r\n\r\n"), QByteArray(4096, '\0'), QByteArray("\xff\xfe\x32\x00\x30\x00", 6)}) {
        ProgramUnderTest program;
        program.folder.writeBankBytes(bytes);
        EXPECT_EQ(start(program), Outcome::Refused) << bytes.size();
    }
    ProgramUnderTest program;
    program.folder.writeBankBytes(QByteArray("\xff\xfe\x32\x00\x30\x00\x20\x00", 8));
    start(program);
    EXPECT_TRUE(program.messageBox.details.last().contains("UTF-16")) << "the author learns how to mend it";
}

} // namespace
} // namespace veltrin
