// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What recording one practice answer costs, on a store of 600 questions:
//
//   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVELTRIN_BENCHMARKS=ON
//   cmake --build build-bench --target progress_bench
//   build-bench/bench/progress_bench
//
// BM_RecordAnswer is the store as the program writes it: one line appended
// under the file's lock, and now and then every answer folded into the
// store through QSaveFile. BM_RecordAnswerRewritingTheStore folds at every
// answer: the whole store rewritten and synced, as a store without appends
// would write it.

#include "engine/ProgressStore.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace veltrin;

constexpr int kQuestions = 600;

void recordAnswers(benchmark::State& state, int foldAfter)
{
    QTemporaryDir dir;
    ProgressStore store(dir.filePath(QStringLiteral("progress/bank.progress")));
    for (int i = 1; i <= kQuestions; ++i) {
        if (!store.record(QStringLiteral("ID%1").arg(i), i % 3 != 0))
            std::abort();
    }
    store.load();
    store.setFoldAfter(foldAfter);
    int next = 0;
    for (auto _ : state) {
        const QString id = QStringLiteral("ID%1").arg(next % kQuestions + 1);
        if (!store.record(id, next % 4 != 0))
            state.SkipWithError("the store cannot be written");
        ++next;
    }
}

void BM_RecordAnswer(benchmark::State& state)
{
    recordAnswers(state, ProgressStore::kFoldAfter);
}

void BM_RecordAnswerRewritingTheStore(benchmark::State& state)
{
    recordAnswers(state, 0);
}

BENCHMARK(BM_RecordAnswer)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_RecordAnswerRewritingTheStore)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
