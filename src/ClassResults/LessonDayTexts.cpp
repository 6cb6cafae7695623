#include "LessonDayTexts.h"

#include "Languages.h"

namespace {

QStringList split(const QString& text) {
    return text.split('|');
}

} // namespace

LessonDayTexts LessonDayTexts::forLanguage(const vexel::Language& l) {
    LessonDayTexts x;
    x.classesTitle = l.translated("LessonDay", "Classes of the day");
    x.addFolder = l.translated("LessonDay", "Add class folder...");
    x.addExport = l.translated("LessonDay", "Add class export...");
    x.removeClass = l.translated("LessonDay", "Remove");
    x.labelTitle = l.translated("LessonDay", "Class label");
    x.school = l.translated("LessonDay", "School");
    x.className = l.translated("LessonDay", "Class");
    x.date = l.translated("LessonDay", "Date");
    x.exportClass = l.translated("LessonDay", "Export class...");
    x.exportClassNeedsFolder =
        l.translated("LessonDay", "Choose a class folder in the list first.");
    x.classExported = l.translated("LessonDay", "Class exported: %1");
    x.handOut = l.translated("LessonDay", "Hand out data sets...");
    x.projector = l.translated("LessonDay", "Projector view");
    //: Button that opens the teacher's guide (HTML) in the web browser.
    x.guide = l.translated("LessonDay", "Teacher's guide");
    //: %1 is a folder.
    x.guideMissing = l.translated(
        "LessonDay",
        "The teacher's guide is not installed on this computer. It belongs in the folder %1. "
        "The program works without it.");
    //: %1 is the guide's HTML file.
    x.guideNotOpened = l.translated(
        "LessonDay",
        "No program on this computer opens web pages. The teacher's guide is the file %1: "
        "open it with a web browser, or copy it to another computer.");
    x.closeProjector = l.translated("LessonDay", "Esc: back to the window");
    x.countEveryFile =
        l.translated("LessonDay", "Count every file (also a combination analysed twice)");
    x.ruleOnce = l.translated(
        "LessonDay", "Rule: a combination analysed by two students counts once (the first saved).");
    x.ruleEvery =
        l.translated("LessonDay", "Rule: every file counts, also a combination analysed twice.");
    x.lifetimeRule = l.translated(
        "LessonDay", "Class lifetime: the mean of the students' values, their spread (standard "
                     "deviation, lowest and highest) and the statistical error of one analysis. "
                     "All students analyse the same candidates, so no error of the mean is given.");
    x.classesTab = l.translated("LessonDay", "Classes");
    //: Column titles of the classes table, separated by |.
    x.classColumns = split(l.translated(
        "LessonDay",
        "Class|Students|Entries|Mass (MeV/c²)|Width σ (MeV/c²)|Lifetime at each cut (ps)"));
    //: Column titles of the class lifetime table, separated by |.
    x.lifetimeColumns = split(l.translated(
        "LessonDay", "Class|Trend|Cut|Mean (ps)|Spread: standard deviation (ps)|Lowest ... highest "
                     "(ps)|Error of one analysis (ps)|Students"));
    x.studentClass = l.translated("LessonDay", "Class", "column of the students' table");
    x.sameCombination = l.translated("LessonDay", "Same combination as another");
    x.sharedCounted = l.translated("LessonDay", "yes, counted");
    x.sharedNotCounted = l.translated("LessonDay", "yes, not counted");
    x.allClasses = l.translated("LessonDay", "All classes");
    x.twice = l.translated("LessonDay", "Analysed more than once: %1");
    //: %1 the mass, %2 its error, %3 the width, %4 its error.
    x.totalFit = l.translated("LessonDay", "All classes: mass %1 ± %2 MeV/c², σ %3 ± %4 MeV/c²");
    //: %1 the class, %2 its mass, %3 the error.
    x.classFit = l.translated("LessonDay", "%1: %2 ± %3 MeV/c²");
    x.spreadLegend =
        l.translated("LessonDay", "Bars: spread of the students' values (standard deviation)");
    //: %1 the cut, %2 the class mean, %3 the spread.
    x.lifetimeCell = l.translated("LessonDay", "%1: %2 (spread %3)");
    x.newerFormat = l.translated("LessonDay", "written by a newer version of the program");
    x.fitLegend = l.translated("LessonDay", "Fit (Gaussian and straight line)");
    x.handOutTitle = l.translated("LessonDay", "Hand out data sets");
    x.namesPrompt = l.translated("LessonDay", "Students' names, one a line:");
    x.groupsPrompt = l.translated("LessonDay", "Or a number of groups:");
    x.assignNames = l.translated("LessonDay", "Assign to the names");
    x.assignGroups = l.translated("LessonDay", "Assign to the groups");
    x.groupWord = l.translated("LessonDay", "Group");
    x.saveSheet = l.translated("LessonDay", "Save sheet (PDF)...");
    x.saveList = l.translated("LessonDay", "Save list (CSV)...");
    //: %1 the class.
    x.sheetTitle = l.translated("LessonDay", "Data sets: %1");
    x.sheetNote = l.translated(
        "LessonDay", "Open the data set with your combination number in the event exercise.");
    x.nameColumn = l.translated("LessonDay", "Name");
    x.combinationColumn = l.translated("LessonDay", "Combination");
    x.noNames = l.translated("LessonDay", "There are no names: type one name a line.");
    x.duplicateNames = l.translated("LessonDay", "These names appear more than once: %1. Make each "
                                                 "name unique, for example with an initial.");
    //: %1 the names, %2 the data sets.
    x.tooManyNames = l.translated(
        "LessonDay", "%1 names, but there are only %2 data sets: let students work in groups.");
    x.tooManyGroups = l.translated("LessonDay", "The number of groups must be from 1 to %1.");
    x.blankLines = l.translated("LessonDay", "%1 blank lines skipped.");
    //: %1 the data sets not analysed yet, %2 those handed out again.
    x.reused = l.translated(
        "LessonDay", "Only %1 data sets were not analysed yet today: %2 are handed out again.");
    x.assigned = l.translated("LessonDay", "%1 data sets handed out.");
    return x;
}

LessonDayTexts LessonDayTexts::forLanguage(int number) {
    return forLanguage(vexel::Languages::installed().byNumber(number));
}
