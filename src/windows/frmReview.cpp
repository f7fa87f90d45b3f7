// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/frmReview.h"

#include "engine/BankReader.h"
#include "engine/Messages.h"
#include "windows/Look.h"
#include "windows/Twips.h"

#include <QGridLayout>
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
// Where the learner stands comes first, taken in at a glance; the questions
// missed below it, to read one by one.
constexpr TwipsRect lblStanding {240, 120, 9120, 375};
constexpr double kStandingTop = 495;
constexpr double kStandingHeight = 2400;        // at most: about eight rows of two topics
constexpr double kGap = 120;                    // between the topics and the second heading
constexpr TwipsRect Label1 {240, 0, 9120, 375}; // below the topics

constexpr double kListBottomGap = 615;         // from the list's bottom to the window's
constexpr TwipsRect cmdExit {0, 0, 1215, 375}; // 120 twips above the bottom, centred
constexpr double kBarHeight = 240;
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

    const int margin = twipsToPixels(design::kMargin);
    const auto scrolling = [this](const QString& name) {
        auto* area = new QScrollArea(this);
        area->setObjectName(name);
        area->setWidgetResizable(true);
        area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        auto* inside = new QWidget;
        setBackground(inside, kLightYellow);
        area->setWidget(inside);
        return area;
    };

    // Each topic: its counts in words, and a bar of the questions known; two
    // topics a row.
    place(heading(this, QStringLiteral("lblStanding"), tr("Where you stand, topic by topic")), design::lblStanding);
    standing = scrolling(QStringLiteral("standing"));
    auto* grid = new QGridLayout(standing->widget());
    grid->setContentsMargins(margin / 2, margin / 4, margin / 2, margin / 4);
    grid->setHorizontalSpacing(margin);
    grid->setVerticalSpacing(margin / 8);
    for (size_t i = 0; i < progress.size(); ++i) {
        const TopicStanding& topic = progress[i];
        QLabel* name = plainLabel(standing->widget(), QStringLiteral("lblTopic%1").arg(i));
        name->setText(topicStandingText(topic));
        auto* bar = new QProgressBar(standing->widget());
        bar->setObjectName(QStringLiteral("barTopic%1").arg(i));
        bar->setRange(0, std::max(topic.questions, 1));
        bar->setValue(topic.known);
        bar->setFormat(tr("%1 of %2 known").arg(topic.known).arg(topic.questions));
        bar->setFixedHeight(twipsToPixels(design::kBarHeight));
        bar->setAccessibleName(topic.topic);
        bar->setAccessibleDescription(name->text());
        name->setBuddy(bar);
        const int row = static_cast<int>(i / 2) * 2;
        const int column = static_cast<int>(i % 2);
        grid->addWidget(name, row, column);
        grid->addWidget(bar, row + 1, column);
    }
    grid->setRowStretch(grid->rowCount(), 1);

    QLabel* Label1 = heading(this, QStringLiteral("Label1"),
        missed.empty() ? tr("No question missed in this round.")
                       : tr("Questions missed in this round: %1").arg(missed.size()));
    place(Label1, design::Label1);
    scroller = scrolling(QStringLiteral("scroller"));
    auto* rows = new QVBoxLayout(scroller->widget());
    rows->setContentsMargins(margin / 2, margin / 2, margin / 2, margin / 2);
    rows->setSpacing(margin / 2);
    for (size_t i = 0; i < missed.size(); ++i) {
        QLabel* row = plainLabel(scroller->widget(), QStringLiteral("lblMissed%1").arg(i));
        row->setWordWrap(true);
        row->setText(missedText(missed[i]));
        row->setAccessibleName(tr("Missed question %1").arg(i + 1));
        row->setAccessibleDescription(row->text());
        rows->addWidget(row);
    }
    rows->addStretch();

    cmdExit = new QPushButton(tr("Return"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    place(cmdExit, design::cmdExit);
    cmdExit->setDefault(true);
    cmdExit->setAutoDefault(true);
    connect(cmdExit, &QPushButton::clicked, this, &frmReview::cmdExit_Click);

    // The topics take what they need, up to their most; the missed questions
    // the rest.
    const int standingHeight = std::min(
        twipsToPixels(design::kStandingHeight), standing->widget()->sizeHint().height() + 2 * standing->frameWidth());
    standing->setGeometry(margin, twipsToPixels(design::kStandingTop), width() - 2 * margin, standingHeight);
    Label1->move(Label1->x(), standing->geometry().bottom() + 1 + twipsToPixels(design::kGap));
    const int listTop = Label1->geometry().bottom() + 1;
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
