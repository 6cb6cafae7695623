#pragma once

#include "classroom/LessonDay.h"

#include <string>

namespace classroom {

// The rules the numbers follow, as stated in the CSV's header (English).
std::string duplicateRuleText(DuplicateRule rule);
std::string lifetimeRuleText();

// The lesson day's tables as CSV (UTF-8, comma separated, quoted where needed): comment lines
// starting with "#" that state the rules, the students' table (one line per student and
// combination, file paths relative to the class's folder), a blank line, the lifetime table
// (each class and all classes, by trend and cut). Written atomically; throws rootio::Error on
// failure.
void writeLessonDayCsv(const std::string& path, const LessonDay& day);

} // namespace classroom
