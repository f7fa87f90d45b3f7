#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace veltrin {

class SharedState;

// The message window: one text and OK, shown modal by the exam window for each
// verdict, the result and the time-out. It is loaded when its text is first
// set and unloaded when it is closed in any way; msgsw tells the rest of the
// program which of the two it is.
class frmMsg final : public QDialog {
    Q_OBJECT

public:
    frmMsg(QWidget* owner, SharedState& shared);

    void setLabel1(const QString& text);
    QString label1() const;

    // Unloads the window: msgsw back to 0, a modal wait on it ends, and the
    // window is gone once control returns to the event loop.
    void unload();
    bool isUnloaded() const { return m_unloaded; }

    void cmdExit_Click();
    void done(int result) override;

    QPushButton* cmdExit = nullptr;
    QLabel* Label1 = nullptr;

private:
    void Form_Load();
    void Form_Unload();

    SharedState& m_shared;
    bool m_unloaded = false;
};

} // namespace veltrin
