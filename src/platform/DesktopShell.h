// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Shell.h"

namespace veltrin {

// Opens addresses in the user's browser, through the desktop's own opener.
// Whether it opened is what the desktop says: on Linux, false when there is
// no opener to start.
class DesktopShell final : public Shell {
public:
    bool openAddress(const QString& address) override;
};

} // namespace veltrin
