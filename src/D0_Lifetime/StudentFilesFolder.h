#pragma once

#include "Language.h"

#include <QString>

// Where the exercises save a student's files. Never into the installed program's folders.
namespace StudentFilesFolder {

// The folder to put before a file name, for the output directory chosen in the launcher
// ("" when none): the chosen one as it is; else "" (the working directory) when files can be
// made there; else the "VexelLumora" folder in the student's documents folder, made when
// needed. The first save into that folder in a run tells the student where it is, in
// language lang (not when it cannot be made: the save fails there and says so itself).
QString forSaving(const QString& chosen, int lang);

// <documents folder>/VexelLumora/
QString documentsFolder();

// The message naming the documents folder, in language lang (1 EN … 5 RO).
QString savedInMessage(const vexel::Language& language, const QString& folder);

} // namespace StudentFilesFolder
