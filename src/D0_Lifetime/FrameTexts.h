#pragma once

#include <QString>

// Texts of the event-display window that change with the language
// (1 English, 2 French, 3 German, 4 Italian, 5 Romanian; anything else English).
struct FrameWidgetTexts {
    QString help, exit, saveParticle, calculate, deleteParticle, add, draw, saveHistogram;
    QString mass, name, eventNumber;
    QString myParticles, particleInfo, zoom, eventManager, view, legend, histogram;
    QString hideGeometry, transparency;
};

struct FrameMessageTexts {
    QString e1, e2, h1, e3, e4, h2, h3_a, h3_b;
};

// The window's own notices, in the same five languages.
struct FrameNoticeTexts {
    QString windowTitle;
    QString dataSetUnreadable;  // %1 data set, %2 reason
    QString noEvents;           // %1 data set
    QString eventUnreadable;    // %1 event, %2 reason
    QString geometryUnreadable; // %1 reason
    QString helpPictureMissing; // %1 file
    QString nameTooLong;        // %1 bytes of the file name
    QString unsavedHistogram, yes, no;
};

FrameWidgetTexts frameWidgetTexts(int lang);
FrameMessageTexts frameMessageTexts(int lang);
FrameNoticeTexts frameNoticeTexts(int lang);

// The help picture of a language: "Icons/help<lang>.png".
QString helpPicturePath(int lang);

struct HelpPictureSize {
    int width = 0, height = 0;
};
// The help picture's size for a window of the given height: 0.8 of it high
// (held in single precision), 1.8118812 times that wide, truncated to pixels.
HelpPictureSize helpPictureSize(unsigned mainFrameHeight);
