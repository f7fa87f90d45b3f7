// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as a question bank: the reader reads and decodes every record, an
// exam starts (or refuses the bank) and is answered through to its result.

#include "FuzzSupport.h"
#include "engine/BankReader.h"
#include "engine/Exam.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace veltrin;
    fuzz::writeBank(data, size);
    const QString folder = fuzz::programFolder();

    BankReader reader;
    if (reader.openq(folder)) {
        reader.recno = 0;
        while (reader.dbeof == 0) {
            reader.readq();
            const QRecord record = reader.curq();
            (void)correctNumber(record.correct);
            (void)reader.recordFault();
            (void)reader.dbline();
        }
    }
    (void)reader.error();

    fuzz::InputRandom random(data, size);
    Exam exam;
    if (exam.start(folder, random)) {
        while (exam.advance()) {
            for (int index = 0; index < 4; ++index)
                (void)exam.verdict(index);
        }
    } else if (exam.error().isEmpty()) {
        __builtin_trap(); // a refusal always says why
    }
    return 0;
}
