#include "LauncherTexts.h"

#include "Languages.h"

LauncherTexts LauncherTexts::forLanguage(int number) {
    return forLanguage(vexel::Languages::installed().byNumber(number));
}

LauncherTexts LauncherTexts::forLanguage(const vexel::Language& language) {
    LauncherTexts t;
    //: Row of the student's first name; 72 pixels wide.
    t.name = language.translated("Launcher", "Name");
    //: Row of the student's family name; 72 pixels wide.
    t.surname = language.translated("Launcher", "Surname");
    //: Row of the student's class or year at school; 72 pixels wide.
    t.grade = language.translated("Launcher", "Grade");
    t.save = language.translated("Launcher", "Save");
    t.about = language.translated("Launcher", "About", "button");
    t.exit = language.translated("Launcher", "Exit", "button");
    t.detailsTitle = language.translated("Launcher", "Enter your details");
    t.languagesTitle = language.translated("Launcher", "Languages");
    t.aboutText = language.translated(
        "Launcher", "Vexel Lumora: particle-physics exercises on Vexel data, written by the "
                    "Vexel Lumora team for school classes.");
    t.folderMissing = language.translated(
        "Launcher", "The folder %1 does not exist. Please create it or choose another one.");
    t.folderNotWritable = language.translated(
        "Launcher", "The folder %1 cannot be written to. Please choose another one.");
    t.folderCreated = language.translated(
        "Launcher", "The folder %1 has been created. Your files will be saved there.");
    //: Button of the About box that opens the teacher's guide (HTML) in the web browser.
    t.openGuide = language.translated("Launcher", "Teacher's guide");
    //: Added to the About text when the teacher's guide is not installed; %1 is a folder.
    t.guideMissing = language.translated(
        "Launcher",
        "The teacher's guide is not installed on this computer. It belongs in the folder %1. "
        "The program works without it.");
    //: Shown when no web browser opens the guide; %1 is the guide's HTML file.
    t.guideNotOpened = language.translated(
        "Launcher",
        "No program on this computer opens web pages. The teacher's guide is the file %1: "
        "open it with a web browser, or copy it to another computer.");
    t.errorTitle = language.translated("Launcher", "Error");
    //: The one button of the launcher's message boxes.
    t.dismiss = language.translated("Launcher", "Dismiss");
    t.aboutTitle = language.translated("Launcher", "About", "title of the About box");
    t.infoTitle = language.translated("Launcher", "Info");
    t.windowTitle = language.translated("Launcher", "Vexel Lumora");
    t.iconsMissing = language.translated("Launcher", "Icons are missing!");
    t.geometryMissing = language.translated(
        "Launcher", "The Vexel geometry is missing! You cannot continue with the exercise.");
    t.tracksMissing = language.translated(
        "Launcher", "Particle tracks are missing! You cannot continue with the exercise.");
    t.fieldsEmpty = language.translated("Launcher", "Some fields are empty.");
    t.pathInvalid = language.translated("Launcher", "The path isn't valid. Please try again.");
    //: Row of the data set chooser; 72 pixels wide.
    t.number = language.translated("Launcher", "Number");
    t.combination = language.translated("Launcher", "Combination %1");
    //: Under the picture that starts exercise I; 88 pixels wide.
    t.eventDisplay = language.translated("Launcher", "Event Display");
    //: Under the picture that starts exercise II; 80 pixels wide.
    t.d0Exercise = language.translated("Launcher", "D0 Exercise");
    t.groupI = language.translated("Launcher", "I");
    t.groupII = language.translated("Launcher", "II");
    t.outputTitle = language.translated("Launcher", "Set output directory");
    //: Button beside the output folder; 56 pixels wide.
    t.ok = language.translated("Launcher", "OK");
    t.exitTitle = language.translated("Launcher", "Exit", "group title");
    return t;
}
