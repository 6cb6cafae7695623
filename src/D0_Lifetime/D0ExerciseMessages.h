#pragma once

#include "Language.h"

#include <QString>

// The D0 exercise's own messages and fixed texts (beyond the 24 text members of
// D0ExerciseTexts) in one language.
struct D0ExerciseMessages {
    QString close;      // button of the message windows
    QString dismiss;    // button of the message boxes of saving the canvas
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
    QString plotMassFirst, plotDistributionsFirst;
    QString instructionsTitle, infoTitle, plotTitle, windowTitle;
    QString massTab, trendTab, fitTab; // titles of the canvas tabs
    QString ptSlider, tauSlider, ipSlider, bkgSlider, sigSlider;
    QString fitResult, fitError, trendMaxIP;
    // Words on the plots; %1 is the number.
    QString plotTotal, plotBackground, plotSignal, plotMean, plotLifetime;
    QString legendBackground, legendSignal;

    static D0ExerciseMessages forLanguage(const vexel::Language& language);
    // An axis title the analysis gives its plots, in the language.
    static QString axisTitle(const vexel::Language& language, const QString& title);
    // By the number at the windows' boundary, among the installed languages.
    static D0ExerciseMessages forLanguage(int number);
};
