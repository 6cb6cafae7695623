#pragma once

#include <QString>
#include <optional>
#include <string>

// Rules for what the student types into the launcher.
namespace StudentDetails {

// True when name, surname and grade are non-empty and a combination (> 0) is chosen.
bool complete(const QString& name, const QString& surname, const QString& grade, int combination);

// "name_surname_grade", exactly as typed.
std::string identity(const QString& name, const QString& surname, const QString& grade);

// The output directory for the typed text: at least two characters, "/" appended
// when missing; nothing for a shorter text.
std::optional<QString> outputDirectory(const QString& typed);

// An output directory checked before it is accepted.
struct OutputDirectoryCheck {
    enum Outcome { Accepted, Created, TooShort, Missing, NotWritable } outcome;
    QString directory; // "~" expanded, ending with "/"; empty when too short
};

// The typed text by the rule above, "~" and "~/..." taken from home. A missing folder whose
// parent folder exists is created; one whose parent is missing too is refused, and so is a
// folder that cannot be created or where no file can be made.
OutputDirectoryCheck checkOutputDirectory(const QString& typed, const QString& home);

} // namespace StudentDetails
