// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as a question bank for the bank checker.

#include "BankCheck.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace veltrin;
    fuzz::writeBank(data, size);
    const QString folder = fuzz::programFolder();
    const BankReport report = checkBank(folder + QStringLiteral("/veltrin.dll"), folder);
    if (report.errors() + report.warnings() != static_cast<int>(report.findings.size()))
        __builtin_trap();
    return 0;
}
