// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program in Spanish: every window's texts, the Spanish bank, the
// verdicts and results in good Spanish for every score, the refusal of a bad
// bank, and every text inside its control at the design size.

#include "engine/AboutText.h"
#include "engine/Messages.h"
#include "platform/QtMessageBox.h"
#include "platform/Translations.h"
#include "support/WindowHarness.h"
#include "windows/CopyR.h"
#include "windows/frmDrive1.h"
#include "windows/frmMsg.h"
#include "windows/frmWelcome.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include <gtest/gtest.h>

namespace veltrin {
namespace {

using test::ProgramUnderTest;

// Spanish for one test, English again afterwards.
class Spanish : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(installTranslations(Language::Spanish)) << "the Spanish texts load"; }
    void TearDown() override { removeTranslations(); }
};

// A program in Spanish whose folder holds an English bank and, in es/, a
// Spanish one.
struct SpanishProgram : ProgramUnderTest {
    SpanishProgram()
        : ProgramUnderTest(nullptr, {}, Language::Spanish)
    {
        QDir(folder.path()).mkdir("es");
        QStringList lines = test::bank(20, 20);
        for (QString& line : lines)
            line.replace("Question", "Pregunta").replace("Answer", "Respuesta");
        folder.writeFile("es/veltrin.dll", lines.join("\r\n").toUtf8() + "\r\n");
    }
};

// Whether a control shows its whole text at its design size.
bool fits(const QWidget* control, const QString& text, int padding)
{
    return control->fontMetrics().horizontalAdvance(text) + padding <= control->width();
}

TEST_F(Spanish, TheResultAndTimeOutAgreeWithEveryScore)
{
    EXPECT_EQ(resultText(1), "Reprobó.  Tuvo 1 respuesta correcta de\u00a020.");
    EXPECT_EQ(resultText(0), "Reprobó.  Tuvo 0 respuestas correctas de\u00a020.");
    EXPECT_EQ(resultText(16), "Reprobó.  Tuvo 16 respuestas correctas de\u00a020.");
    EXPECT_EQ(resultText(17), "Aprobó.  Tuvo 17 respuestas correctas de\u00a020.");
    EXPECT_EQ(timeoutText(1, 2), "Se le acabó el tiempo.  Tuvo 1 respuesta correcta de\u00a02.");
    EXPECT_EQ(timeoutText(9, 13), "Se le acabó el tiempo.  Tuvo 9 respuestas correctas de\u00a013.");
    EXPECT_EQ(correctText(), "Correcto");
    EXPECT_EQ(wrongText("C"), "Incorrecto.  La respuesta correcta es la C");
}

TEST_F(Spanish, TheWelcomeAndAboutWindowsSpeakSpanish)
{
    SpanishProgram program;
    const test::WelcomeView w = program.welcome();
    EXPECT_EQ(w.cmdContinue->text(), "Continuar");
    EXPECT_EQ(w.cmdAbout->text(), "Acerca de");
    EXPECT_EQ(w.cmdExit->text(), "Salir");
    for (const QPushButton* button : {w.cmdContinue, w.cmdAbout, w.cmdExit})
        EXPECT_TRUE(fits(button, button->text(), 2)) << button->text().toStdString() << " fits its 855 or 975 twips";

    CopyR about(
        w.window, program.shell, program.messageBox, about::webAddress(program.folder.path(), Language::Spanish));
    const test::AboutView aboutView(&about);
    EXPECT_EQ(about.windowTitle(), "Aviso de derechos de autor");
    EXPECT_EQ(aboutView.Label1->text(), "Los desarrolladores de Veltrin's Test");
    EXPECT_EQ(aboutView.Label4->text(), "Contacto: vea la guía del usuario");
    EXPECT_TRUE(aboutView.Label2->toolTip().startsWith("El programa es software libre"));
    EXPECT_TRUE(about.address().endsWith("guide/es/index.html")) << "the Spanish guide";
    for (const QLabel* label : {aboutView.Label1, aboutView.Label2, aboutView.Label3, aboutView.Label4})
        EXPECT_TRUE(fits(label, label->text(), 0)) << label->text().toStdString();
}

TEST_F(Spanish, AnExamInSpanishFromTheSpanishBank)
{
    SpanishProgram program;
    test::ExamView drive = program.openExam();
    EXPECT_TRUE(drive.txtText1->toPlainText().startsWith("Este examen evalúa sus conocimientos"));
    EXPECT_TRUE(drive.txtText1->toPlainText().contains("Tiene 15 minutos para contestar 20 preguntas.  Para"))
        << "two spaces after a full stop, as in English";
    EXPECT_EQ(drive.cmdStart->text(), "Comenzar");
    EXPECT_EQ(drive.cmdExit->text(), "Volver");
    drive.cmdStart->click();
    test::settle();
    EXPECT_EQ(drive.txtText1->toPlainText(), "Pregunta 1") << "drawn from es/veltrin.dll";
    EXPECT_EQ(drive.Option1.at(0)->text(), "Respuesta 1a");
    EXPECT_EQ(drive.Label1->text(), "Tiempo");
    EXPECT_EQ(drive.Label2->text(), "Preg.");
    for (const QPushButton* button : {drive.cmdStart, drive.cmdExit})
        EXPECT_TRUE(fits(button, button->text(), 2)) << button->text().toStdString();
    for (const QLabel* label : {drive.Label1, drive.Label2})
        EXPECT_TRUE(fits(label, label->text(), 0)) << label->text().toStdString();

    program.answer(false);
    EXPECT_EQ(program.modals.messages.last(), "Incorrecto.  La respuesta correcta es la A");
    for (int q = 2; q <= 20; ++q)
        program.answer(q == 2);
    EXPECT_EQ(program.modals.messages.last(), "Reprobó.  Tuvo 1 respuesta correcta de\u00a020.");
}

TEST_F(Spanish, EveryMessageFitsTheMessageWindow)
{
    QWidget owner;
    frmMsg msg(&owner);
    EXPECT_EQ(msg.windowTitle(), "Mensaje");
    const auto* label = msg.findChild<QLabel*>("Label1");
    const auto* ok = msg.findChild<QPushButton*>("cmdExit");
    for (const QString& text : {timeoutText(19, 20), resultText(20), resultText(1), wrongText("D"), correctText()}) {
        msg.setLabel1(text);
        EXPECT_LE(label->heightForWidth(label->width()), label->height()) << text.toStdString();
    }
    EXPECT_TRUE(fits(ok, ok->text(), 2));
}

TEST_F(Spanish, EveryOkButtonSaysOk)
{
    SpanishProgram program;
    CopyR about(program.welcome().window, program.shell, program.messageBox,
        about::webAddress(program.folder.path(), Language::Spanish));
    const test::AboutView aboutView(&about);
    frmMsg msg(program.welcome().window);
    const QPushButton* msgOk = msg.findChild<QPushButton*>("cmdExit");
    QtMessageBox standard;
    standard.information(program.welcome().window, "Archivo de base de datos no válido.", {}, {});
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    const QAbstractButton* refusalOk = box->button(QMessageBox::Ok);
    for (const QAbstractButton* button :
        std::initializer_list<const QAbstractButton*> {aboutView.cmdOK, msgOk, refusalOk})
        EXPECT_EQ(button->text(), "OK") << "one word, not \"Aceptar\" beside it";
    for (const QPushButton* button : {static_cast<const QPushButton*>(aboutView.cmdOK), msgOk})
        EXPECT_TRUE(fits(button, button->text(), 2)) << "615 and 495 twips";
    box->close();
}

TEST_F(Spanish, ABadBankIsRefusedInSpanish)
{
    SpanishProgram program;
    program.folder.writeFile("es/veltrin.dll", "20 copyright\r\nQ.a/b/1\r\nT\r\n1. A\r\n\r\n");
    program.startExam();
    ASSERT_EQ(program.messageBox.texts.size(), 1);
    EXPECT_EQ(program.messageBox.texts[0], "Archivo de base de datos no válido.");
    EXPECT_EQ(
        program.messageBox.details[0], "Línea 1: el encabezado no contiene la palabra “Copyright” (con C mayúscula).");
}

TEST_F(Spanish, AMissingBankIsSaidInTheProgramsOwnWords)
{
    SpanishProgram program;
    QFile::remove(program.folder.path() + "/veltrin.dll");
    QFile::remove(program.folder.path() + "/es/veltrin.dll");
    program.startExam();
    ASSERT_EQ(program.messageBox.details.size(), 1);
    EXPECT_TRUE(program.messageBox.details[0].startsWith("No se puede leer el banco de preguntas "));
    EXPECT_TRUE(program.messageBox.details[0].endsWith("/veltrin.dll: no existe ese archivo."))
        << program.messageBox.details[0].toStdString() << ": no Spain Spanish \"fichero\" from the C library";
}

TEST(English, TheTextsAreAsWrittenWithoutATranslation)
{
    removeTranslations();
    ProgramUnderTest program;
    EXPECT_EQ(program.welcome().cmdContinue->text(), "Continue");
    EXPECT_EQ(resultText(1), "You Failed.  You had 1 correct answers out of 20.") << "English keeps its words";
    EXPECT_EQ(timeoutText(1, 2), "You ran out of time.  You had 1 correct answers out of 2.");
    EXPECT_EQ(program.openExam().cmdStart->text(), "Start");
}

} // namespace
} // namespace veltrin
