// Renders the program's windows with a few frames of the real drive into PNG
// files, for the documentation and for a look at the layout.
//   screenshots OUTPUT_FOLDER [real-drive.csv]
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>
#include <QTimer>

#include "capture/edge_list.h"
#include "capture/frame_encoder.h"
#include "capture/raw_frames.h"
#include "platform/atomic_file.h"
#include "platform/dialogs.h"
#include "shell/program.h"
#include "views/main_window.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 2) return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(folder);
    std::vector<kestrovin::FrameBytes> frames;
    std::string text;
    if (argc > 2 && kestrovin::ReadWholeFile(argv[2], text)) frames = kestrovin::ParseRawFrames(text);
    frames.resize(std::min<std::size_t>(frames.size(), 400));

    kestrovin::SilentDialogs dialogs;
    kestrovin::Program program(dialogs, kestrovin::LocaleFormat{",", "H:mm:ss"});
    program.Start();
    kestrovin::TForm1& main = program.main_window();
    QTest::qWait(100);
    for (const auto& bytes : frames)
        QCoreApplication::postEvent(&main, new kestrovin::EdgeListEvent(kestrovin::PackEdgeList(
                                               kestrovin::EncodeEdgeList(kestrovin::MakeFrame(bytes)))));
    QTest::qWait(100);
    if (!frames.empty()) program.recording().MoveToFrame(static_cast<int>(frames.size()) - 20);
    main.grab().save(folder + "/main-window-plain.png");
    main.SampleButtonPressed(0, Qt::LeftButton);
    main.action(QStringLiteral("Байты протокола"))->trigger();
    main.action(QStringLiteral("Три отсчёта"))->trigger();
    program.recording().MoveToFrame(program.store.current_frame() + 15);
    main.SampleButtonPressed(1, Qt::LeftButton);
    main.BookmarkPressed(0, Qt::LeftButton);
    QTest::qWait(100);
    main.grab().save(folder + "/main-window.png");
    for (QWidget* window : program.windows()) {
        if (window == &main) continue;
        window->show();
        QTest::qWait(50);
        window->grab().save(folder + "/" + window->objectName() + ".png");
        window->hide();
    }
    return 0;
}
