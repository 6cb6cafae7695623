#pragma once

#include "LessonDayTexts.h"
#include "classroom/DataSetHandout.h"

#include <QString>

// The sheet to print for handing out data sets: a title with the day's classes, the note
// for the students, and the table of names and combinations, as PDF through Qt's PDF writer.
// False with the reason in *error.
bool writeHandoutSheet(const QString& path, const classroom::Handout& handout,
                       const QString& forWhom, const LessonDayTexts& texts,
                       QString* error = nullptr);
