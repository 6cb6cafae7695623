#pragma once

#include "studentfiles/Combinations.h"

#include <cstdint>
#include <string>

namespace vexelgen {

struct GenerationOptions {
    std::string runDirectory = ".";
    int candidates = 45000;
    std::uint64_t seed = 20120601;
    int eventFiles = kCombinations;
    int eventsPerFile = 30;
    bool pictures = true;
};

// Writes the data files of the run directory: share/VexelLumora/ (geometry, event files,
// candidate file, logo) and Icons/. Every file is written to a temporary name and renamed.
// Throws std::runtime_error (or rootio::Error) on failure.
class DataSetWriter {
public:
    explicit DataSetWriter(GenerationOptions options) : options_(std::move(options)) {}

    void writeAll() const;
    void writeGeometry() const;
    void writeEventFiles() const;
    void writeCandidates() const;

    static std::string eventFileName(int combination);

private:
    std::string shareDir() const;

    GenerationOptions options_;
};

// Writes `contents` to `path` through a temporary file in the same directory.
void writeFileAtomically(const std::string& path, const std::string& contents);

} // namespace vexelgen
