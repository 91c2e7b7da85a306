// One round of the tool on the demo database: the open, the six fields it
// reads, the close.

#include <benchmark/benchmark.h>

#include <array>
#include <filesystem>

#include "bench_folder.h"
#include "database/database_access.h"

namespace gamereg {
namespace {

constexpr char kPassword[] = "391526043";
constexpr std::array<const char*, 6> kFields = {"游戏文件检测", "游戏名称",   "注册表工具名称",
                                                "注册表代码",   "注册表卸载", "注册表存在检测"};

void BM_DemoRound(benchmark::State& state) {
    bench::BenchFolder folder;
    const std::filesystem::path demo = GAMEREG_DEMO_DATA;
    for (const char* name : {"registry.edb", "registry.EDT"}) {
        std::filesystem::copy_file(demo / name, folder.PathOf(name));
    }
    const Text dataFile = folder.PathOf("registry.edb");
    for (auto _ : state) {
        if (!OpenDatabase(dataFile, kPassword)) {
            state.SkipWithError("the demo database did not open");
            break;
        }
        for (const char* field : kFields) {
            FieldValue value = ReadField(field);
            benchmark::DoNotOptimize(value);
        }
        if (LastDatabaseError() != 0) state.SkipWithError("a field did not read");
        CloseDatabase();
    }
}
BENCHMARK(BM_DemoRound)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace gamereg

BENCHMARK_MAIN();
