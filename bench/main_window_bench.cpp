// One MemoDraw of the visible main window: the sheet, the two lists and the
// protocol column, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>

#include "capture/edge_list.h"
#include "capture/frame_encoder.h"
#include "platform/dialogs.h"
#include "shell/program.h"
#include "views/main_window.h"

namespace kestrovin {
namespace {

void MemoDrawVisibleMainWindow(benchmark::State& state) {
    SilentDialogs dialogs;
    Program program(dialogs, LocaleFormat{",", "H:mm:ss"});
    program.Start();
    TForm1& main = program.main_window();
    for (int i = 0; i < 100; ++i) {
        program.current_frame = MakeFrame({static_cast<std::uint8_t>(i), 113, 96, 45, 4, 228, 0, 60, 128, 0, 0, 146});
        program.recording().AppendFrame();
    }
    if (state.range(0) != 0) main.action(QStringLiteral("Байты протокола"))->trigger();
    QCoreApplication::processEvents();
    int k = 1;
    for (auto _ : state) {
        main.MemoDraw(k);
        QCoreApplication::processEvents();  // the repaint the draw asked for
        k = k % 100 + 1;
    }
}
BENCHMARK(MemoDrawVisibleMainWindow)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kestrovin

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
