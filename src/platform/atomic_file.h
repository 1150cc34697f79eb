#pragma once
// Whole-file writes that never leave a half-written file behind: the bytes go to
// a temporary file in the same folder, are flushed to disk, and only then
// replace the target by rename. On failure the previous file is untouched.
#include <stdexcept>
#include <string>
#include <string_view>

namespace kestrovin {

class FileWriteError : public std::runtime_error {
public:
    // Created: the file could not even be started; Written: a later step failed.
    enum class Stage { Create, Write };
    FileWriteError(Stage stage, const std::string& message) : std::runtime_error(message), stage_(stage) {}
    Stage stage() const { return stage_; }

private:
    Stage stage_;
};

// Throws FileWriteError with a message naming the file and the system's reason.
void WriteFileAtomically(const std::string& path, std::string_view bytes);

// Reads a whole file; empty optional-like result is signalled by the bool.
bool ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace kestrovin
