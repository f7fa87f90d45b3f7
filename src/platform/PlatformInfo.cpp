// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PlatformInfo.h"

#include <QtGlobal>

namespace veltrin {

int HostPlatformInfo::platformId() const
{
#ifdef Q_OS_WIN
    return kPlatformWindowsNT;
#else
    return kPlatformOther;
#endif
}

} // namespace veltrin
