#pragma once

#include "Language.h"

#include <QString>

// The launcher's texts in one language.
struct LauncherTexts {
    QString name, surname, grade;
    QString save, about, exit;
    QString detailsTitle, languagesTitle;
    QString aboutText;
    QString folderMissing;     // %1: the folder
    QString folderNotWritable; // %1: the folder
    QString errorTitle, aboutTitle, infoTitle, windowTitle, dismiss;
    QString iconsMissing, geometryMissing, tracksMissing, fieldsEmpty, pathInvalid;
    QString number, combination; // combination: %1 its number
    QString eventDisplay, d0Exercise, groupI, groupII, outputTitle, ok, exitTitle;
    QString folderCreated; // %1: the folder
    QString openGuide;
    QString guideMissing;   // %1: the folder
    QString guideNotOpened; // %1: the guide file

    static LauncherTexts forLanguage(const vexel::Language& language);
    // By the number at the windows' boundary, among the installed languages.
    static LauncherTexts forLanguage(int number);
};
