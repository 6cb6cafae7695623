#include "classroom/WhichFileCounts.h"

#include <tuple>

namespace classroom {

std::map<std::string, std::string>
filesThatDoNotCount(const std::map<std::string, CheckedFile>& files) {
    using Key = std::tuple<int, std::string, int>;
    const auto candidate = [](const CheckedFile& f) {
        return f.name && (f.valid() || f.reason == UnusedReason::Superseded);
    };
    const auto keyOf = [](const CheckedFile& f) {
        return Key{static_cast<int>(f.name->kind), f.name->identity, f.name->combination};
    };
    std::map<Key, const CheckedFile*> newest;
    for (const auto& [path, f] : files) {
        if (!candidate(f))
            continue;
        const CheckedFile*& best = newest[keyOf(f)];
        if (!best || f.modified >= best->modified)
            best = &f;
    }
    std::map<std::string, std::string> out;
    for (const auto& [path, f] : files) {
        if (!candidate(f))
            continue;
        const CheckedFile* best = newest[keyOf(f)];
        if (best != &f)
            out[path] = best->path;
    }
    return out;
}

} // namespace classroom
