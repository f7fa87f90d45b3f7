// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The bank checker finds what the program would refuse and what an author
// should mend, each at its line.

#include "BankCheck.h"
#include "engine/BankReader.h"
#include "engine/Exam.h"
#include "engine/Reasons.h"
#include "support/Fakes.h"
#include "support/TestBank.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>

namespace veltrin {
namespace {

using test::TestFolder;

BankReport check(const TestFolder& folder)
{
    return checkBank(folder.path() + "/veltrin.dll", folder.path());
}

// The finding at `line`, or an empty one.
Finding at(const BankReport& report, qint64 line)
{
    for (const Finding& f : report.findings) {
        if (f.line == line)
            return f;
    }
    return {};
}

bool has(const BankReport& report, Finding::Severity severity, qint64 line, const QString& words)
{
    for (const Finding& f : report.findings) {
        if (f.line == line && f.severity == severity && f.message.contains(words))
            return true;
    }
    return false;
}

constexpr auto kError = Finding::Severity::Error;
constexpr auto kWarning = Finding::Severity::Warning;

TEST(BankCheck, ASoundBankHasNothingToSay)
{
    TestFolder folder;
    folder.writeBank(test::bank(20, 20));
    const BankReport report = check(folder);
    EXPECT_TRUE(report.findings.empty()) << report.findings.front().message.toStdString();
    EXPECT_EQ(report.stats.records, 20);
    EXPECT_EQ(report.stats.rightAnswers[0], 20);
}

TEST(BankCheck, ReportsWhatTheProgramWouldRefuse)
{
    QStringList lines = test::bank(22, 20);
    lines[lines.indexOf("Q.t2/id2/1")] = "Q.t2-id2";   // line 9
    lines[lines.indexOf("Q.t3/id3/1")] = "Q.t3/id3/7"; // line 16
    lines.removeAt(lines.indexOf("Q.t6/id6/1") - 1);   // question 5 runs into 6
    TestFolder folder;
    folder.writeBank(lines);
    const BankReport report = check(folder);
    EXPECT_TRUE(has(report, kError, 9, "fewer than two")) << at(report, 9).message.toStdString();
    EXPECT_TRUE(has(report, kError, 16, "from 1 to 4")) << at(report, 16).message.toStdString();
    const qint64 sixth = lines.indexOf("Q.t6/id6/1") + 1;
    EXPECT_TRUE(has(report, kError, sixth, "question 5 cannot be read")) << at(report, sixth).message.toStdString();
    EXPECT_TRUE(has(report, kError, 1, "declares 22")) << at(report, 1).message.toStdString();
    EXPECT_EQ(report.errors(), 4);

    TestFolder header;
    header.writeBank(QStringList {"19 Copyright"} + test::bank(0, 19).mid(1));
    const BankReport refused = check(header);
    EXPECT_TRUE(has(refused, kError, 1, "from 20 to 32767"));
}

TEST(BankCheck, WarnsWhatAnAuthorShouldMend)
{
    QStringList lines = test::bank(20, 21);
    lines.insert(1, "4. An answer before any question"); // line 2
    lines[lines.indexOf("Q.t1/id1/1")] = "Q.t1/id1/4";   // answer 4 present: fine
    const qsizetype third = lines.indexOf("Q.t3/id3/1");
    lines[third] = "Q.t3/id3/4"; // names an empty answer
    lines.removeAt(lines.indexOf("4. Answer 3d"));
    const qsizetype fourth = lines.indexOf("Q.t4/id4/1");
    lines.removeAt(lines.indexOf("Question 4"));       // no text
    lines[lines.indexOf("Question 6")] = "Question 5"; // repeats question 5
    const qsizetype sixth = lines.indexOf("Q.t6/id6/1");
    const qsizetype seventh = lines.indexOf("Q.t7/id7/1");
    lines[seventh] = "Q.t7/id7/1/nowhere.png";
    const qsizetype eighth = lines.indexOf("Q.t8/id8/1");
    lines[eighth] = "Q.t8/id8/1/big.png";
    const qsizetype ninth = lines.indexOf("Q.t9/id9/1");
    lines[ninth] = "Q.t9/id9/1/notapicture.png";
    TestFolder folder;
    folder.writeBank(lines);
    QImage(300, 120, QImage::Format_RGB32).save(folder.path() + "/big.png");
    folder.writeFile("notapicture.png", "text");

    const BankReport report = check(folder);
    EXPECT_EQ(report.errors(), 1);
    EXPECT_TRUE(has(report, kWarning, 2, "outside a question"));
    EXPECT_TRUE(has(report, kError, third + 1, "answer 4 is empty and the question shows no button D"))
        << "a question that can never be answered right is an error";
    EXPECT_TRUE(has(report, kWarning, fourth + 1, "no question text"));
    EXPECT_TRUE(has(report, kWarning, sixth + 1, "repeats question 5")) << at(report, sixth + 1).message.toStdString();
    EXPECT_TRUE(has(report, kWarning, seventh + 1, "is not in " + QDir::toNativeSeparators(folder.path()).toUtf8()))
        << at(report, seventh + 1).message.toStdString() << ": names the folder it looked in";
    EXPECT_TRUE(has(report, kWarning, eighth + 1, "300 x 120"));
    EXPECT_TRUE(has(report, kWarning, ninth + 1, "cannot be read as a picture"));
    EXPECT_TRUE(has(report, kWarning, 1, "never asked")) << "21 records, 20 declared";
}

TEST(BankCheck, SaysWhatTheProgramDoesSilently)
{
    QStringList lines = test::bank(20, 20);
    const qsizetype second = lines.indexOf("Question 2");
    lines.insert(second + 1, "A second text line that replaces the first");
    const qsizetype blank = lines.indexOf("Q.t5/id5/1") - 1;
    lines[blank] = " \t ";
    TestFolder folder;
    folder.writeBank(lines);
    const BankReport report = check(folder);
    EXPECT_TRUE(has(report, kWarning, second + 1, "only the last text line is shown, so this one is dropped"))
        << at(report, second + 1).message.toStdString();
    EXPECT_TRUE(has(report, kWarning, blank + 1, "holds only spaces or tabs"))
        << at(report, blank + 1).message.toStdString();
    EXPECT_TRUE(has(report, kError, blank + 2, "question 4 cannot be read")) << "the ran-on question is still an error";
}

TEST(BankCheck, WarnsOfGiveawaysAndOfTextsThatDoNotFit)
{
    QStringList lines = test::bank(20, 20);
    lines[lines.indexOf("1. Answer 1a")] = "1. Stop, look both ways, and go only when the way is clear"; // 58 against 9
    lines[lines.indexOf("1. Answer 2a")] = "1. Stop and go";                                             // not by far
    lines[lines.indexOf("2. Answer 3b")] = "2. " + QString("word ").repeated(28);                        // 3 lines
    lines[lines.indexOf("Question 4")] = QString("a question that goes on ").repeated(26);               // 11 lines
    TestFolder folder;
    folder.writeBank(lines);
    const BankReport report = check(folder);
    const qsizetype q1 = lines.indexOf("Q.t1/id1/1") + 1;
    EXPECT_TRUE(has(report, kWarning, q1, "gives it away")) << at(report, q1).message.toStdString();
    EXPECT_FALSE(has(report, kWarning, lines.indexOf("Q.t2/id2/1") + 1, "gives it away"));
    EXPECT_TRUE(has(report, kWarning, lines.indexOf("Q.t3/id3/1") + 1, "answer 2 is longer than its label shows"));
    EXPECT_TRUE(has(report, kWarning, lines.indexOf("Q.t4/id4/1") + 1, "longer than the question box shows"));
    EXPECT_EQ(report.errors(), 0);
    EXPECT_EQ(report.stats.rightLongest, 2) << "questions 1 and 2";
    EXPECT_EQ(report.stats.fourAnswer, 20);
}

TEST(BankCheck, KeyLengthAndWrapping)
{
    EXPECT_TRUE(keyLongByFar(QString(31, 'x'), 16)) << "31 > 24 and 31 >= 31";
    EXPECT_FALSE(keyLongByFar(QString(30, 'x'), 16)) << "only 14 longer";
    EXPECT_FALSE(keyLongByFar(QString(40, 'x'), 30)) << "not one and a half times";
    EXPECT_EQ(wrappedLines("", 10), 0);
    EXPECT_EQ(wrappedLines("aaaa bbbb", 9), 1);
    EXPECT_EQ(wrappedLines("aaaa bbbbb", 9), 2);
    EXPECT_EQ(wrappedLines(QString(25, 'x'), 10), 3) << "a long word takes lines of its own";
}

TEST(BankCheck, StatsCountTopicsAndPicturesNoQuestionUses)
{
    QStringList lines = test::bank(20, 20);
    lines[lines.indexOf("Q.t1/id1/1")] = "Q.signs/id1/1/pictures\\used.png";
    TestFolder folder;
    folder.writeBank(lines);
    QDir(folder.path()).mkdir("pictures");
    QImage(20, 20, QImage::Format_RGB32).save(folder.path() + "/pictures/Used.png");
    QImage(20, 20, QImage::Format_RGB32).save(folder.path() + "/pictures/spare.png");
    QDir(folder.path()).mkpath("example/pictures");
    folder.writeFile("example/veltrin.dll", "20 Copyright\r\n");
    QImage(20, 20, QImage::Format_RGB32).save(folder.path() + "/example/pictures/theirs.png");
    const BankReport report = check(folder);
    EXPECT_EQ(report.stats.topics.value("signs"), 1);
    EXPECT_EQ(report.stats.topics.value("t2"), 1);
    EXPECT_EQ(report.stats.unusedPictures, QStringList {"pictures/spare.png"});
}

TEST(BankCheck, AHeaderErrorSaysItStoppedThere)
{
    TestFolder folder;
    folder.writeBank(QStringList {"19 Copyright"} + test::bank(0, 19).mid(1));
    const BankReport report = check(folder);
    EXPECT_FALSE(report.stats.headerRead);
    ASSERT_EQ(report.findings.size(), 1U);
    EXPECT_EQ(report.findings[0].line, 1);
    EXPECT_FALSE(report.findings[0].message.startsWith("Line")) << "one place, given once";
}

TEST(BankCheck, TheShippedBankMeetsItsOwnBar)
{
    const BankReport report = checkBank(VELTRIN_SHIPPED_BANK, QFileInfo(VELTRIN_SHIPPED_BANK).absolutePath());
    EXPECT_EQ(report.errors(), 0);
    EXPECT_EQ(report.warnings(), 0);
    EXPECT_GE(report.stats.records, 520);
    for (const int n : report.stats.rightAnswers)
        EXPECT_LE(n * 100, report.stats.records * 30) << "no letter above 30%";
    EXPECT_LE(report.stats.rightLongest * 3, report.stats.fourAnswer) << "the key the longest in at most a third";
    EXPECT_TRUE(report.stats.unusedPictures.isEmpty()) << report.stats.unusedPictures.join(' ').toStdString();
    const QDir pictures(QFileInfo(VELTRIN_SHIPPED_BANK).absolutePath() + "/pictures");
    EXPECT_GE(pictures.entryList({"*.png"}, QDir::Files).size(), 160);
    for (const char* topic : {"alcohol", "licensing", "distraction", "workzones", "roundabouts", "freeway", "parking"})
        EXPECT_GE(report.stats.topics.value(topic), 15) << topic;
}

TEST(BankCheck, TheSpanishBankIsTheEnglishOneTranslated)
{
    const QString data = QFileInfo(VELTRIN_SHIPPED_BANK).absolutePath();
    const BankReport report = checkBank(data + "/es/veltrin.dll", data);
    EXPECT_EQ(report.errors(), 0);
    EXPECT_EQ(report.warnings(), 0) << "its answers fit their labels in Spanish too";
    EXPECT_LE(report.stats.rightLongest * 3, report.stats.fourAnswer);

    // Record by record: the same topic, id, right answer and picture.
    BankReader english;
    BankReader spanish;
    ASSERT_TRUE(english.openPath(VELTRIN_SHIPPED_BANK));
    ASSERT_TRUE(spanish.openPath(data + "/es/veltrin.dll"));
    EXPECT_EQ(english.count(), spanish.count());
    QList<QRecord> records;
    english.readRecords([&] {
        records << english.curq();
        return true;
    });
    int compared = 0;
    spanish.readRecords([&] {
        const QRecord es = spanish.curq();
        const QRecord& en = records.value(spanish.recno - 1);
        EXPECT_EQ(es.tag1, en.tag1) << es.tag2.toStdString();
        EXPECT_EQ(es.tag2, en.tag2);
        EXPECT_EQ(es.correct, en.correct) << es.tag2.toStdString();
        EXPECT_EQ(es.picture, en.picture) << es.tag2.toStdString();
        EXPECT_EQ(es.answer.at(3).isEmpty(), en.answer.at(3).isEmpty()) << es.tag2.toStdString() << ": same answers";
        EXPECT_NE(es.text, en.text) << es.tag2.toStdString() << " is translated";
        ++compared;
        return true;
    });
    EXPECT_EQ(compared, records.size());
}

TEST(BankCheck, SamePictureQuestionOnTwoSignsIsNoRepeat)
{
    QStringList lines = test::bank(20, 20);
    lines[lines.indexOf("Q.t1/id1/1")] = "Q.t1/id1/1/a.png";
    lines[lines.indexOf("Q.t2/id2/1")] = "Q.t2/id2/1/b.png";
    lines[lines.indexOf("Question 1")] = "What does this sign mean?";
    lines[lines.indexOf("Question 2")] = "What does this sign mean?";
    TestFolder folder;
    folder.writeBank(lines);
    QImage(20, 20, QImage::Format_RGB32).save(folder.path() + "/a.png");
    QImage(20, 20, QImage::Format_RGB32).save(folder.path() + "/b.png");
    EXPECT_TRUE(check(folder).findings.empty());
}

TEST(BankCheck, FindsQuestionsThatAskTheSameThing)
{
    QStringList lines = test::bank(20, 20);
    const auto set = [&](int n, const QString& q, const QString& text, const QString& key) {
        lines[lines.indexOf(QStringLiteral("Q.t%1/id%1/1").arg(n))] = q;
        lines[lines.indexOf(QStringLiteral("Question %1").arg(n))] = text;
        lines[lines.indexOf(QStringLiteral("1. Answer %1a").arg(n))] = "1. " + key;
    };
    // A sign shown, and the same sign named in words.
    set(2, "Q.t2/SG002/1/dip.png", "How should you drive when you see this sign?", "Slow down for a sharp low spot");
    set(9, "Q.t9/SG009/1", "What does a DIP sign warn you of?", "A sudden low spot in the road");
    // Much the same words, but an opposite answer: no repeat.
    set(4, "Q.t4/RR004/1", "You park facing downhill next to a curb. Which way do you turn your front wheels?",
        "Toward the curb");
    set(5, "Q.t5/RR005/1", "You park facing uphill next to a curb. Which way do you turn your front wheels?",
        "Away from the curb");
    // In Spanish, accents and all, most words shared.
    set(6, "Q.t6/ES006/1", "¿Qué indica la señal de CURVA PELIGROSA en la carretera mojada?",
        "Reduzca la velocidad antes de la curva");
    set(12, "Q.t12/ES012/1", "¿Que indica la senal de curva peligrosa en la carretera mojada?",
        "Reduzca la velocidad antes de la curva cerrada");
    TestFolder folder;
    folder.writeBank(lines);
    QImage(20, 20, QImage::Format_RGB32).save(folder.path() + "/dip.png");
    const BankReport report = check(folder);
    const qsizetype dip = lines.indexOf("Q.t9/SG009/1") + 1;
    EXPECT_TRUE(has(report, kWarning, dip, "question 9 (SG009) asks what question 2 (SG002, line 9) asks"))
        << at(report, dip).message.toStdString();
    EXPECT_TRUE(has(report, kWarning, lines.indexOf("Q.t12/ES012/1") + 1, "question 6 (ES006"));
    EXPECT_EQ(report.stats.repeats, 2) << "toward and away from the curb are two questions";
}

TEST(BankCheck, WarnsWhenEveryWrongAnswerOpensWithTheSameAbsolute)
{
    QStringList lines = test::bank(20, 20);
    lines[lines.indexOf("2. Answer 1b")] = "2. Only when it rains";
    lines[lines.indexOf("3. Answer 1c")] = "3. Only at night";
    lines[lines.indexOf("4. Answer 1d")] = "4. Only in town";
    lines[lines.indexOf("2. Answer 2b")] = "2. Sólo si llueve"; // three answers, accents or none
    lines[lines.indexOf("3. Answer 2c")] = "3. solo de noche";
    lines.removeAt(lines.indexOf("4. Answer 2d"));
    lines[lines.indexOf("2. Answer 3b")] = "2. Never";
    lines[lines.indexOf("3. Answer 3c")] = "3. Never at all";
    lines[lines.indexOf("4. Answer 3d")] = "4. Always"; // not the same word
    TestFolder folder;
    folder.writeBank(lines);
    const BankReport report = check(folder);
    EXPECT_TRUE(has(report, kWarning, lines.indexOf("Q.t1/id1/1") + 1, "opens with \"Only\""));
    EXPECT_TRUE(has(report, kWarning, lines.indexOf("Q.t2/id2/1") + 1, "opens with \"Sólo\""));
    EXPECT_EQ(report.warnings(), 2);

    QRecord keyHasIt;
    keyHasIt.answer = {"Only when safe", "Only here", "Only there", ""};
    EXPECT_TRUE(absoluteOpener(keyHasIt, 1).isEmpty()) << "the right answer holds the word too";
}

TEST(BankCheck, ChecksTheReasonsFileBesideTheBank)
{
    TestFolder folder;
    folder.writeBank(test::bank(20, 20));
    EXPECT_FALSE(check(folder).stats.hasReasons) << "no file, no reasons, nothing to say";

    QByteArray reasons = "\xEF\xBB\xBF# reasons\r\n\r\n";
    for (int n = 1; n <= 18; ++n)
        reasons += QStringLiteral("id%1|Because rule %1.|Handbook p. %1\n").arg(n).toUtf8();
    reasons += "id19 without bars\n"               // line 21
               "id19|Only two fields\n"            // 22
               "id19|Reason|Source|more\n"         // 23
               "id19||Source\n"                    // 24
               "id3|Again.|Handbook\n"             // 25
               "id99|For no question.|Handbook\n"; // 26
    folder.writeFile("veltrin.reasons", reasons);
    const BankReport report = check(folder);
    const QString file = folder.path() + "/veltrin.reasons";
    for (const qint64 line : {21, 22, 23, 24, 25}) {
        EXPECT_TRUE(has(report, kError, line, "veltrin.reasons, line " + QString::number(line)))
            << line << ": " << at(report, line).message.toStdString();
        EXPECT_EQ(at(report, line).file, file);
    }
    EXPECT_TRUE(has(report, kWarning, 26, "no question id99"));
    EXPECT_TRUE(has(report, kWarning, test::bank(20, 20).indexOf("Q.t19/id19/1") + 1, "(id19) has no reason"));
    EXPECT_EQ(report.errors(), 5);
    EXPECT_EQ(report.warnings(), 3) << "id19, id20, id99";
    EXPECT_EQ(report.stats.withReason, 18);

    // The program looks one reason up when it needs it.
    EXPECT_EQ(reasonsPathFor(folder.path() + "/veltrin.dll"), file);
    EXPECT_EQ(reasonsPathFor("/a.b/bank"), "/a.b/bank.reasons");
    EXPECT_EQ(findReason(file, "id1"), (Reason {"Because rule 1.", "Handbook p. 1"})) << "after a byte-order mark";
    EXPECT_EQ(findReason(file, "id3")->text, "Because rule 3.") << "the first line for an id";
    EXPECT_FALSE(findReason(file, "id19"));
    EXPECT_FALSE(findReason(folder.path() + "/none.reasons", "id1"));
}

TEST(BankCheck, TheSizesThatFitComeFromTheWindowsDesign)
{
    EXPECT_EQ(kAnswerLineChars, 67);
    EXPECT_EQ(kAnswerLines, 2);
    EXPECT_EQ(kQuestionLineChars, 60);
    EXPECT_EQ(kQuestionLines, 10);
}

TEST(BankCheck, TheProgramRefusesWithTheCheckersFirstError)
{
    // One owner of each rule: for every kind of fault the exam's refusal is
    // the checker's first error, at the same line, in the same words.
    std::vector<std::pair<const char*, QByteArray>> banks;
    const auto bytes = [](const QStringList& lines) { return (lines.join("\r\n") + "\r\n").toUtf8(); };
    QStringList lines = test::bank(25, 25);
    lines[lines.indexOf("Q.t8/id8/1")] = "Q.t8/id8/5";
    banks.emplace_back("wrong key", bytes(lines));
    lines = test::bank(20, 20);
    lines[lines.indexOf("Q.t3/id3/1")] = "Q.t3/id3/4";
    lines.removeAt(lines.indexOf("4. Answer 3d"));
    banks.emplace_back("keyed to a missing fourth answer", bytes(lines));
    lines = test::bank(20, 20);
    lines.removeAt(lines.indexOf("Q.t9/id9/1") - 1);
    banks.emplace_back("ran on", bytes(lines));
    lines = test::bank(20, 20);
    lines[lines.indexOf("1. Answer 2a")] = "A. Answer";
    lines[lines.indexOf("2. Answer 2b")] = "B. Answer";
    lines[lines.indexOf("3. Answer 2c")] = "C. Answer";
    lines[lines.indexOf("4. Answer 2d")] = "D. Answer";
    banks.emplace_back("lettered", bytes(lines));
    banks.emplace_back("ends early", bytes(test::bank(30, 25)));
    banks.emplace_back("headless", bytes(test::bank(20, 20).mid(1)));
    banks.emplace_back("empty", QByteArray());
    banks.emplace_back("binary", QByteArray("GIF89a\x14\0\x14\0\0\0\0", 13));
    for (const auto& [name, content] : banks) {
        TestFolder folder;
        folder.writeBankBytes(content);
        const BankReport report = check(folder);
        ASSERT_GT(report.errors(), 0) << name;
        const auto first = std::find_if(
            report.findings.begin(), report.findings.end(), [](const Finding& f) { return f.severity == kError; });
        Exam exam;
        test::ScriptedRandom random;
        ASSERT_FALSE(exam.start(folder.path(), random)) << name;
        EXPECT_EQ(exam.error().line, first->line) << name;
        EXPECT_EQ(exam.error().sentence, first->message) << name;
    }
    TestFolder folder;
    QDir(folder.path()).mkdir("veltrin.dll");
    const BankReport report = check(folder);
    ASSERT_EQ(report.errors(), 1);
    EXPECT_TRUE(report.findings[0].message.endsWith("cannot be read: it is a folder, not a file"))
        << report.findings[0].message.toStdString() << ": the program's words, not the system's";
}

TEST(BankCheck, LetteredAnswersAreSaidOnceNotAsAFlood)
{
    QStringList lines = test::bank(20, 20);
    for (QString& line : lines) {
        if (line.size() > 2 && line.at(1) == '.' && line.at(0) >= '1' && line.at(0) <= '4')
            line[0] = QChar('A' + (line.at(0).unicode() - '1'));
    }
    TestFolder folder;
    folder.writeBank(lines);
    const BankReport report = check(folder);
    ASSERT_EQ(report.findings.size(), 1U) << report.findings.back().message.toStdString();
    EXPECT_TRUE(has(report, kError, 4, "answers start with \"1.\" to \"4.\""));
}

TEST(BankCheck, StatsCountWhatCanBeRead)
{
    QStringList lines = test::bank(20, 20);
    lines.removeAt(lines.indexOf("Q.t5/id5/1") - 1); // question 4 runs into 5
    TestFolder folder;
    folder.writeBank(lines);
    const BankReport report = check(folder);
    EXPECT_EQ(report.stats.records, 19);
    EXPECT_EQ(report.stats.unreadable, 1);
}

TEST(BankCheck, ABankInEsFindsItsPicturesAsTheProgramDoes)
{
    // Laid out like the program folder: the pictures beside the English bank.
    TestFolder folder;
    QDir(folder.path()).mkpath("es");
    QDir(folder.path()).mkpath("pictures");
    QStringList lines = test::bank(20, 20);
    lines[lines.indexOf("Q.t1/id1/1")] = "Q.t1/id1/1/pictures\\stop.png";
    lines[lines.indexOf("Q.t2/id2/1")] = "Q.t2/id2/1/pictures\\gone.png";
    folder.writeFile("es/veltrin.dll", (lines.join("\r\n") + "\r\n").toUtf8());
    QImage(20, 20, QImage::Format_RGB32).save(folder.path() + "/pictures/stop.png");
    const BankReport report = checkBank(folder.path() + "/es/veltrin.dll", folder.path() + "/es");
    ASSERT_EQ(report.findings.size(), 1U) << report.findings.front().message.toStdString();
    EXPECT_TRUE(report.findings[0].message.contains("\"pictures\\gone.png\" is not in"))
        << report.findings[0].message.toStdString();
}

TEST(BankCheck, MissingBank)
{
    TestFolder folder;
    const BankReport report = check(folder);
    ASSERT_EQ(report.errors(), 1);
    EXPECT_TRUE(report.findings[0].message.contains("cannot be read"));
}

} // namespace
} // namespace veltrin

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // picture plugins
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
