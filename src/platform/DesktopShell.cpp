// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DesktopShell.h"

#include "platform/PlatformInfo.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace veltrin {

DesktopShell::DesktopShell(const PlatformInfo& platform)
    : m_platform(platform)
{ }

bool DesktopShell::openAddress(const QString& address)
{
#ifdef Q_OS_WIN
    if (m_platform.platformId() != kPlatformWindowsNT) {
        // Outside the NT family the command line "start" opens the address.
        return QProcess::startDetached(
            QStringLiteral("cmd.exe"), {QStringLiteral("/c"), QStringLiteral("start"), address});
    }
#else
    (void)m_platform;
#endif
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

} // namespace veltrin
