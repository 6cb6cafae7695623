#pragma once

#include "classroom/LessonDaySources.h"

#include <string>

// What the teacher's window does with its sources after a rescan, without the widgets: the
// classes combined under both duplicate rules, each summary put into words and the lesson
// day's tables written as CSV into `scratch`.
void walkLessonDay(const classroom::LessonDaySources& sources, const std::string& scratch);
