// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/frmReview.h"

#include "engine/BankReader.h"
#include "engine/Messages.h"
#include "windows/Look.h"
#include "windows/Twips.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace veltrin {

namespace {

namespace design {
constexpr double kClientWidth = 9600;
constexpr double kClientHeight = 7800;
constexpr double kMargin = 240;
constexpr TwipsRect Label1 {240, 120, 9120, 375};
constexpr double kListTop = 555;
constexpr double kListBottomGap = 615;         // from the list's bottom to the window's
constexpr TwipsRect cmdExit {0, 0, 1215, 375}; // 120 twips above the bottom, centred
constexpr double kBarHeight = 300;
} // namespace design

QLabel* heading(QWidget* parent, const QString& name, const QString& text)
{
    QLabel* label = plainLabel(parent, name);
    label->setText(text);
    label->setFont(sansFont(10, true));
    label->setAccessibleName(text);
    return label;
}

QString answerText(const QRecord& q, int number)
{
    return number >= 1 && number <= 4 ? answerLetter(number) + QStringLiteral(". ") + q.answer.at(number - 1)
                                      : QString();
}

} // namespace

QString missedText(const ExamSession::Missed& missed)
{
    const QRecord& q = missed.question;
    QString text = q.text + QLatin1Char('\n') + frmReview::tr("Your answer: %1").arg(answerText(q, missed.given))
        + QLatin1Char('\n') + frmReview::tr("Right answer: %1").arg(answerText(q, correctNumber(q.correct)));
    if (missed.reason)
        text += QLatin1Char('\n') + missed.reason->text + QLatin1Char(' ')
            + frmReview::tr("(Source: %1)").arg(missed.reason->source);
    return text;
}

frmReview::frmReview(
    QWidget* owner, const std::vector<ExamSession::Missed>& missed, const std::vector<TopicStanding>& progress)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmReview"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Review of this round"));
    setBackground(this, kLightYellow);
    setFont(sansFont(kDefaultPoints));
    QSize size(twipsToPixels(design::kClientWidth), twipsToPixels(design::kClientHeight));
    if (const QRect area = availableArea(owner != nullptr ? owner : this); area.isValid())
        size = size.boundedTo(area.size() * 9 / 10);
    setFixedSize(size);

    QLabel* Label1 = heading(this, QStringLiteral("Label1"),
        missed.empty() ? tr("No question missed in this round.")
                       : tr("Questions missed in this round: %1").arg(missed.size()));
    place(Label1, design::Label1);

    scroller = new QScrollArea(this);
    scroller->setObjectName(QStringLiteral("scroller"));
    scroller->setWidgetResizable(true);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* list = new QWidget;
    setBackground(list, kLightYellow);
    auto* rows = new QVBoxLayout(list);
    const int margin = twipsToPixels(design::kMargin);
    rows->setContentsMargins(margin / 2, margin / 2, margin / 2, margin / 2);
    rows->setSpacing(margin / 2);
    for (size_t i = 0; i < missed.size(); ++i) {
        QLabel* row = plainLabel(list, QStringLiteral("lblMissed%1").arg(i));
        row->setWordWrap(true);
        row->setText(missedText(missed[i]));
        row->setAccessibleName(tr("Missed question %1").arg(i + 1));
        row->setAccessibleDescription(row->text());
        rows->addWidget(row);
    }
    rows->addWidget(heading(list, QStringLiteral("lblStanding"), tr("Where you stand, topic by topic")));
    for (size_t i = 0; i < progress.size(); ++i) {
        const TopicStanding& topic = progress[i];
        QLabel* name = plainLabel(list, QStringLiteral("lblTopic%1").arg(i));
        name->setText(topicStandingText(topic));
        auto* bar = new QProgressBar(list);
        bar->setObjectName(QStringLiteral("barTopic%1").arg(i));
        bar->setRange(0, std::max(topic.questions, 1));
        bar->setValue(topic.known);
        bar->setFormat(tr("%1 of %2 known").arg(topic.known).arg(topic.questions));
        bar->setFixedHeight(twipsToPixels(design::kBarHeight));
        bar->setAccessibleName(topic.topic);
        bar->setAccessibleDescription(name->text());
        name->setBuddy(bar);
        rows->addWidget(name);
        rows->addWidget(bar);
    }
    rows->addStretch();
    scroller->setWidget(list);

    cmdExit = new QPushButton(tr("Return"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    place(cmdExit, design::cmdExit);
    cmdExit->setDefault(true);
    cmdExit->setAutoDefault(true);
    connect(cmdExit, &QPushButton::clicked, this, &frmReview::cmdExit_Click);

    const int listTop = twipsToPixels(design::kListTop);
    scroller->setGeometry(
        margin, listTop, width() - 2 * margin, height() - listTop - twipsToPixels(design::kListBottomGap));
    cmdExit->move((width() - cmdExit->width()) / 2, height() - cmdExit->height() - twipsToPixels(120));
    cmdExit->setFocus();
}

void frmReview::cmdExit_Click()
{
    accept();
}

} // namespace veltrin
