#pragma once

#include "classroom/ClassExport.h"
#include "classroom/ClassFolder.h"
#include "classroom/LessonDay.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace classroom {

// The classes of a lesson day as the teacher gave them: class folders (each with its label)
// and class exports. A class export found in a class folder (a ".root" file not named like a
// student's file that holds the export's mark) is taken in as a class of its own, so a folder
// where teachers drop their exports follows them as they arrive.
class LessonDaySources {
public:
    struct Source {
        std::string path;
        bool isExport = false;
        ClassLabel label; // folders: as the teacher typed it
    };

    void addFolder(const std::string& path, const ClassLabel& label);
    void addExport(const std::string& path);
    void remove(std::size_t index);
    void setLabel(std::size_t index, const ClassLabel& label);
    const std::vector<Source>& sources() const { return sources_; }

    // Reads what is new or changed in the folders and exports. True when anything changed.
    bool rescan();
    // The classes combined under `rule`.
    LessonDay combine(DuplicateRule rule) const;
    // Whether a folder could be listed by the last rescan (exports: always true).
    bool readable(std::size_t index) const;

private:
    struct ReadExport {
        long long size = -1, modified = 0;
        long long version = 0;
        ClassExportRead read;
    };
    // Reads the export at path unless size and time are as last read. True when read.
    bool refresh(const std::string& path, long long size, long long modified);

    std::vector<Source> sources_;
    std::map<std::string, std::unique_ptr<ClassFolder>> folders_; // by path
    std::map<std::string, ReadExport> exports_;                   // by path
    std::map<std::string, long long> folderVersions_;             // by path
    long long nextVersion_ = 1;
    mutable ClassSummaryCache cache_;
};

} // namespace classroom
