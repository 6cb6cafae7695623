#include "FrameTexts.h"
#include "DataFiles.h"
#include "Languages.h"

FrameWidgetTexts frameWidgetTexts(int number) {
    return frameWidgetTexts(vexel::Languages::installed().byNumber(number));
}

FrameMessageTexts frameMessageTexts(int number) {
    return frameMessageTexts(vexel::Languages::installed().byNumber(number));
}

FrameNoticeTexts frameNoticeTexts(int number) {
    return frameNoticeTexts(vexel::Languages::installed().byNumber(number));
}

FrameWidgetTexts frameWidgetTexts(const vexel::Language& l) {
    FrameWidgetTexts t;
    t.help = l.translated("EventDisplay", "Help", "button");
    //: Leaves the event display; 208 pixels wide.
    t.exit = l.translated("EventDisplay", "Move on to D0 Exercise");
    t.saveParticle = l.translated("EventDisplay", "Save Particle");
    //: 104 pixels wide.
    t.calculate = l.translated("EventDisplay", "Calculate");
    //: 96 pixels wide.
    t.deleteParticle = l.translated("EventDisplay", "Delete");
    //: 104 pixels wide.
    t.add = l.translated("EventDisplay", "Add");
    //: 96 pixels wide.
    t.draw = l.translated("EventDisplay", "Draw");
    t.saveHistogram = l.translated("EventDisplay", "Save Histogram");
    //: Label of the particle's mass and of the pair's invariant mass; 48 pixels wide.
    t.mass = l.translated("EventDisplay", "Mass");
    //: Label of the particle's name; 48 pixels wide.
    t.name = l.translated("EventDisplay", "Name");
    //: 112 pixels wide.
    t.eventNumber = l.translated("EventDisplay", "Event number:");
    t.myParticles = l.translated("EventDisplay", "My Particles");
    t.particleInfo = l.translated("EventDisplay", "Particle Info");
    t.zoom = l.translated("EventDisplay", "Zoom");
    t.eventManager = l.translated("EventDisplay", "Event manager");
    t.view = l.translated("EventDisplay", "View");
    t.legend = l.translated("EventDisplay", "Legend");
    t.histogram = l.translated("EventDisplay", "Histogram");
    t.hideGeometry = l.translated("EventDisplay", "Hide Geometry");
    t.transparency = l.translated("EventDisplay", "Transparency");
    return t;
}

FrameMessageTexts frameMessageTexts(const vexel::Language& l) {
    FrameMessageTexts t;
    t.e1 = l.translated("EventDisplay", "You cannot have more than two particles.");
    t.e2 = l.translated("EventDisplay", "You have already added this particle.");
    t.h1 = l.translated("EventDisplay", "You have successfully saved your histogram.");
    t.e3 = l.translated("EventDisplay", "Mass is not in range. Please, try again.");
    t.e4 = l.translated("EventDisplay", "You have already added new mass in histogram.");
    t.h2 = l.translated(
        "EventDisplay",
        "When you want to rotate the view, press CTRL or CTRL + SHIFT to be more precise.");
    t.h3_a = l.translated("EventDisplay", "Congratulations!");
    t.h3_b =
        l.translated("EventDisplay", "You have successfully completed LumoraDisplay exercise.");
    return t;
}

FrameNoticeTexts frameNoticeTexts(const vexel::Language& l) {
    FrameNoticeTexts t;
    t.windowTitle = l.translated("EventDisplay", "Vexel Lumora : event display");
    t.dataSetUnreadable =
        l.translated("EventDisplay", "The particle tracks of data set %1 cannot be read (%2). "
                                     "The detector is shown without tracks.");
    t.noEvents = l.translated("EventDisplay", "The data set %1 holds no events.");
    t.eventUnreadable = l.translated("EventDisplay", "Event %1 cannot be read (%2).");
    t.geometryUnreadable = l.translated("EventDisplay", "The Vexel geometry cannot be read (%1).");
    t.helpPictureMissing =
        l.translated("EventDisplay", "The help page cannot be shown: the picture %1 is missing.");
    t.nameTooLong =
        l.translated("EventDisplay", "The histogram cannot be saved: the file name made from your "
                                     "details is too long (%1 bytes, at most 255).");
    t.unsavedHistogram = l.translated(
        "EventDisplay", "Your mass histogram has not been saved. End the program anyway?");
    t.yes = l.translated("EventDisplay", "Yes");
    t.no = l.translated("EventDisplay", "No");
    t.errorTitle = l.translated("EventDisplay", "Error");
    //: The one button of the event display's message boxes.
    t.dismiss = l.translated("EventDisplay", "Dismiss");
    t.infoTitle = l.translated("EventDisplay", "Info");
    t.hintTitle = l.translated("EventDisplay", "Hint");
    t.questionTitle = l.translated("EventDisplay", "Vexel Lumora");
    t.accessDenied = l.translated("EventDisplay", "Access denied.");
    t.eventControl = l.translated("EventDisplay", "Event Control");
    t.viewer = l.translated("EventDisplay", "Viewer 1");
    t.histogramTab = l.translated("EventDisplay", "My histogram");
    t.helpTab = l.translated("EventDisplay", "Help", "tab title");
    //: Put before the name of a chosen particle in the list of My Particles.
    t.particlePrefix = l.translated("EventDisplay", "My particle: ");
    //: 47 pixels wide.
    t.massUnit = l.translated("EventDisplay", "MeV/c2");
    //: 40 pixels wide.
    t.energyUnit = l.translated("EventDisplay", "MeV");
    //: 48 pixels wide.
    t.momentumUnit = l.translated("EventDisplay", "MeV/c");
    //: Rows of the statistics box of the histogram: number of entries, mean, root mean square.
    t.statisticsEntries = l.translated("EventDisplay", "Entries");
    t.statisticsMean = l.translated("EventDisplay", "Mean");
    t.statisticsRms = l.translated("EventDisplay", "RMS");
    t.histogramTitle = l.translated("EventDisplay", "My histogram", "title over the histogram");
    return t;
}

QString helpPicturePath(int number) {
    if (const auto own = DataFiles::find(DataFiles::helpPicture(number)))
        return QString::fromStdString(*own);
    // A language added to an installed program has no picture of its own.
    if (const auto english = DataFiles::find(DataFiles::helpPicture(1)); english && number > 5)
        return QString::fromStdString(*english);
    return QString::fromStdString(DataFiles::locate(DataFiles::helpPicture(number)));
}

HelpPictureSize helpPictureSize(unsigned mainFrameHeight) {
    const float h = static_cast<float>(0.8 * mainFrameHeight);
    const float w = 1.8118812f * h;
    return {static_cast<int>(w), static_cast<int>(h)};
}
