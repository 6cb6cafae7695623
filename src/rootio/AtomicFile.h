#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rootio {

// A file replaced in one step. The content goes to a temporary file with a short name
// (".vx" and six random characters) in the target's directory, written through write() or
// by another library under temporaryPath(); commit() renames it over the target. Until then
// the target keeps what it held; an AtomicFile destroyed without commit() removes its
// temporary file. Failures throw rootio::Error naming the target.
class AtomicFile {
public:
    explicit AtomicFile(std::string target);
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    const std::string& target() const { return target_; }
    const std::string& temporaryPath() const { return temporary_; }

    void write(const std::vector<std::uint8_t>& bytes);
    // Flushes the content to the disk, gives it the permissions of a newly made file and
    // renames it over the target. An empty temporary file counts as a failed write.
    void commit();

private:
    std::string target_;
    std::string temporary_;
    int fd_ = -1;
    bool committed_ = false;
};

// Replaces `path` by `bytes` through an AtomicFile.
void replaceFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace rootio
