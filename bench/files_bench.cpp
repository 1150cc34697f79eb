// Saving and loading a full recording of 2000 frames, file system included.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>

#include "files/record_file.h"
#include "files/table_export.h"
#include "platform/atomic_file.h"

namespace kestrovin {
namespace {

void FillStore(FrameStore& store, RecordingExtras& extras) {
    std::mt19937 random(1);
    for (int k = 1; k <= kStoreCapacity; ++k) {
        StoredFrame& f = store.frame(k);
        for (auto& b : f.analogue) b = static_cast<std::uint8_t>(random() % 256);
        for (auto& b : f.identifier_bits) b = random() % 2;
        for (auto& b : f.flags11) b = random() % 2;
        for (auto& b : f.flags12) b = random() % 2;
        f.time_stamp = 46000.25 + k * 1.34 / 86400;
    }
    store.SetFrameCount(kStoreCapacity);
    extras.samples[0] = std::vector<std::string>(28, "12,500 мс.");
    extras.description = DefaultDescription();
    extras.description.additional = "Запись поездки\nвторая строка";
}

const std::string kPath = "/tmp/kestrovin-bench.kvr";

void SaveFullRecording(benchmark::State& state) {
    FrameStore store;
    RecordingExtras extras;
    FillStore(store, extras);
    const LocaleFormat locale{",", "H:mm:ss"};
    for (auto _ : state) WriteFileAtomically(kPath, WriteRecordFile(store, extras, locale));
    std::remove(kPath.c_str());
}
BENCHMARK(SaveFullRecording)->Unit(benchmark::kMillisecond);

void LoadFullRecording(benchmark::State& state) {
    FrameStore store;
    RecordingExtras extras;
    FillStore(store, extras);
    WriteFileAtomically(kPath, WriteRecordFile(store, extras, LocaleFormat{}));
    FrameStore target;
    for (auto _ : state) {
        std::string bytes;
        ReadWholeFile(kPath, bytes);
        const RecordLoad load = ReadRecordFile(bytes);
        PutIntoStore(load.recording, target);
        benchmark::DoNotOptimize(target.frame_count());
    }
    std::remove(kPath.c_str());
}
BENCHMARK(LoadFullRecording)->Unit(benchmark::kMillisecond);

void ExportFullRecording(benchmark::State& state) {
    FrameStore store;
    RecordingExtras extras;
    FillStore(store, extras);
    for (auto _ : state)
        benchmark::DoNotOptimize(WriteTableExport(store, extras.samples, extras.description.additional, LocaleFormat{}));
}
BENCHMARK(ExportFullRecording)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kestrovin

BENCHMARK_MAIN();
