#include "platform/linux_serial_line.h"

#include "platform/usb_latency.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <linux/serial.h>

#include <atomic>
#include <filesystem>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>

namespace kestrovin {
namespace {

// Interrupts a pending TIOCMIWAIT: the handler does nothing, and without
// SA_RESTART the ioctl returns EINTR.
int WakeSignal() { return SIGRTMIN + 4; }

void InstallWakeHandler() {
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction action {};
        action.sa_handler = [](int) {};
        sigemptyset(&action.sa_mask);
        action.sa_flags = 0;
        sigaction(WakeSignal(), &action, nullptr);
    });
}

bool UnsupportedIoctl(int error) { return error == ENOTTY || error == EINVAL || error == ENOSYS || error == 515; }

class LinuxSerialLine final : public SerialLine {
public:
    LinuxSerialLine(int fd, int wake_fd, std::string device, WaitMethod method, LatencyCheck latency)
        : fd_(fd), wake_fd_(wake_fd), device_(std::move(device)), method_(method), latency_(std::move(latency)) {}

    ~LinuxSerialLine() override {
        close(wake_fd_);
        flock(fd_, LOCK_UN);
        close(fd_);
    }

    WaitResult WaitForDsrChange() override {
        if (cancel_.exchange(false)) return WaitResult::Cancelled;
        if (method_.load() == WaitMethod::ModemInterrupt) return WaitInterrupt();
        return WaitPolling();
    }

    std::optional<bool> ReadDsr() override {
        int status = 0;
        if (ioctl(fd_, TIOCMGET, &status) != 0) return std::nullopt;
        return (status & TIOCM_DSR) != 0;
    }

    void CancelWait() override {
        cancel_.store(true);
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = write(wake_fd_, &one, sizeof one);
        const pthread_t waiter = waiter_.load();
        if (waiter != pthread_t{}) pthread_kill(waiter, WakeSignal());
    }

    WaitMethod wait_method() const override { return method_.load(); }
    std::optional<int> latency_ms() const override { return latency_.latency_ms; }
    std::string hint() const override { return latency_.hint; }

    std::string Description() const override {
        std::string text = device_ + (method_.load() == WaitMethod::ModemInterrupt ? ", ожидание TIOCMIWAIT"
                                                                                    : ", опрос TIOCMGET каждые 0,5 мс");
        if (latency_.latency_ms) text += ", задержка адаптера " + std::to_string(*latency_.latency_ms) + " мс";
        return text;
    }

private:
    WaitResult WaitInterrupt() {
        waiter_.store(pthread_self());
        if (cancel_.exchange(false)) {
            waiter_.store(pthread_t{});
            return WaitResult::Cancelled;
        }
        const int rc = ioctl(fd_, TIOCMIWAIT, TIOCM_DSR);
        const int error = errno;
        waiter_.store(pthread_t{});
        if (rc == 0) return WaitResult::DsrChanged;
        if (error == EINTR) return cancel_.exchange(false) ? WaitResult::Cancelled : WaitResult::OtherEvent;
        if (UnsupportedIoctl(error)) {
            method_.store(WaitMethod::Polling);  // this driver cannot wait for modem lines
            return WaitResult::OtherEvent;
        }
        return WaitResult::Failed;
    }

    WaitResult WaitPolling() {
        const std::optional<bool> start = ReadDsr();
        if (!start) return WaitResult::Failed;
        const timespec period{0, 500'000};
        pollfd wake{wake_fd_, POLLIN, 0};
        while (true) {
            const int ready = ppoll(&wake, 1, &period, nullptr);
            if (ready > 0) {
                std::uint64_t count = 0;
                [[maybe_unused]] const ssize_t got = read(wake_fd_, &count, sizeof count);
                if (cancel_.exchange(false)) return WaitResult::Cancelled;
            }
            const std::optional<bool> now = ReadDsr();
            if (!now) return WaitResult::Failed;
            if (*now != *start) return WaitResult::DsrChanged;
        }
    }

    int fd_;
    int wake_fd_;
    std::string device_;
    std::atomic<WaitMethod> method_;
    std::atomic<bool> cancel_{false};
    std::atomic<pthread_t> waiter_{};
    LatencyCheck latency_;
};

}  // namespace

std::unique_ptr<SerialLine> OpenLinuxSerialLine(const std::string& device, std::string* error,
                                                const std::string& sysfs_root) {
    auto fail = [&](int fd, const char* what) -> std::unique_ptr<SerialLine> {
        const int code = errno;
        if (fd >= 0) close(fd);
        if (error != nullptr) *error = device + ": " + what + " (" + std::strerror(code) + ")";
        return nullptr;
    };
    const int fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return fail(-1, "не открывается");
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) return fail(fd, "занят другой программой");
    if (ioctl(fd, TIOCEXCL) != 0 && errno != ENOTTY) return fail(fd, "монопольный доступ не получен");
    termios settings{};
    if (tcgetattr(fd, &settings) != 0) return fail(fd, "не последовательный порт");
    cfmakeraw(&settings);
    cfsetispeed(&settings, B9600);
    cfsetospeed(&settings, B9600);
    settings.c_cflag = CS8 | CLOCAL | CREAD | B9600;
    if (tcsetattr(fd, TCSANOW, &settings) != 0) return fail(fd, "параметры линии не установлены");
    int status = 0;
    if (ioctl(fd, TIOCMGET, &status) != 0) return fail(fd, "нет модемных линий");
    const int outputs = TIOCM_DTR | TIOCM_RTS;  // the port raises both on open
    ioctl(fd, TIOCMBIC, &outputs);
    if (tcflush(fd, TCIOFLUSH) != 0) return fail(fd, "очистка очередей не удалась");
    // Ask the driver to hand modem-line changes on at once; not every driver can.
    serial_struct serial{};
    if (ioctl(fd, TIOCGSERIAL, &serial) == 0) {
        serial.flags |= ASYNC_LOW_LATENCY;
        ioctl(fd, TIOCSSERIAL, &serial);
    }
    std::error_code ignored;
    const std::filesystem::path real = std::filesystem::canonical(device, ignored);
    const LatencyCheck latency = CheckUsbLatency(sysfs_root, device, (ignored ? std::filesystem::path(device) : real).filename().string());
    serial_icounter_struct counts{};
    const WaitMethod method = ioctl(fd, TIOCGICOUNT, &counts) == 0 ? WaitMethod::ModemInterrupt : WaitMethod::Polling;
    const int wake_fd = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    if (wake_fd < 0) return fail(fd, "нет eventfd");
    InstallWakeHandler();
    return std::make_unique<LinuxSerialLine>(fd, wake_fd, device, method, latency);
}

}  // namespace kestrovin
