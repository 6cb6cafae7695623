#include "classroom/ClassFolder.h"

#include "classroom/WhichFileCounts.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace classroom {

namespace {

bool isHidden(const fs::path& p) {
    const std::string n = p.filename().string();
    return !n.empty() && n[0] == '.';
}

bool worthLookingAt(const fs::path& p) {
    const std::string n = p.filename().string();
    return studentfiles::looksLikeStudentFile(n) || p.extension() == ".root";
}

long long modifiedNs(const fs::file_time_type& t) {
    return static_cast<long long>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch()).count());
}

} // namespace

ClassFolder::ClassFolder(std::string root) : root_(std::move(root)) {}

bool ClassFolder::rescan() {
    filesRead_ = 0;
    std::error_code ec;
    struct Seen {
        long long size, modified;
    };
    std::map<std::string, Seen> seen;
    fs::recursive_directory_iterator it(root_, fs::directory_options::skip_permission_denied, ec);
    readable_ = !ec;
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const fs::directory_entry& e = *it;
        if (isHidden(e.path())) {
            if (e.is_directory(ec))
                it.disable_recursion_pending();
            continue;
        }
        std::error_code fileEc;
        if (!e.is_regular_file(fileEc) || !worthLookingAt(e.path()))
            continue;
        const auto size = e.file_size(fileEc);
        const auto time = e.last_write_time(fileEc);
        seen[e.path().string()] = {fileEc ? -1 : static_cast<long long>(size),
                                   fileEc ? 0 : modifiedNs(time)};
    }

    // A walk cut short (a folder removed while listed) forgets nothing; the next one will.
    const bool complete = readable_ && !ec;
    bool changed = false;
    for (auto f = files_.begin(); f != files_.end();) {
        if (!seen.count(f->first) && (complete || !readable_)) {
            f = files_.erase(f);
            changed = true;
        } else {
            ++f;
        }
    }
    for (const auto& [path, s] : seen) {
        auto known = files_.find(path);
        if (known != files_.end() && known->second.size == s.size &&
            known->second.modified == s.modified)
            continue;
        CheckedFile checked = checkStudentFile(path);
        checked.size = s.size;
        checked.modified = s.modified;
        files_[path] = std::move(checked);
        ++filesRead_;
        changed = true;
    }
    if (changed)
        markSuperseded();
    return changed;
}

void ClassFolder::markSuperseded() {
    const auto superseded = filesThatDoNotCount(files_);
    for (auto& [path, f] : files_) {
        if (f.reason == UnusedReason::Superseded) {
            f.reason = UnusedReason::None;
            f.detail.clear();
        }
        const auto newer = superseded.find(path);
        if (newer != superseded.end()) {
            f.reason = UnusedReason::Superseded;
            f.detail = "newer: " + fs::relative(newer->second, root_).string();
        }
    }
}

} // namespace classroom
