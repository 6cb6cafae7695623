#pragma once

#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace rootiotest {

inline std::string genuine(const std::string& name) {
    return std::string(VEXEL_SHARED_DIR) + "/testdata/rootfiles/" + name;
}

inline bool haveGenuineFiles() {
    return std::filesystem::exists(genuine("uproot-simple.root"));
}

#define SKIP_WITHOUT_GENUINE_FILES()                                                               \
    if (!rootiotest::haveGenuineFiles())                                                           \
    GTEST_SKIP() << "no genuine ROOT files in " VEXEL_SHARED_DIR

// A fresh directory, removed with its contents at the end of the test.
using TempDir = vexel::test::TemporaryFolder;

inline std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline void writeBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline std::uint32_t be32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) << 24 | static_cast<std::uint32_t>(b[at + 1]) << 16 |
           static_cast<std::uint32_t>(b[at + 2]) << 8 | b[at + 3];
}

} // namespace rootiotest
