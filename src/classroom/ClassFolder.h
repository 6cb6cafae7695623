#pragma once

#include "classroom/StudentFileCheck.h"

#include <map>
#include <string>
#include <vector>

namespace classroom {

// The students' files in a folder and its subfolders, read once and kept until they change.
// Looks at every file named like a student's file and every other ".root" file; hidden files
// and folders (the temporaries of atomic saves among them) are passed over.
class ClassFolder {
public:
    explicit ClassFolder(std::string root);

    const std::string& root() const { return root_; }

    // Walks the folder again; reads only files that are new or whose size or modification time
    // changed, forgets files that are gone. True when anything changed.
    bool rescan();

    // Every file looked at, by path; the older copies of a student's file are marked
    // Superseded.
    const std::map<std::string, CheckedFile>& files() const { return files_; }
    // Files read by the last rescan (for the watcher and its tests).
    int filesReadLastScan() const { return filesRead_; }
    // Whether the folder itself could be listed by the last rescan.
    bool readable() const { return readable_; }

private:
    void markSuperseded();

    std::string root_;
    std::map<std::string, CheckedFile> files_;
    int filesRead_ = 0;
    bool readable_ = false;
};

} // namespace classroom
