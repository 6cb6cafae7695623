#include "ClassResultsTexts.h"

#include "Languages.h"

namespace {

QStringList split(const QString& text) {
    return text.split('|');
}

} // namespace

ClassResultsTexts ClassResultsTexts::forLanguage(const vexel::Language& l) {
    ClassResultsTexts x;
    x.windowTitle = l.translated("ClassResults", "Vexel Lumora - class results");
    x.languagesTitle = l.translated("ClassResults", "Languages");
    x.folderTitle = l.translated("ClassResults", "Class folder");
    x.chooseFolder = l.translated("ClassResults", "Choose folder...");
    x.noFolder = l.translated("ClassResults", "No folder chosen");
    x.folderUnreadable = l.translated("ClassResults", "The folder cannot be read");
    x.exportPlots = l.translated("ClassResults", "Export plots...");
    x.exportTable = l.translated("ClassResults", "Export table...");
    x.exportFailed = l.translated("ClassResults", "Export failed");
    x.dismiss = l.translated("ClassResults", "Dismiss");
    //: %1 the file written.
    x.exported = l.translated("ClassResults", "Saved %1");
    x.studentsTab = l.translated("ClassResults", "Students");
    x.unusedTab = l.translated("ClassResults", "Files not used");
    x.lifetimesTab = l.translated("ClassResults", "Class lifetime");
    //: Column titles of the students' table, separated by |.
    x.studentColumns = split(
        l.translated("ClassResults", "Name|Surname|Grade|Combination|Entries|Lifetimes saved"));
    //: Column titles of the table of files not used, separated by |.
    x.unusedColumns = split(l.translated("ClassResults", "File|Reason|Details"));
    x.trendLabel = l.translated("ClassResults", "Trend:");
    x.status =
        l.translated("ClassResults",
                     "%1 files used, %2 not used; %3 students; %4 entries; %5 of %6 combinations");
    x.noFit = l.translated("ClassResults", "No fit: too few entries");
    //: Axis title; ^{...} raises, as in D^{0}.
    x.massPadTitle = l.translated("ClassResults", "D^{0} mass (MeV/c^{2})");
    x.entriesAxis = l.translated("ClassResults", "Candidates / (2 MeV/c^{2})");
    x.trueMass = l.translated("ClassResults", "True D^{0} mass: 1864.84 MeV/c^{2}");
    x.trueLifetime = l.translated("ClassResults", "True lifetime: 0.4101 ps");
    x.classMean = l.translated("ClassResults", "Class mean");
    x.oneStudentPoints = l.translated("ClassResults", "Students' results");
    x.signal = l.translated("ClassResults", "Signal");
    x.entries = l.translated("ClassResults", "Entries");
    //: The four trends of the lifetime against a cut, separated by |.
    x.trendNames =
        split(l.translated("ClassResults", "lower PT cut|upper IP cut|upper PT cut|lower IP cut"));
    x.mean = l.translated("ClassResults", "Mean");
    x.lifetimeAxis = l.translated("ClassResults", "Fitted D^{0} lifetime (ps)");
    x.combinationsUsed = l.translated("ClassResults", "Combinations used: %1");
    //: Why a file in the class folder is used or not.
    x.reasons[0] = l.translated("ClassResults", "used");
    x.reasons[1] = l.translated("ClassResults", "not named like a student's file");
    x.reasons[2] = l.translated("ClassResults", "not a ROOT file");
    x.reasons[3] = l.translated("ClassResults", "truncated or damaged");
    x.reasons[4] = l.translated("ClassResults", "wrong binning");
    x.reasons[5] = l.translated("ClassResults", "foreign file");
    x.reasons[6] = l.translated("ClassResults", "cannot be read");
    x.reasons[7] = l.translated("ClassResults", "superseded by a newer copy");
    return x;
}

ClassResultsTexts ClassResultsTexts::forLanguage(int number) {
    return forLanguage(vexel::Languages::installed().byNumber(number));
}
