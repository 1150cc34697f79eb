#include "platform/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace kestrovin {
namespace {

[[noreturn]] void Fail(const std::string& path, const char* what, int error,
                       FileWriteError::Stage stage = FileWriteError::Stage::Write) {
    throw FileWriteError(stage, "Не удалось записать файл " + path + ": " + what + " (" + std::strerror(error) + ")");
}

}  // namespace

void WriteFileAtomically(const std::string& path, std::string_view bytes) {
    std::string temp = path + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) Fail(path, "временный файл не создан", errno, FileWriteError::Stage::Create);
    auto abandon = [&](const char* what) {
        const int error = errno;
        close(fd);
        unlink(temp.c_str());
        Fail(path, what, error);
    };
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            abandon("ошибка записи");
        }
        written += static_cast<std::size_t>(n);
    }
    if (fchmod(fd, 0644) != 0) abandon("права доступа не установлены");
    if (fsync(fd) != 0) abandon("данные не сброшены на диск");
    if (close(fd) != 0) {
        const int error = errno;
        unlink(temp.c_str());
        Fail(path, "ошибка закрытия", error);
    }
    if (rename(temp.c_str(), path.c_str()) != 0) {
        const int error = errno;
        unlink(temp.c_str());
        Fail(path, "файл не заменён", error);
    }
    // The new name itself must reach the disk too.
    const std::size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const int folder_fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder_fd >= 0) {
        fsync(folder_fd);
        close(folder_fd);
    }
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) return false;
    bytes = std::move(content).str();
    return true;
}

}  // namespace kestrovin
