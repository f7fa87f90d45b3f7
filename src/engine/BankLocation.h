// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Language.h"

#include <QString>
#include <QStringList>

namespace veltrin {

// Where the question bank to read is, and the folder its pictures are looked
// up from. The program, the bank checker and every other reader of a bank
// find it here.
struct BankLocation {
    QString file;   // the bank file
    QString folder; // the bank's own folder: see pictureFolders
};

// The bank for `language`, from the program folder or from `bankOption`
// (the FILE of --bank, empty without it):
//   English: `bankOption`, or the program folder's "veltrin.dll".
//   Spanish: the file of the same name in an "es" folder beside it
//            ("es/veltrin.dll") when there is one, and the English file
//            otherwise: a language never turns a working bank into a refusal.
// So a teacher's folder laid out like the program folder (veltrin.dll,
// es/veltrin.dll, pictures/) serves both languages from one --bank.
BankLocation locateBank(const QString& programFolder, Language language, const QString& bankOption = {});

// The folders a bank's pictures are looked up in, in order: the bank's own
// folder, and for a bank in a folder named "es" (the Spanish bank of a folder
// laid out like the program folder) the folder above it, where the pictures
// both languages share are.
QStringList pictureFolders(const QString& bankFolder);

// Finds a picture the bank names (see findProgramFile) in the first of
// pictureFolders(bankFolder) that has it; an empty text when none has.
QString findBankPicture(const QString& bankFolder, const QString& name);

} // namespace veltrin
