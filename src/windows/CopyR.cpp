// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/CopyR.h"

#include "engine/AboutText.h"
#include "platform/MessageBox.h"
#include "platform/Shell.h"
#include "windows/Look.h"
#include "windows/Twips.h"

#include <QCursor>
#include <QDir>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

#include <utility>

namespace veltrin {

namespace {

namespace design {
constexpr double kClientWidth = 6945;
constexpr double kClientHeight = 2940;
constexpr TwipsRect cmdOK {2040, 1920, 615, 375};
constexpr TwipsRect Label5 {600, 2520, 3975, 375};
constexpr TwipsRect Image1 {4800, 360, 1665, 2145};
constexpr TwipsRect Label4 {120, 1440, 4455, 375};
constexpr TwipsRect Label3 {120, 240, 4455, 495};
constexpr TwipsRect Label2 {120, 720, 4455, 375};
constexpr TwipsRect Label1 {120, 1080, 4455, 375};
} // namespace design

QLabel* textLabel(QWidget* parent, const QString& name, const TwipsRect& rect, const QString& text, const QFont& font)
{
    QLabel* label = plainLabel(parent, name);
    place(label, rect);
    label->setText(text);
    label->setFont(font);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

} // namespace

CopyR::CopyR(QWidget* owner, Shell& shell, MessageBox& messageBox, QString address)
    : QDialog(owner,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_shell(shell)
    , m_messageBox(messageBox)
    , m_address(std::move(address))
{
    setObjectName(QStringLiteral("CopyR"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Copyright notice"));
    setFixedSize(twipsToPixels(design::kClientWidth), twipsToPixels(design::kClientHeight));
    setBackground(this, kLightYellow);
    setFont(sansFont(kDefaultPoints));

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    place(cmdOK, design::cmdOK);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &CopyR::cmdOK_Click);

    Label5 = textLabel(this, QStringLiteral("Label5"), design::Label5, QString(), sansFont(9.75, false, true));
    Label5->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QPalette link = Label5->palette();
    link.setColor(QPalette::WindowText, link.color(QPalette::Highlight));
    Label5->setPalette(link);
    // Our own pointing hand, the tip of its index finger the hot spot.
    Label5->setCursor(QCursor(QPixmap(QStringLiteral(":/assets/link-cursor.png")), 5, 0));
    const QString text = about::linkText(m_address);
    Label5->setText(Label5->fontMetrics().elidedText(text, Qt::ElideMiddle, Label5->width()));
    Label5->setToolTip(text);
    Label5->setAccessibleName(tr("Web address"));
    Label5->setAccessibleDescription(text);
    // The link can be reached and opened from the keyboard as well.
    Label5->setFocusPolicy(Qt::TabFocus);
    Label5->installEventFilter(this);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    const QPixmap portrait(QStringLiteral(":/assets/portrait.jpg"));
    place(Image1, design::Image1);
    Image1->setPixmap(portrait);
    if (!portrait.isNull())
        Image1->resize(portrait.size());
    Image1->setAccessibleName(tr("Portrait"));

    Label4 = textLabel(this, QStringLiteral("Label4"), design::Label4, about::contact(), sansFont(12, true));
    Label3 = textLabel(this, QStringLiteral("Label3"), design::Label3, about::productTitle(), sansFont(12));
    Label2 = textLabel(this, QStringLiteral("Label2"), design::Label2, about::copyrightLine(), sansFont(12));
    Label2->setToolTip(about::licence());
    Label2->setAccessibleDescription(about::licence());
    Label1 = textLabel(this, QStringLiteral("Label1"), design::Label1, about::author(), sansFont(12));

    setTabOrder(cmdOK, Label5);
    cmdOK->setFocus();
}

CopyR::~CopyR() = default;

void CopyR::showModal()
{
    setWindowModality(Qt::ApplicationModal);
    show();
}

void CopyR::cmdOK_Click()
{
    // A dialog that deletes itself on close is deleted once it has gone.
    close();
}

void CopyR::Label5_Click()
{
    // Every click opens the address again; the window stays open.
    if (m_shell.openAddress(m_address))
        return;
    // No browser to open it with: say where the page is, to open by hand.
    const QUrl url(m_address);
    const QString where = url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : m_address;
    m_messageBox.information(
        this, tr("The user guide could not be opened in a web browser."), tr("The guide is here:\n%1").arg(where), {});
}

bool CopyR::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Label5) {
        const auto* mouse = dynamic_cast<QMouseEvent*>(event);
        if (event->type() == QEvent::MouseButtonRelease && mouse != nullptr && mouse->button() == Qt::LeftButton) {
            Label5_Click();
            return true;
        }
        const auto* keyEvent = dynamic_cast<QKeyEvent*>(event);
        if (event->type() == QEvent::KeyPress && keyEvent != nullptr) {
            const int key = keyEvent->key();
            if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
                Label5_Click();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace veltrin
