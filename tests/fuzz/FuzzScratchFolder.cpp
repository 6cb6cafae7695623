#include "FuzzScratchFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace fs = std::filesystem;

FuzzScratchFolder::FuzzScratchFolder(const std::string& name) {
    const char* tmp = std::getenv("TMPDIR");
    const std::string base = fs::is_directory("/dev/shm") ? "/dev/shm" : tmp ? tmp : "/tmp";
    std::string pattern = base + "/vexel-" + name + "-XXXXXX";
    std::vector<char> buf(pattern.begin(), pattern.end());
    buf.push_back('\0');
    if (!mkdtemp(buf.data())) {
        std::perror(pattern.c_str());
        std::abort();
    }
    path_ = buf.data();
}

FuzzScratchFolder::~FuzzScratchFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
}

std::string FuzzScratchFolder::freshFolder(const std::string& name) const {
    const std::string p = path_ + "/" + name;
    fs::remove_all(p);
    fs::create_directories(p);
    return p;
}

void FuzzScratchFolder::write(const std::string& path, const std::uint8_t* data, std::size_t size) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    if (!out) {
        std::perror(path.c_str());
        std::abort();
    }
}
