#pragma once

#include "Language.h"

#include <QString>
#include <QStringList>

// The lesson day's texts of the teacher's window in one language: classes side by side, the
// rules in force, the class export, handing out data sets, the projector view.
struct LessonDayTexts {
    QString classesTitle, addFolder, addExport, removeClass;
    QString labelTitle, school, className, date;
    QString exportClass, exportClassNeedsFolder, classExported;
    QString handOut, projector, closeProjector;
    QString guide, guideMissing; // guideMissing: %1 the folder it belongs in
    QString guideNotOpened;      // %1: the guide file
    QString countEveryFile, ruleOnce, ruleEvery, lifetimeRule;
    QString classesTab;
    QStringList classColumns; // class, students, entries, mass, width, lifetime at each cut
    QStringList
        lifetimeColumns; // class, trend, cut, mean, spread, lowest-highest, one analysis, students
    QString studentClass, sameCombination, sharedCounted, sharedNotCounted;
    QString allClasses, twice;
    QString totalFit;     // "All classes: %1 = %2 ± %3 MeV/c², σ = %4 ± %5 MeV/c²"
    QString classFit;     // "%1: %2 ± %3 MeV/c²"
    QString spreadLegend; // what the bars on the lifetime plot are
    QString lifetimeCell; // "%1: %2 (spread %3)"
    QString newerFormat;  // the reason of an export in a newer format
    QString fitLegend;
    // Handing out data sets.
    QString handOutTitle, namesPrompt, groupsPrompt, assignNames, assignGroups, groupWord;
    QString saveSheet, saveList, sheetTitle, sheetNote, nameColumn, combinationColumn;
    QString noNames, duplicateNames, tooManyNames, tooManyGroups, blankLines, reused, assigned;

    static LessonDayTexts forLanguage(const vexel::Language& language);
    // By the number at the windows' boundary, among the installed languages.
    static LessonDayTexts forLanguage(int number);
};
