// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Services.h"

namespace veltrin {

BankLocation Services::bank() const
{
    return locateBank(folder, language, bankFile);
}

} // namespace veltrin
