#include "classroom/LessonDaySources.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace classroom {

namespace {

long long modifiedNs(const std::string& path, long long& size) {
    std::error_code ec;
    size = static_cast<long long>(fs::file_size(path, ec));
    if (ec)
        size = -1;
    const auto t = fs::last_write_time(path, ec);
    return ec ? 0
              : static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::nanoseconds>(t.time_since_epoch())
                        .count());
}

// A file of a class folder that may be a class export.
bool mayBeExport(const CheckedFile& f) {
    return f.reason == UnusedReason::NotNamedLikeStudentFile &&
           fs::path(f.path).extension() == ".root";
}

void takeInExport(const std::string& path, const ClassExportRead& read, long long version,
                  std::vector<ClassInput>& inputs, std::vector<UnusedFile>& unused) {
    if (!read.content) {
        unused.push_back({path, read.reason, read.detail});
        return;
    }
    ClassInput in;
    in.label = read.content->label;
    in.source = path;
    in.fromExport = true;
    in.written = read.content->written;
    in.version = version;
    in.rows.rows = read.content->students;
    in.rows.points = read.content->points;
    inputs.push_back(std::move(in));
}

} // namespace

void LessonDaySources::addFolder(const std::string& path, const ClassLabel& label) {
    sources_.push_back({path, false, label});
    folders_.emplace(path, std::make_unique<ClassFolder>(path));
}

void LessonDaySources::addExport(const std::string& path) {
    sources_.push_back({path, true, {}});
}

void LessonDaySources::remove(std::size_t index) {
    if (index >= sources_.size())
        return;
    const Source s = sources_[index];
    sources_.erase(sources_.begin() + static_cast<std::ptrdiff_t>(index));
    for (const auto& other : sources_)
        if (other.path == s.path)
            return;
    folders_.erase(s.path);
    exports_.erase(s.path);
    folderVersions_.erase(s.path);
    cache_.erase(s.path);
}

void LessonDaySources::setLabel(std::size_t index, const ClassLabel& label) {
    if (index < sources_.size())
        sources_[index].label = label;
}

bool LessonDaySources::readable(std::size_t index) const {
    if (index >= sources_.size() || sources_[index].isExport)
        return true;
    return folders_.at(sources_[index].path)->readable();
}

bool LessonDaySources::refresh(const std::string& path, long long size, long long modified) {
    ReadExport& e = exports_[path];
    if (e.size == size && e.modified == modified && size >= 0)
        return false;
    e.size = size;
    e.modified = modified;
    e.read = readClassExport(path);
    e.version = nextVersion_++;
    return true;
}

bool LessonDaySources::rescan() {
    bool changed = false;
    std::map<std::string, bool> exportsNow;
    for (const Source& s : sources_) {
        if (s.isExport) {
            long long size = 0;
            const long long modified = modifiedNs(s.path, size);
            changed = refresh(s.path, size, modified) || changed;
            exportsNow[s.path] = true;
            continue;
        }
        ClassFolder& folder = *folders_.at(s.path);
        if (folder.rescan() || !folderVersions_.count(s.path)) {
            folderVersions_[s.path] = nextVersion_++;
            changed = true;
        }
        for (const auto& [path, f] : folder.files())
            if (mayBeExport(f)) {
                changed = refresh(path, f.size, f.modified) || changed;
                exportsNow[path] = true;
            }
    }
    for (auto e = exports_.begin(); e != exports_.end();)
        if (!exportsNow.count(e->first)) {
            e = exports_.erase(e);
            changed = true;
        } else {
            ++e;
        }
    return changed;
}

LessonDay LessonDaySources::combine(DuplicateRule rule) const {
    std::vector<ClassInput> inputs;
    std::vector<UnusedFile> unusedExports;
    for (const Source& s : sources_) {
        if (s.isExport) {
            const auto e = exports_.find(s.path);
            if (e != exports_.end())
                takeInExport(s.path, e->second.read, e->second.version, inputs, unusedExports);
            continue;
        }
        const ClassFolder& folder = *folders_.at(s.path);
        ClassInput in;
        in.label = s.label;
        in.source = s.path;
        const auto version = folderVersions_.find(s.path);
        in.version = version == folderVersions_.end() ? 0 : version->second;
        std::map<std::string, CheckedFile> studentFiles;
        for (const auto& [path, f] : folder.files()) {
            const auto e = exports_.find(path);
            // Exports found in the folder are classes of their own; a file that is not one
            // stays among the folder's files not used.
            if (mayBeExport(f) && e != exports_.end() &&
                e->second.read.reason != UnusedReason::ForeignFile)
                takeInExport(path, e->second.read, e->second.version, inputs, unusedExports);
            else
                studentFiles.emplace(path, f);
        }
        in.rows = collectRows(studentFiles, s.path);
        // A folder where exports are collected is no class of its own unless students saved
        // there too; its other files are listed as not used all the same.
        if (in.rows.rows.empty() && studentFiles.size() != folder.files().size())
            unusedExports.insert(unusedExports.end(), in.rows.unused.begin(), in.rows.unused.end());
        else
            inputs.push_back(std::move(in));
    }
    return combineLessonDay(std::move(inputs), std::move(unusedExports), rule, &cache_);
}

} // namespace classroom
