// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace veltrin {

// Hands a web address (or a local page's address) to the desktop, which opens
// it in the user's browser. Returns false when the desktop says it cannot (no
// opener, nothing to open the address with); true when it took the address.
class Shell {
public:
    virtual ~Shell() = default;
    virtual bool openAddress(const QString& address) = 0;
};

} // namespace veltrin
