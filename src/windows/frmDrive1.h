#pragma once

#include "engine/Exam.h"

#include <QPointer>
#include <QWidget>

#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace veltrin {

class frmMsg;
class frmWelcome;
struct Services;

// The exam window: the instructions and Start, then one question at a time
// with its picture, three or four answers and the answer buttons A to D, the
// question number and the elapsed time. It owns the exam state while it is
// loaded; the welcome window's tick keeps its clock.
class frmDrive1 final : public QWidget {
    Q_OBJECT

public:
    // Loads the window from its design and runs its load sequence; the caller
    // shows it.
    explicit frmDrive1(frmWelcome& welcome);

    // Shows the window maximized over the welcome window.
    void showExam();

    // Handlers, named after their controls.
    void cmdStart_Click();
    void cmdAns_Click(int index);
    void cmdExit_Click();

    // Progress: the next question, the result, or the time-out.
    void getq();

    // The exam clock's display, written by the welcome window's tick.
    void setElapsed(const QString& caption);

    // Unloads the window: the clock stops, the window goes, and the object is
    // deleted once no handler of it is still running.
    void unload();
    bool isUnloaded() const { return m_unloaded; }

    // The message window if it is loaded, for the tick and for tests.
    frmMsg* loadedMessage() const;

    const Exam& exam() const { return m_exam; }

    std::array<QPushButton*, 4> cmdAns {};
    QPlainTextEdit* txtText1 = nullptr;
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdExit = nullptr;
    QLabel* lblQno = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    std::array<QLabel*, 4> lblAA {};
    std::array<QLabel*, 4> Option1 {};
    QLabel* imgImage1 = nullptr;
    QLabel* lblElapsed = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Keeps the object alive while one of its handlers runs; a window unloaded
    // meanwhile (by the time-out) is deleted when the outermost one returns.
    class Busy {
    public:
        explicit Busy(frmDrive1& window);
        ~Busy();
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

    private:
        frmDrive1& m_window;
    };

    void createControls();
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void showq();
    void showPicture(const QString& name);
    void pressAnswer(int index);

    // The message window: setting its text loads it; showing it waits until
    // it has been unloaded.
    frmMsg& msg();
    void showMessage();

    frmWelcome& m_welcome;
    Services& m_services;
    Exam m_exam;
    QPointer<frmMsg> m_msg;
    int m_busy = 0;
    bool m_unloaded = false;
    bool m_deleteScheduled = false;
};

} // namespace veltrin
