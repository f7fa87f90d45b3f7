// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace veltrin {

bool DesktopShell::openAddress(const QString& address)
{
    // Every system Qt 6 runs on has one way to open an address: the desktop's
    // own opener (the shell on Windows, xdg-open on Linux, which honours the
    // BROWSER variable).
    return QDesktopServices::openUrl(QUrl::fromUserInput(address));
}

} // namespace veltrin
