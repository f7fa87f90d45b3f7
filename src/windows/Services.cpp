// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Services.h"

#include "platform/ProgramFolder.h"

namespace veltrin {

QString Services::bankPath() const
{
    return bankFile.isEmpty() ? programPath(folder, bankName(language)) : bankFile;
}

} // namespace veltrin
