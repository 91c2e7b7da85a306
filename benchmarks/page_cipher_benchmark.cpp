// The page transform on a protected handle, for a 512-byte and a 64 KiB range
// at file offsets near the start, across a page edge, 1 MiB and 64 MiB deep.
//   Repeated:   the same range again and again on one handle, as a reader
//               that comes back to a record does (the page streams are kept).
//   Sequential: every call a new range, walking on from the offset, so that
//               each page stream is made once: the cost of reading a file
//               through.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "database/page_cipher.h"

namespace gamereg {
namespace {

constexpr char kPassword[] = "391526043";

void BM_TransformRepeated(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    const auto offset = static_cast<std::uint64_t>(state.range(1));
    PageCipher cipher(kPassword);
    std::vector<std::uint8_t> bytes(size, 0);
    cipher.Transform(bytes, offset);
    for (auto _ : state) {
        cipher.Transform(bytes, offset);
        benchmark::DoNotOptimize(bytes.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void BM_TransformSequential(benchmark::State& state) {
    const auto size = static_cast<std::size_t>(state.range(0));
    const auto offset = static_cast<std::uint64_t>(state.range(1));
    // Far enough that the walk never comes back to a page it still holds.
    constexpr std::uint64_t kWalk = std::uint64_t{256} << 20;
    PageCipher cipher(kPassword);
    std::vector<std::uint8_t> bytes(size, 0);
    cipher.Transform(bytes, offset);  // the page words up to the offset
    std::uint64_t at = 0;
    for (auto _ : state) {
        cipher.Transform(bytes, offset + at);
        benchmark::DoNotOptimize(bytes.data());
        benchmark::ClobberMemory();
        at = (at + size) % kWalk;
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void Ranges(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({"size", "offset"});
    for (std::int64_t size : {512, 64 * 1024}) {
        for (std::int64_t offset : {4, 4095 - 512, 1 << 20, 64 << 20}) {
            benchmark->Args({size, offset});
        }
    }
}

BENCHMARK(BM_TransformRepeated)->Apply(Ranges);
BENCHMARK(BM_TransformSequential)->Apply(Ranges);

}  // namespace
}  // namespace gamereg

BENCHMARK_MAIN();
