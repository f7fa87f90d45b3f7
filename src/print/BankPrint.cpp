// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/BankPrint.h"

#include "engine/BankLocation.h"
#include "engine/BankReader.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

#include <memory>

namespace veltrin {

namespace {

// Pictures print at most an inch on their longer side.
constexpr int kPictureDots = 72;
constexpr int kResolution = 300;

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString dateText(const QDate& date)
{
    return QLocale().toString(date, QLocale::LongFormat);
}

} // namespace

bool BankPrint::read(const QString& bankPath, QString* error)
{
    m_bankPath = bankPath;
    m_records.clear();
    BankError why;
    if (readBankRecords(bankPath, &m_records, &why, &m_header))
        return true;
    if (error != nullptr) {
        *error = QCoreApplication::translate("veltrin::frmDrive1", "Invalid database file.") + QLatin1Char(' ')
            + why.detail();
    }
    return false;
}

BankPrint::Document BankPrint::questionSheet(const QString& pictureFolder, const QDate& date) const
{
    Document document;
    document.title = tr("Veltrin's Test: questions");
    document.subtitle = escaped(m_header) + QStringLiteral("<br>") + escaped(dateText(date));
    int number = 0;
    for (const QRecord& record : m_records) {
        ++number;
        QString answers;
        for (int i = 0; i < 4; ++i) {
            const QString& answer = record.answer.at(static_cast<size_t>(i));
            if (answer.isEmpty() && i == 3)
                continue;
            answers += QStringLiteral("<p style=\"margin:2px 0 0 18px\"><b>%1.</b> %2</p>")
                           .arg(QChar(QLatin1Char('A').unicode() + i))
                           .arg(escaped(answer));
        }
        const QString question
            = QStringLiteral("<p style=\"margin:0 0 3px 0\"><b>%1.</b> %2</p>").arg(number).arg(escaped(record.text));
        QString picture;
        if (!record.picture.isEmpty()) {
            const QString path = findBankPicture(pictureFolder, record.picture);
            if (!path.isEmpty()) {
                picture = QStringLiteral("<img src=\"%1\" width=\"%2\">")
                              .arg(QUrl::fromLocalFile(path).toString(), QString::number(kPictureDots));
            } else {
                picture = QStringLiteral("<i>%1</i>").arg(tr("(picture %1 missing)").arg(escaped(record.picture)));
            }
        }
        if (picture.isEmpty()) {
            document.blocks << question + answers;
        } else {
            document.blocks << QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\"><tr><td width=\"%1\" "
                                              "valign=\"top\">%2</td><td valign=\"top\" style=\"padding-left:8px\">"
                                              "%3%4</td></tr></table>")
                                   .arg(kPictureDots + 12)
                                   .arg(picture, question, answers);
        }
    }
    return document;
}

BankPrint::Document BankPrint::answerKey(const QDate& date) const
{
    Document document;
    document.title = tr("Veltrin's Test: answer key");
    document.subtitle = escaped(m_header) + QStringLiteral("<br>") + escaped(dateText(date));
    const QString reasons = reasonsPathFor(m_bankPath);
    const ReasonsFile file = readReasonsFile(reasons);
    QHash<QString, Reason> byId;
    for (const ReasonLine& line : file.reasons)
        byId.insert(line.id, line.reason);
    // Without reasons the key is a compact table, several questions a row.
    const int perRow = byId.isEmpty() ? 5 : 1;
    QString row;
    int number = 0;
    for (const QRecord& record : m_records) {
        ++number;
        const int right = correctNumber(record.correct);
        QString entry = QStringLiteral("<b>%1.</b> %2 &nbsp;<b>%3</b>")
                            .arg(number)
                            .arg(escaped(record.tag2))
                            .arg(QChar(QLatin1Char('A').unicode() + right - 1));
        if (const auto reason = byId.constFind(record.tag2); reason != byId.constEnd())
            entry += QStringLiteral(" &nbsp; %1 <i>(%2)</i>").arg(escaped(reason->text), escaped(reason->source));
        row += QStringLiteral("<td width=\"%1%\">%2</td>").arg(100 / perRow).arg(entry);
        if (number % perRow == 0 || number == static_cast<int>(m_records.size())) {
            document.blocks << QStringLiteral("<table width=\"100%\" cellpadding=\"1\"><tr>%1</tr></table>").arg(row);
            row.clear();
        }
    }
    return document;
}

bool BankPrint::writePdf(const Document& document, const QString& path, QString* error)
{
    // QPdfWriter says nothing when it cannot write, so the file is tried first.
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly)) {
        if (error != nullptr)
            *error = probe.errorString();
        return false;
    }
    probe.close();

    QPdfWriter writer(path);
    writer.setResolution(kResolution);
    writer.setPageSize(QLocale().measurementSystem() == QLocale::MetricSystem ? QPageSize(QPageSize::A4)
                                                                              : QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter);
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("Veltrin's Test"));
    QPainter painter(&writer);
    if (!painter.isActive()) {
        if (error != nullptr)
            *error = tr("the PDF could not be started");
        return false;
    }
    const QRectF page = writer.pageLayout().paintRectPixels(kResolution);
    const double width = page.width();
    const double height = page.height();
    // Text laid out at 96 dots per inch, painted at the writer's resolution.
    const double scale = kResolution / 96.0;
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPointSizeF(10.5);
    const auto layout = [&](const QString& html) {
        auto doc = std::make_unique<QTextDocument>();
        doc->setDefaultFont(font);
        doc->setDocumentMargin(0);
        doc->setHtml(html);
        doc->setTextWidth(width / scale);
        return doc;
    };
    const double gap = 7 * scale;
    double y = 0;
    int pageNumber = 1;
    const auto footer = [&] {
        painter.save();
        QFont small = font;
        small.setPointSizeF(8);
        painter.setFont(small);
        painter.drawText(QRectF(0, height - 30 * scale, width, 30 * scale), Qt::AlignRight | Qt::AlignBottom,
            QString::number(pageNumber));
        painter.restore();
    };
    const auto paint = [&](QTextDocument& doc) {
        painter.save();
        painter.translate(0, y);
        painter.scale(scale, scale);
        doc.drawContents(&painter);
        painter.restore();
        y += doc.size().height() * scale + gap;
    };
    const double usable = height - 30 * scale;
    paint(*layout(QStringLiteral("<h2>%1</h2><p>%2</p><hr>").arg(escaped(document.title), document.subtitle)));
    for (const QString& block : document.blocks) {
        const auto doc = layout(block);
        const double needed = doc->size().height() * scale;
        if (y + needed > usable && y > 0) {
            footer();
            writer.newPage();
            ++pageNumber;
            y = 0;
        }
        paint(*doc);
    }
    footer();
    return painter.end();
}

} // namespace veltrin
