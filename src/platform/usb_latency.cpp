#include "platform/usb_latency.h"

#include <fcntl.h>
#include <unistd.h>

#include "platform/atomic_file.h"
#include "platform/ini_file.h"

namespace kestrovin {
namespace {

std::optional<int> ReadLatency(const std::string& path) {
    std::string text;
    int value = 0;
    if (!ReadWholeFile(path, text)) return std::nullopt;
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
    if (!ParseIniInteger(text, value)) return std::nullopt;
    return value;
}

}  // namespace

bool WriteSysfsFile(const std::string& path, const std::string& text) {
    const int fd = open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return false;
    const bool written = write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    return close(fd) == 0 && written;
}

LatencyCheck CheckUsbLatency(const std::string& sysfs_root, const std::string& device, const std::string& tty,
                             const SysfsWriter& write) {
    LatencyCheck check;
    const std::string path = sysfs_root + "/bus/usb-serial/devices/" + tty + "/latency_timer";
    check.latency_ms = ReadLatency(path);
    if (!check.latency_ms || *check.latency_ms <= kLatencyLimitMs) return check;
    if (write(path, "1") ) {
        if (const std::optional<int> now = ReadLatency(path)) check.latency_ms = now;
        if (*check.latency_ms <= kLatencyLimitMs) return check;
    }
    check.hint = "Адаптер " + device + " сообщает о фронтах с задержкой " + std::to_string(*check.latency_ms) +
                 " мс, кадры будут теряться. Исправить: echo 1 | sudo tee " + path +
                 " (или правило udev из README)";
    return check;
}

}  // namespace kestrovin
