#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A folder of its own for one fuzzing process (in /dev/shm when there is one), removed when
// the process ends normally. The targets write each input there as a file, since the teacher's
// window reads files.
class FuzzScratchFolder {
public:
    explicit FuzzScratchFolder(const std::string& name);
    ~FuzzScratchFolder();
    FuzzScratchFolder(const FuzzScratchFolder&) = delete;
    FuzzScratchFolder& operator=(const FuzzScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    // Empties the subfolder `name` (made when missing) and returns its path.
    std::string freshFolder(const std::string& name) const;
    // Writes the bytes to path (parent folders made); aborts when it cannot.
    static void write(const std::string& path, const std::uint8_t* data, std::size_t size);

private:
    std::string path_;
};
