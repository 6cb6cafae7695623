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
                "Langue"};
    case 3:
        return {
            "Vorname", "Nachname", "Klasse", "Speichern", "Info", "Beenden", "Geben Sie Ihre Daten",
            "Sprache"};
    case 4:
        return {"Nome",  "Cognome", "Classe", "Salva", "Info", "Esci", "Inserisci i tuoi dati",
                "Lingua"};
    case 5:
        return {"Prenume", "Nume", "Clasa", "Salveaza", "Info", "Iesire", "Introduceti detaliile",
                "Limbi"};
    default:
        return {"Name",     "Surname", "Grade", "Save", "About", "Exit", "Enter your details",
                "Languages"};
    }
}
