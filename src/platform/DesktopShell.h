// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Shell.h"

namespace veltrin {

class PlatformInfo;

// Opens addresses in the user's browser. On Windows the platform identifier
// chooses the way: the shell's "open" on the NT family, the command line
// "start <address>" elsewhere. On other systems the desktop's opener does it
// (xdg-open on Linux, which honours the BROWSER variable). Whether it opened
// is what the desktop says: on Linux, false when there is no opener to start.
class DesktopShell final : public Shell {
public:
    explicit DesktopShell(const PlatformInfo& platform);
    bool openAddress(const QString& address) override;

private:
    const PlatformInfo& m_platform;
};

} // namespace veltrin
