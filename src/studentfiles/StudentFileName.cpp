#include "studentfiles/StudentFileName.h"

#include <algorithm>
#include <cctype>

namespace studentfiles {

const char* const kMassHistogramPrefix = "MassHistogram_";
const char* const kLifetimePrefix = "D0Lifetime_";

namespace {
const std::string kExtension = ".root";

bool startsWith(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

const char* prefixOf(StudentFileKind kind) {
    return kind == StudentFileKind::MassHistogram ? kMassHistogramPrefix : kLifetimePrefix;
}
} // namespace

std::string studentFilePath(const std::string& outputDir, StudentFileKind kind,
                            const std::string& tail) {
    std::string safe = tail;
    std::replace(safe.begin(), safe.end(), '/', '_');
    std::replace(safe.begin(), safe.end(), '\0', '_');
    return outputDir + prefixOf(kind) + safe;
}

std::string lifetimeResultsPath(const std::string& outputDir, int combination,
                                const std::string& identity) {
    return studentFilePath(outputDir, StudentFileKind::LifetimeResults,
                           std::to_string(combination) + "_" + identity + kExtension);
}

bool looksLikeStudentFile(const std::string& fileName) {
    return startsWith(fileName, kMassHistogramPrefix) || startsWith(fileName, kLifetimePrefix);
}

std::optional<StudentFileName> parseStudentFileName(const std::string& fileName) {
    StudentFileName out;
    if (startsWith(fileName, kMassHistogramPrefix))
        out.kind = StudentFileKind::MassHistogram;
    else if (startsWith(fileName, kLifetimePrefix))
        out.kind = StudentFileKind::LifetimeResults;
    else
        return std::nullopt;
    std::string rest = fileName.substr(std::string(prefixOf(out.kind)).size());
    if (rest.size() <= kExtension.size() ||
        rest.compare(rest.size() - kExtension.size(), kExtension.size(), kExtension) != 0)
        return std::nullopt;
    rest.resize(rest.size() - kExtension.size());
    std::size_t digits = 0;
    while (digits < rest.size() && digits < 4 &&
           std::isdigit(static_cast<unsigned char>(rest[digits])))
        ++digits;
    if (digits == 0 || digits >= rest.size() || rest[digits] != '_' || digits + 1 == rest.size())
        return std::nullopt;
    out.combination = std::stoi(rest.substr(0, digits));
    if (out.combination < 1 || out.combination > kCombinations)
        return std::nullopt;
    out.identity = rest.substr(digits + 1);
    const auto first = out.identity.find('_');
    const auto second = first == std::string::npos ? first : out.identity.find('_', first + 1);
    if (second != std::string::npos && out.identity.find('_', second + 1) == std::string::npos &&
        first > 0 && second > first + 1 && second + 1 < out.identity.size()) {
        out.name = out.identity.substr(0, first);
        out.surname = out.identity.substr(first + 1, second - first - 1);
        out.grade = out.identity.substr(second + 1);
    }
    return out;
}

} // namespace studentfiles
