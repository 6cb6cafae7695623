#pragma once

#include <stdexcept>
#include <string>

namespace rootio {

// Every failure of the library: what() names the file and what is wrong.
class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
    Error(const std::string& path, const std::string& problem)
        : std::runtime_error(fileLabel(path) + ": " + problem) {}

    // The file name shown in messages: the last path component.
    static std::string fileLabel(const std::string& path) {
        const auto slash = path.find_last_of('/');
        return slash == std::string::npos ? path : path.substr(slash + 1);
    }
};

} // namespace rootio
