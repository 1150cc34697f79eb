#include "cli/record_command.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstring>
#include <ostream>
#include <stdexcept>

#include "capture/capture_thread.h"
#include "capture/frame_decoder.h"
#include "capture/raw_frames.h"
#include "capture/reading_control.h"
#include "files/record_file.h"
#include "params/conversions.h"
#include "platform/atomic_file.h"
#include "platform/ini_file.h"
#include "record/date_time.h"

namespace kestrovin::cli {
namespace {

// Everything from the capture thread (and Ctrl-C) arrives through one pipe as
// messages: a kind byte, a 32-bit length, the payload. Each message is smaller
// than PIPE_BUF, so a write never interleaves with another.
enum : char { kList = 'L', kInfo = 'I', kLost = 'X', kInterrupt = 'S' };

std::atomic<int> interrupt_fd{-1};

void OnInterrupt(int) {
    const int fd = interrupt_fd.load();
    const char message[5] = {kInterrupt, 0, 0, 0, 0};
    if (fd >= 0) [[maybe_unused]] const ssize_t written = write(fd, message, sizeof message);
}

class PipeSink final : public CaptureSink {
public:
    explicit PipeSink(int fd) : fd_(fd) {}
    std::atomic<bool> closing{false};

    void PostEdgeList(EdgeBlock block) override {
        Send(kList, std::string(block.begin(), block.end()));
    }
    void PostInfo(const std::string& text) override { Send(kInfo, text); }
    void PostLineLost() override { Send(kLost, ""); }

private:
    void Send(char kind, const std::string& payload) {
        std::string message(1, kind);
        const auto length = static_cast<std::uint32_t>(payload.size());
        message.append(reinterpret_cast<const char*>(&length), sizeof length);
        message += payload;
        while (!closing.load()) {
            if (write(fd_, message.data(), message.size()) >= 0) return;
            if (errno != EAGAIN && errno != EINTR) return;
            pollfd room{fd_, POLLOUT, 0};
            poll(&room, 1, 10);  // the reader is behind: wait, but let a stop through
        }
    }
    int fd_;
};

bool ReadExactly(int fd, void* data, std::size_t size) {
    auto* at = static_cast<char*>(data);
    while (size > 0) {
        const ssize_t n = read(fd, at, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        at += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

struct Options {
    int port = 0;
    long frames = -1;
    std::string out;
};

Options ParseOptions(const std::vector<std::string>& args) {
    Options options;
    if (args.size() < 2) throw std::invalid_argument("команде record нужен порт, например COM50");
    const std::string& port = args[1];
    const PortChoice choice = PortFromSelector(port.rfind("COM", 0) == 0 ? port : "COM" + port);
    if (!choice.number) throw std::invalid_argument("порт должен быть вида COM5 или 5: «" + port + "»");
    options.port = *choice.number;
    for (std::size_t i = 2; i < args.size(); ++i) {
        if (args[i] == "--frames" && i + 1 < args.size()) {
            int n = 0;
            if (!ParseIniInteger(args[++i], n) || n < 1) throw std::invalid_argument("--frames ожидает целое число больше 0");
            options.frames = n;
        } else if (args[i] == "--out" && i + 1 < args.size()) {
            options.out = args[++i];
        } else {
            throw std::invalid_argument("неизвестный или неполный параметр команды record: " + args[i]);
        }
    }
    return options;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// A ".kvr" name gets a record file (with the default description), anything
// else the raw frame table.
std::string RecordedFileBytes(const std::string& path, const std::vector<FrameBytes>& frames,
                              const std::vector<DateTime>& stamps, const LocaleFormat& locale) {
    if (!EndsWith(path, ".kvr")) return FormatRawFrames(frames);
    FrameStore store;
    const std::size_t count = std::min<std::size_t>(frames.size(), kStoreCapacity);
    for (std::size_t i = 0; i < count; ++i) store.StoreFrame(static_cast<int>(i) + 1, MakeFrame(frames[i]), stamps[i]);
    store.SetFrameCount(static_cast<int>(count));
    RecordingExtras extras;
    extras.description = DefaultDescription();
    return WriteRecordFile(store, extras, locale);
}

}  // namespace

int Record(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, const LocaleFormat& locale,
           SerialPortOpener& opener, const WaitableClock& clock) {
    const Options options = ParseOptions(args);
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error(std::string("pipe: ") + std::strerror(errno));
    fcntl(fds[1], F_SETFL, O_NONBLOCK);
    PipeSink sink(fds[1]);
    std::atomic<bool> inverted{false};
    std::atomic<std::int32_t> next_frame{1};
    std::atomic<bool> unsaved{false};
    CapturePort port(opener, clock, sink, inverted, next_frame, unsaved);
    if (!port.OpenCapturePort(options.port)) {
        close(fds[0]);
        close(fds[1]);
        err << "kestrovin-cli: Ошибка открытия COM" << options.port;
        const std::string reason = opener.LastError();
        if (!reason.empty()) err << ": " << reason;
        err << '\n';
        return 1;
    }
    out << "# COM" << options.port << ": " << port.Description() << '\n' << std::flush;
    if (const std::string hint = port.Hint(); !hint.empty()) err << "kestrovin-cli: " << hint << '\n';

    interrupt_fd = fds[1];
    struct sigaction action {}, previous {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &previous);

    std::vector<FrameBytes> frames;
    std::vector<DateTime> stamps;
    const UnitSettings units;
    int status = 0;
    while (options.frames < 0 || static_cast<long>(frames.size()) < options.frames) {
        char kind = 0;
        std::uint32_t length = 0;
        if (!ReadExactly(fds[0], &kind, 1) || !ReadExactly(fds[0], &length, sizeof length)) break;
        std::string payload(length, '\0');
        if (!ReadExactly(fds[0], payload.data(), length)) break;
        if (kind == kInterrupt) break;
        if (kind == kInfo) {
            err << "kestrovin-cli: " << payload << '\n';
            continue;
        }
        if (kind == kLost) {
            err << "kestrovin-cli: порт потерян, чтение остановлено\n";
            status = 1;
            break;
        }
        const EdgeBlock block(payload.begin(), payload.end());
        Frame frame;
        if (DecodeEdgeList(block, frame) != DecodeOutcome::Good) {
            out << "bad\n" << std::flush;
            continue;
        }
        const FrameBytes bytes = AllFrameBytes(frame);
        frames.push_back(bytes);
        stamps.push_back(LocalNow());
        next_frame.store(static_cast<std::int32_t>(frames.size()) + 1);
        const CivilTime now = FromDateTime(stamps.back());
        out << frames.size() << '\t' << FormatTimeOfDay(locale.long_time_pattern, now.hour, now.minute, now.second);
        for (int p = 1; p <= kAnalogueParameters; ++p)
            out << '\t' << ParameterValueText(p, bytes, units, locale.decimal_separator);
        out << '\n' << std::flush;
    }
    sigaction(SIGINT, &previous, nullptr);
    interrupt_fd = -1;
    sink.closing = true;
    port.CloseCapturePort();
    close(fds[0]);
    close(fds[1]);
    if (!options.out.empty()) {
        try {
            WriteFileAtomically(options.out, RecordedFileBytes(options.out, frames, stamps, locale));
        } catch (const std::exception& error) {
            err << "kestrovin-cli: " << error.what() << '\n';
            return 1;
        }
    }
    return status;
}

}  // namespace kestrovin::cli
