#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace veltrin {

class frmWelcome;

// The about window: product, version, copyright, authors, contact, and a link
// that opens the program's web address in the user's browser. Opening it ends
// the welcome window's self-advance for the rest of the run.
class CopyR final : public QDialog {
    Q_OBJECT

public:
    explicit CopyR(frmWelcome& welcome);

    void cmdOK_Click();
    void Label5_Click();

    // The address the link opens.
    QString address() const { return m_address; }

    QPushButton* cmdOK = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();

    frmWelcome& m_welcome;
    QString m_address;
};

} // namespace veltrin
