#pragma once

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

namespace vexel::test {

// A fresh folder under the system's temporary folder, removed with its contents when the
// object goes.
class TemporaryFolder {
public:
    explicit TemporaryFolder(const std::string& label = "vexel-test") {
        std::string pattern =
            (std::filesystem::temp_directory_path() / (label + "-XXXXXX")).string();
        if (!::mkdtemp(&pattern[0]))
            throw std::runtime_error("cannot make a temporary folder " + pattern);
        path_ = pattern;
    }
    ~TemporaryFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // A file in the folder.
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

} // namespace vexel::test
