// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace veltrin {

// The operating-system platform identifier that the about window's link asks
// for: 2 on the Windows NT family, another value elsewhere.
inline constexpr int kPlatformWindowsNT = 2;
inline constexpr int kPlatformOther = 0;

class PlatformInfo {
public:
    virtual ~PlatformInfo() = default;
    virtual int platformId() const = 0;
};

class HostPlatformInfo final : public PlatformInfo {
public:
    int platformId() const override;
};

} // namespace veltrin
