// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes as a practice progress store: the store is read (or set aside as
// damaged), and answers recorded into it, appended and folded, read back as
// the store holds them.

#include "FuzzSupport.h"
#include "engine/ProgressStore.h"

#include <QDir>
#include <QFile>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace veltrin;
    QDir folder(fuzz::programFolder());
    for (const QString& name : folder.entryList(QDir::Files))
        folder.remove(name);
    const QString path = folder.filePath(QStringLiteral("bank.progress"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }

    ProgressStore store(path);
    QString note;
    store.load(&note);
    if (!note.isEmpty() && (QFile::exists(path) || !store.questions().isEmpty()))
        __builtin_trap(); // a damaged file is set aside and progress starts afresh
    // Two answers appended, then one more with everything folded into
    // standings; each time the store reads back as recorded.
    const QString odd = QStringLiteral(" a|b%\u00e9\n");
    const auto readsBack = [&] {
        ProgressStore again(path);
        QString againNote;
        again.load(&againNote);
        return againNote.isEmpty() && again.questions() == store.questions();
    };
    if (!store.record(QStringLiteral("SG001"), size % 2 == 0) || !store.record(odd, size % 3 == 0) || !readsBack())
        __builtin_trap();
    store.setFoldAfter(0);
    if (!store.record(odd, true) || !readsBack())
        __builtin_trap();
    return 0;
}
