#include "LauncherTexts.h"

LauncherTexts LauncherTexts::forLanguage(int code) {
    switch (code) {
    case 2:
        return {"Nom",
                "Prenom",
                "Classe",
                "Enregistrer l'exercice",
                "Infos",
                "Quitter",
                "Entrez vos coordonnees",
                "Langue",
                "Vexel Lumora : exercices de physique des particules sur les données de Vexel, "
                "écrits par l'équipe Vexel Lumora pour les classes.",
                "Le dossier %1 n'existe pas. Créez-le ou choisissez-en un autre.",
                "Impossible d'écrire dans le dossier %1. Choisissez-en un autre.",
                "Le dossier %1 a été créé. Vos fichiers y seront enregistrés."};
    case 3:
        return {"Vorname",
                "Nachname",
                "Klasse",
                "Speichern",
                "Info",
                "Beenden",
                "Geben Sie Ihre Daten",
                "Sprache",
                "Vexel Lumora: Übungen zur Teilchenphysik mit Daten von Vexel, geschrieben vom "
                "Vexel-Lumora-Team für Schulklassen.",
                "Der Ordner %1 existiert nicht. Legen Sie ihn an oder wählen Sie einen anderen.",
                "In den Ordner %1 kann nicht geschrieben werden. Wählen Sie einen anderen.",
                "Der Ordner %1 wurde angelegt. Ihre Dateien werden dort gespeichert."};
    case 4:
        return {"Nome",
                "Cognome",
                "Classe",
                "Salva",
                "Info",
                "Esci",
                "Inserisci i tuoi dati",
                "Lingua",
                "Vexel Lumora: esercizi di fisica delle particelle sui dati di Vexel, scritti dal "
                "gruppo Vexel Lumora per le classi.",
                "La cartella %1 non esiste. Creala o scegline un'altra.",
                "Non è possibile scrivere nella cartella %1. Scegline un'altra.",
                "La cartella %1 è stata creata. I tuoi file verranno salvati lì."};
    case 5:
        return {"Prenume",
                "Nume",
                "Clasa",
                "Salveaza",
                "Info",
                "Iesire",
                "Introduceti detaliile",
                "Limbi",
                "Vexel Lumora: exerciții de fizica particulelor pe datele Vexel, scrise de echipa "
                "Vexel Lumora pentru clase.",
                "Dosarul %1 nu există. Creați-l sau alegeți altul.",
                "Nu se poate scrie în dosarul %1. Alegeți altul.",
                "Dosarul %1 a fost creat. Fișierele vor fi salvate acolo."};
    default:
        return {"Name",
                "Surname",
                "Grade",
                "Save",
                "About",
                "Exit",
                "Enter your details",
                "Languages",
                "Vexel Lumora: particle-physics exercises on Vexel data, written by the Vexel "
                "Lumora team for school classes.",
                "The folder %1 does not exist. Please create it or choose another one.",
                "The folder %1 cannot be written to. Please choose another one.",
                "The folder %1 has been created. Your files will be saved there."};
    }
}
