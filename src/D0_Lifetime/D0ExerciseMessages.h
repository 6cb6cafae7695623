#pragma once

#include <QString>

// The D0 exercise's own messages (beyond the fixed texts of D0ExerciseTexts) in one
// language: 2 French, 3 German, 4 Italian, 5 Romanian, anything else English.
struct D0ExerciseMessages {
    QString close;      // button of the message windows
    QString errorTitle; // title of the launcher's message when the exercise cannot start
    QString emptySignalRange, emptyDecayTimeRange, noSidebandBackground;
    QString nothingToFit, fitFailed, approximateErrors;
    QString fieldNotANumber;
    QString resultsNotSaved; // %1: the file
    // "%1": the file, "%2": one of the reasons below.
    QString cannotOpenFile;
    QString fileMissing, fileUnreadable, fileNotRoot, fileDamaged, noCandidateTree,
        candidateTreeNotATree, badBranch;
    QString missingBranch; // %1: the branch

    static D0ExerciseMessages forLanguage(int lang);
};
