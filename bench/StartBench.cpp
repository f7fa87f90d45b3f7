// SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How much an exam start costs beside simply reading the bank's lines.
//
//   cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DVELTRIN_BENCHMARKS=ON
//   cmake --build build-bench --target start_bench
//   build-bench/bench/start_bench
//
// Every start reads and checks the whole file, as the bare reads read it; the
// start is also made to want the bank's last record.

#include "engine/BankReader.h"
#include "engine/Exam.h"
#include "engine/LineSource.h"
#include "platform/Random.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <fstream>
#include <string>

namespace {

using namespace veltrin;

// Draws record N first and then keeps the deck in order: records N, 2..20.
class LastRecordFirst final : public RandomSource {
public:
    void seedFromClock() override { m_first = true; }
    float next() override
    {
        const float r = m_first ? 0.0F : 0.99999994F;
        m_first = false;
        return r;
    }

private:
    bool m_first = true;
};

struct Bank {
    QTemporaryDir dir;
    QString path;
    int records = 0;

    explicit Bank(int n)
        : path(dir.filePath(QStringLiteral("veltrin.dll")))
        , records(n)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        file.write(QByteArray::number(n) + " Copyright benchmark bank\r\n");
        for (int i = 1; i <= n; ++i) {
            const QByteArray id = QByteArray::number(i);
            file.write("Q.topic/ID" + id + "/" + QByteArray::number(i % 4 + 1) + "/pictures\\sign" + id + ".png\r\n");
            file.write("What should a driver do in situation number " + id + " when the road ahead is wet?\r\n");
            file.write("1. Slow down and leave more room ahead\r\n");
            file.write("2. Keep the same speed as in dry weather\r\n");
            file.write("3. Follow the car ahead more closely\r\n");
            file.write("4. Turn on the high beams\r\n");
            file.write("\r\n");
        }
    }
};

long peakRssKiB()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

Bank& bankOf(int n)
{
    static Bank small(1000);
    static Bank large(32767);
    return n == 1000 ? small : large;
}

void BM_ExamStart(benchmark::State& state)
{
    Bank& bank = bankOf(static_cast<int>(state.range(0)));
    LastRecordFirst random;
    for (auto _ : state) {
        Exam exam;
        random.seedFromClock();
        if (!exam.start(bank.dir.path(), random))
            state.SkipWithError(exam.error().detail().toStdString().c_str());
        benchmark::DoNotOptimize(exam.examq(20).text.size());
    }
    state.counters["peak_rss_KiB"] = static_cast<double>(peakRssKiB());
}

void BM_BareGetline(benchmark::State& state)
{
    Bank& bank = bankOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::ifstream in(bank.path.toStdString(), std::ios::binary);
        std::string line;
        std::size_t lines = 0;
        while (std::getline(in, line))
            ++lines;
        benchmark::DoNotOptimize(lines);
    }
}

void BM_BareQFileReadLine(benchmark::State& state)
{
    Bank& bank = bankOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QFile file(bank.path);
        file.open(QIODevice::ReadOnly);
        std::size_t lines = 0;
        while (!file.atEnd()) {
            benchmark::DoNotOptimize(file.readLine());
            ++lines;
        }
        benchmark::DoNotOptimize(lines);
    }
}

BENCHMARK(BM_ExamStart)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareGetline)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareQFileReadLine)->Arg(1000)->Arg(32767)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
