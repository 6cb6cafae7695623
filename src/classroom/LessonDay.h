#pragma once

#include "classroom/ClassLabel.h"
#include "classroom/ClassSummary.h"

#include <map>
#include <string>
#include <vector>

namespace classroom {

// One class as it comes in: a class folder's students, or a class export read back.
struct ClassInput {
    ClassLabel label;
    std::string source; // the folder or the export's path
    bool fromExport = false;
    long long written = 0; // exports: when written (of two exports of a class the newer counts)
    // Changes whenever the source's files change: a class whose source and version are as
    // in the cache is not added up again.
    long long version = 0;
    ClassRows rows;
};

// One class of the day, added up on its own.
struct ClassOfTheDay {
    ClassLabel label;
    std::string name; // what the tables and the legend call it: the label, else the source
    std::string source;
    bool fromExport = false;
    ClassSummary summary;
};

// Several classes side by side and combined.
struct LessonDay {
    DuplicateRule rule = DuplicateRule::CountOnce;
    std::vector<ClassOfTheDay> classes;
    // Every class's students together: a combination analysed in two classes is flagged here
    // and, under CountOnce, counted once in the total histogram. Its classFolder fields hold
    // the class names.
    ClassSummary total;
    // Files not used by any class, and exports not used (damaged, foreign, newer format,
    // superseded by a newer export of the same class).
    std::vector<UnusedFile> unused;
};

// Each class added up on its own, by source, with what it was added up from.
using ClassSummaryCache = std::map<std::string, std::pair<std::string, ClassSummary>>;

// Combines the classes; `unusedExports` are exports that could not be read. With a cache,
// classes unchanged since the last call are taken from it (and it is brought up to date).
LessonDay combineLessonDay(std::vector<ClassInput> inputs, std::vector<UnusedFile> unusedExports,
                           DuplicateRule rule, ClassSummaryCache* cache = nullptr);

} // namespace classroom
