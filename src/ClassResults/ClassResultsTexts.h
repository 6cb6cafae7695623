#pragma once

#include "Language.h"
#include "classroom/StudentFileCheck.h"

#include <QString>
#include <QStringList>

// The teacher's window texts in one language.
struct ClassResultsTexts {
    QString windowTitle;
    QString languagesTitle, folderTitle, chooseFolder, noFolder, folderUnreadable;
    QString exportPlots, exportTable, exportFailed, exported, dismiss;
    QString studentsTab, unusedTab, lifetimesTab;
    QStringList studentColumns; // name, surname, grade, combination, entries, lifetimes saved
    QStringList unusedColumns;  // file, reason, details
    QString trendLabel;
    // "%1 files used, %2 not used; %3 students; %4 entries; %5 of %6 combinations"
    QString status;
    QString noFit;
    QString massPadTitle; // x axis of the mass plot (LaTeX-style)
    QString entriesAxis;  // y axis of the mass plot
    QString trueMass;     // "true D^{0} mass 1864.84 MeV/c^{2}"
    QString trueLifetime; // "true lifetime 0.4101 ps"
    QString classMean, oneStudentPoints;
    QString signal, entries;
    QStringList trendNames; // trend ids 1 ... 4
    QString mean;
    QString lifetimeAxis;     // y axis of the trend plot (LaTeX-style)
    QString combinationsUsed; // "Combinations used: %1"
    // The reasons a file is not used, by classroom::UnusedReason.
    QString reasons[8];

    QString reason(classroom::UnusedReason r) const {
        const int i = static_cast<int>(r);
        return i < 8 ? reasons[i] : QString();
    }

    static ClassResultsTexts forLanguage(const vexel::Language& language);
    // By the number at the windows' boundary, among the installed languages.
    static ClassResultsTexts forLanguage(int number);
};
