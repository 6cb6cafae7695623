#pragma once

#include <set>
#include <string>
#include <vector>

namespace classroom {

// Data sets handed out before the lesson: each student or group gets its own combination.
struct HandoutLine {
    std::string name;
    int combination = 0;
};

struct Handout {
    enum class Problem {
        None,
        NoNames,        // nothing but blank lines
        DuplicateNames, // `names` lists them
        TooManyNames,   // more than kCombinations: `count` is their number
        TooManyGroups,  // a number of groups outside 1 ... kCombinations: `count`
    };
    Problem problem = Problem::None;
    std::vector<std::string> names; // the duplicated names, for DuplicateNames
    int count = 0;
    int blankLinesSkipped = 0;
    // Combinations already analysed that had to be handed out again (fewer fresh ones were
    // left than names).
    int reused = 0;
    std::vector<HandoutLine> lines;
};

// The names typed or pasted, one a line (surrounding blanks removed, blank lines skipped),
// each given a distinct combination spread evenly over 1 ... kCombinations, those in `avoid`
// (already analysed today) left for last. On a problem, `lines` stays empty.
Handout handOutToNames(const std::string& namesText, const std::set<int>& avoid);
// "Group 1" ... "Group n", named with `groupWord`.
Handout handOutToGroups(int groups, const std::string& groupWord, const std::set<int>& avoid);

// The handout as CSV: "name,combination", one line each. Written atomically; throws
// rootio::Error on failure.
void writeHandoutCsv(const std::string& path, const Handout& handout);

} // namespace classroom
