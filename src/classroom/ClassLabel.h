#pragma once

#include <string>

namespace classroom {

// What the teacher calls a class on the lesson day.
struct ClassLabel {
    std::string school, className, date;

    bool empty() const { return school.empty() && className.empty() && date.empty(); }
    // "school, class, date", leaving out the parts not given.
    std::string shown() const;
    // A file name for the class's export: the label's parts joined by "_", every character
    // that could leave the folder or trouble a file system replaced by "_", at most 120
    // bytes, ending in ".root"; "class.root" for an empty label.
    std::string exportFileName() const;

    bool operator==(const ClassLabel& o) const {
        return school == o.school && className == o.className && date == o.date;
    }
};

} // namespace classroom
