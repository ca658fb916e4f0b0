#pragma once
#include <QString>

#include <optional>
#include <string>
#include <variant>

namespace media {

// A file the program opened for a reader: read-only, without blocking,
// never as a controlling terminal, closed on exec unless handed on. The
// descriptor is closed with the object.
class OpenedFile {
public:
    OpenedFile() = default;
    explicit OpenedFile(int descriptor) : descriptor_(descriptor) {}
    OpenedFile(OpenedFile&& other) noexcept : descriptor_(other.release()) {}
    OpenedFile& operator=(OpenedFile&& other) noexcept;
    OpenedFile(const OpenedFile&) = delete;
    OpenedFile& operator=(const OpenedFile&) = delete;
    ~OpenedFile();

    int descriptor() const { return descriptor_; }
    int release();

private:
    int descriptor_ = -1;
};

// The largest file handed to a reader: more than a large-format scan at
// 48 bits per pixel. Only the header is read, so size costs no time.
constexpr long long MaxFileBytes = 16LL * 1024 * 1024 * 1024;

// Opens a readable, non-empty regular file below the size limit, or says in
// one German line why not. Folders, pipes and devices are refused after the
// open that cannot block, before anyone reads from them.
std::variant<OpenedFile, std::string> openForReading(const QString& path);

} // namespace media
