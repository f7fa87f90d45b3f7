// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/Reasons.h"

#include "engine/BankText.h"
#include "engine/LineSource.h"

#include <QFileInfo>
#include <QHash>

namespace veltrin {

namespace {

// One line of the file, taken apart. `problem` is empty when it is well formed.
struct Parsed {
    bool skip = false; // a comment or an empty line
    QString id;
    Reason reason;
    QString problem;
};

Parsed parse(QByteArray raw, bool first)
{
    if (first)
        stripByteOrderMark(raw);
    Parsed parsed;
    const QString line = QString::fromUtf8(raw);
    if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) {
        parsed.skip = true;
        return parsed;
    }
    const QStringList fields = line.split(QLatin1Char('|'));
    if (fields.size() == 1) {
        parsed.problem = QStringLiteral("no \"|\": a line is ID|Reason|Source");
        return parsed;
    }
    if (fields.size() == 2) {
        parsed.problem = QStringLiteral("only two fields: a line is ID|Reason|Source");
        return parsed;
    }
    if (fields.size() > 3) {
        parsed.problem
            = QStringLiteral("%1 \"|\" where there should be two: a line is ID|Reason|Source, and the reason and "
                             "its source may not hold a \"|\"")
                  .arg(fields.size() - 1);
        return parsed;
    }
    parsed.id = fields.at(0).trimmed();
    parsed.reason = {fields.at(1).trimmed(), fields.at(2).trimmed()};
    if (parsed.id.isEmpty())
        parsed.problem = QStringLiteral("the id is empty");
    else if (parsed.reason.text.isEmpty())
        parsed.problem = QStringLiteral("the reason for %1 is empty").arg(parsed.id);
    else if (parsed.reason.source.isEmpty())
        parsed.problem = QStringLiteral("the reason for %1 names no source").arg(parsed.id);
    return parsed;
}

// Reads the file line by line, handing each parsed line to `visit` until it
// returns false. False when the file cannot be opened.
template <typename Visit> bool eachLine(const QString& path, LineSource& source, Visit visit)
{
    if (!source.open(path))
        return false;
    bool first = true;
    while (!source.atEnd()) {
        QByteArrayView view;
        const LineSource::Status status = source.readLine(view);
        if (!visit(source.lineNumber(), status,
                status == LineSource::Status::Line ? parse(view.toByteArray(), first) : Parsed {}))
            break;
        first = false;
        if (status != LineSource::Status::Line)
            break; // the reader cannot go past a line it could not read
    }
    source.close();
    return true;
}

} // namespace

QString reasonsPathFor(const QString& bankPath)
{
    const QFileInfo info(bankPath);
    const QString suffix = info.suffix();
    const QString name = info.fileName();
    const QString stem = suffix.isEmpty() ? name : name.left(name.size() - suffix.size() - 1);
    const QString folder = bankPath.left(bankPath.size() - name.size());
    return folder + stem + QStringLiteral(".reasons");
}

std::optional<Reason> findReason(const QString& reasonsPath, const QString& id)
{
    std::optional<Reason> found;
    LineSource source;
    eachLine(reasonsPath, source, [&](qint64, LineSource::Status status, const Parsed& parsed) {
        if (status != LineSource::Status::Line || parsed.skip || parsed.id != id)
            return true;
        if (parsed.problem.isEmpty())
            found = parsed.reason;
        return false;
    });
    return found;
}

ReasonsFile readReasonsFile(const QString& reasonsPath)
{
    ReasonsFile file;
    if (!QFileInfo::exists(reasonsPath))
        return file;
    file.exists = true;
    QHash<QString, qint64> seen;
    LineSource source;
    const bool opened
        = eachLine(reasonsPath, source, [&](qint64 line, LineSource::Status status, const Parsed& parsed) {
              if (status == LineSource::Status::TooLong) {
                  file.problems.push_back(
                      {line, QStringLiteral("the line is too long to be read; the check stops here")});
                  return false;
              }
              if (status == LineSource::Status::ReadError) {
                  file.problems.push_back(
                      {line, QStringLiteral("the line cannot be read: %1").arg(source.errorString())});
                  return false;
              }
              if (parsed.skip)
                  return true;
              if (!parsed.problem.isEmpty()) {
                  file.problems.push_back({line, parsed.problem});
                  return true;
              }
              if (const auto earlier = seen.constFind(parsed.id); earlier != seen.constEnd()) {
                  file.problems.push_back({line,
                      QStringLiteral("%1 is given a reason again; line %2 gave it one already")
                          .arg(parsed.id)
                          .arg(*earlier)});
                  return true;
              }
              seen.insert(parsed.id, line);
              file.reasons.push_back({line, parsed.id, parsed.reason});
              return true;
          });
    if (!opened)
        file.problems.push_back({0, QStringLiteral("the file cannot be read: %1").arg(source.errorString())});
    return file;
}

} // namespace veltrin
