// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/AboutText.h"

#include <QDir>
#include <QUrl>

namespace veltrin::about {

QString webAddress(const QString& programFolder)
{
    return QUrl::fromLocalFile(QDir(programFolder).filePath(kGuidePage)).toString();
}

QString linkText(const QString& address)
{
    return address.endsWith(QLatin1Char('/')) ? address.chopped(1) : address;
}

} // namespace veltrin::about
