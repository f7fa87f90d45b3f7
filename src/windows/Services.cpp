// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/Services.h"

#include "engine/BankReader.h"

namespace veltrin {

QString Services::bankPath() const
{
    return bankFile.isEmpty() ? BankReader::pathIn(folder) : bankFile;
}

} // namespace veltrin
