#pragma once

#include "classroom/StudentFileCheck.h"

#include <map>
#include <string>

namespace classroom {

// Which of a student's files counts: among the good files of one kind, one identity and one
// combination, the newest; of two as new, the later path. A file marked Superseded is judged
// again like a good one.
// Returns every other such file's path with the path of the file that counts instead.
std::map<std::string, std::string>
filesThatDoNotCount(const std::map<std::string, CheckedFile>& files);

} // namespace classroom
