#pragma once

#include "Language.h"

#include <QString>

// Texts of the event-display window in one language.
struct FrameWidgetTexts {
    QString help, exit, saveParticle, calculate, deleteParticle, add, draw, saveHistogram;
    QString mass, name, eventNumber;
    QString myParticles, particleInfo, zoom, eventManager, view, legend, histogram;
    QString hideGeometry, transparency;
};

struct FrameMessageTexts {
    QString e1, e2, h1, e3, e4, h2, h3_a, h3_b;
};

// The window's own notices and the texts around them.
struct FrameNoticeTexts {
    QString windowTitle;
    QString dataSetUnreadable;  // %1 data set, %2 reason
    QString noEvents;           // %1 data set
    QString eventUnreadable;    // %1 event, %2 reason
    QString geometryUnreadable; // %1 reason
    QString helpPictureMissing; // %1 file
    QString nameTooLong;        // %1 bytes of the file name
    QString unsavedHistogram, yes, no;
    QString errorTitle, infoTitle, hintTitle, questionTitle, accessDenied, dismiss;
    QString eventControl, viewer, histogramTab, helpTab, particlePrefix;
    QString massUnit, energyUnit, momentumUnit;
    QString statisticsEntries, statisticsMean, statisticsRms; // rows of the histogram's box
    QString histogramTitle; // drawn over the histogram; its file keeps "My histogram"
};

FrameWidgetTexts frameWidgetTexts(const vexel::Language& language);
FrameMessageTexts frameMessageTexts(const vexel::Language& language);
FrameNoticeTexts frameNoticeTexts(const vexel::Language& language);
// By the number at the windows' boundary, among the installed languages.
FrameWidgetTexts frameWidgetTexts(int number);
FrameMessageTexts frameMessageTexts(int number);
FrameNoticeTexts frameNoticeTexts(int number);

// The help picture of a language, "Icons/help<number>.png"; for a language beyond the five
// without one, the English one.
QString helpPicturePath(int number);

struct HelpPictureSize {
    int width = 0, height = 0;
};
// The help picture's size for a window of the given height: 0.8 of it high
// (held in single precision), 1.8118812 times that wide, truncated to pixels.
HelpPictureSize helpPictureSize(unsigned mainFrameHeight);
