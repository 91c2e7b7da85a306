// ReadField of a memo text of 1 KiB, 100 KiB and 10 MiB in a protected
// database on disk; the files were just written, so the page cache is warm.
//   FirstRead:    the first read after the open, as the tool reads its
//                 script; only the read is timed.
//   RepeatedRead: the same value again and again on one open database.
// Time per byte is the inverse of the bytes per second.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>

#include "bench_folder.h"
#include "database/database_access.h"
#include "database/database_writer.h"

namespace gamereg {
namespace {

constexpr char kPassword[] = "391526043";
constexpr char kField[] = "脚本";

// The database holding a memo of `size` bytes, written once per process.
Text MemoDatabase(std::size_t size) {
    static bench::BenchFolder folder;
    static std::map<std::size_t, Text> made;
    if (auto found = made.find(size); found != made.end()) return found->second;

    const Text path = folder.PathOf(("memo-" + std::to_string(size) + ".edb").c_str());
    DatabaseDefinition definition;
    definition.password = kPassword;
    definition.fields = {{kField, 12, 0}};
    Text script;
    script.reserve(size);
    for (std::size_t k = 0; k < size; ++k) script += static_cast<char>('A' + k % 26);
    definition.records = {{0, {FieldValue(script)}}};
    if (!WriteDatabase(definition, path).empty()) return {};
    return made.emplace(size, path).first->second;
}

bool HasSize(const FieldValue& value, std::size_t size) {
    const Text* text = std::get_if<Text>(&value);
    return text != nullptr && text->size() == size;
}

void BM_MemoFirstRead(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    const Text path = MemoDatabase(size);
    for (auto _ : state) {
        if (!OpenDatabase(path, kPassword)) {
            state.SkipWithError("the database did not open");
            break;
        }
        const auto start = std::chrono::steady_clock::now();
        FieldValue value = ReadField(kField);
        const auto end = std::chrono::steady_clock::now();
        CloseDatabase();
        if (!HasSize(value, size)) {
            state.SkipWithError("the memo did not read back whole");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void BM_MemoRepeatedRead(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    if (!OpenDatabase(MemoDatabase(size), kPassword)) {
        state.SkipWithError("the database did not open");
        return;
    }
    for (auto _ : state) {
        FieldValue value = ReadField(kField);
        if (!HasSize(value, size)) {
            state.SkipWithError("the memo did not read back whole");
            break;
        }
        benchmark::DoNotOptimize(value);
    }
    CloseDatabase();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgName("size");
    for (std::int64_t size : {1 << 10, 100 << 10, 10 << 20}) benchmark->Arg(size);
}

BENCHMARK(BM_MemoFirstRead)->Apply(Sizes)->UseManualTime();
BENCHMARK(BM_MemoRepeatedRead)->Apply(Sizes);

}  // namespace
}  // namespace gamereg

BENCHMARK_MAIN();
