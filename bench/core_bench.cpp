// Speed of the core per frame: decoding one edge list and building one sheet.
#include <benchmark/benchmark.h>

#include "capture/edge_list.h"
#include "capture/frame_decoder.h"
#include "capture/frame_encoder.h"
#include "views/frame_sheet.h"

namespace kestrovin {
namespace {

const FrameBytes kTypical{17, 113, 96, 45, 4, 228, 0, 60, 128, 0, 0, 146};

void DecodeOneFrame(benchmark::State& state) {
    const EdgeBlock block = PackEdgeList(EncodeEdgeList(MakeFrame(kTypical)));
    Frame frame;
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecodeEdgeList(block, frame));
        benchmark::ClobberMemory();
    }
    state.counters["records"] = static_cast<double>(block.size() / kEdgeRecordBytes);
}
BENCHMARK(DecodeOneFrame);

void BuildOneSheet(benchmark::State& state) {
    FrameStore store;
    store.StoreFrame(1, MakeFrame(kTypical), 46000.5);
    const LocaleFormat locale{",", "H:mm:ss"};
    const UnitSettings units;
    double last_coolant = 0;
    for (auto _ : state) benchmark::DoNotOptimize(BuildFrameSheet(store, 1, units, locale, last_coolant));
}
BENCHMARK(BuildOneSheet);

}  // namespace
}  // namespace kestrovin

BENCHMARK_MAIN();
