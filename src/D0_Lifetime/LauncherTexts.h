#pragma once

#include <QString>

// The launcher's texts that change with the language.
struct LauncherTexts {
    QString name, surname, grade;
    QString save, about, exit;
    QString detailsTitle, languagesTitle;
    QString aboutText;
    QString folderMissing;     // %1: the folder
    QString folderNotWritable; // %1: the folder
    QString folderCreated;     // %1: the folder

    // Texts of language code 1 (EN) to 5 (RO); any other code gives English.
    static LauncherTexts forLanguage(int code);
};
