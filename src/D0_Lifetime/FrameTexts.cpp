#include "FrameTexts.h"
#include "DataFiles.h"

namespace {
enum { EN = 1, FR = 2, DE = 3, IT = 4, RO = 5 };
}

FrameWidgetTexts frameWidgetTexts(int lang) {
    switch (lang) {
    case IT:
        return {"Aiuto",
                "Esci",
                "Salva la Particella",
                "Calcola",
                "Cancella",
                "Aggiungi",
                "Disegna",
                "Salva l'Istogramma",
                "Massa",
                "Nome",
                "Numero di evento:",
                "Le mie particelle",
                "Informazioni sulla particella",
                "Zoom",
                "Gestore degli eventi",
                "Visualizza",
                "Legenda",
                "Istogramma",
                "Nascondi la geometria",
                "Trasparenza"};
    case DE:
        return {"Hilfe",
                "Schliessen",
                "Teilchen speichern",
                "Berechnen",
                "Loeschen",
                "Hinzufuegen",
                "Zeichnen",
                "Histogramm speichern",
                "Masse",
                "Name",
                "Ereignis-Nr.:",
                "Meine Teilchen",
                "Teilchen-Information",
                "Zoom",
                "Ereignis-Verwaltung",
                "Ansicht",
                "Legende",
                "Histogramm",
                "Geometrie verbergen",
                "Transparenz"};
    case FR:
        return {"Aide",
                "Quitter",
                "Sauver une particule",
                "Calculer",
                "Effacer",
                "Ajouter",
                "Dessiner",
                "Sauver l'histogramme",
                "Masse",
                "Nom",
                "Num. d'evenement:",
                "Mes particules",
                "Information sur les particules",
                "Zoom",
                "Gestionnaire d'evenement",
                "Voir",
                "Legende",
                "Histogramme",
                "Masquer la geometrie",
                "Transparence"};
    case RO:
        return {"Ajutor",
                "Iesire",
                "Salveaza particula",
                "Calculeaza",
                "Sterge",
                "Adauga",
                "Deseneaza",
                "Salveaza histograma",
                "Masa",
                "Nume",
                "Indice eveniment:",
                "Particulele mele",
                "Informatii particula",
                "Mareste",
                "Manager evenimente",
                "Vizualizeaza",
                "Legenda",
                "Histograma",
                "Ascunde geometria",
                "Transparenta"};
    default:
        return {"Help",          "Move on to D0 Exercise",
                "Save Particle", "Calculate",
                "Delete",        "Add",
                "Draw",          "Save Histogram",
                "Mass",          "Name",
                "Event number:", "My Particles",
                "Particle Info", "Zoom",
                "Event manager", "View",
                "Legend",        "Histogram",
                "Hide Geometry", "Transparency"};
    }
}

FrameMessageTexts frameMessageTexts(int lang) {
    switch (lang) {
    case IT:
        return {"Non e' possibile selezionare piu' di due particelle per volta.",
                "Questa particella e' gia' stata selezionata.",
                "Istogramma salvato con successo",
                "La massa calcolata non e' nell'intervallo ammesso. Riprova di nuovo.",
                "Hai gia' aggiunto questo valore di massa nell'istogramma",
                "Premi CTRL o CTRL+SHIFT per ruotare la figura in modo piu' preciso.",
                "Congratulazioni",
                "Hai compleato con successo l'esercizio LumoraDisplay"};
    case DE:
        return {"Du kannst nicht mehr als zwei Teilchen auswaehlen.",
                "Dieses Teilchen ist bereits ausgewaehlt.",
                "Das Histogram wurde erfolgreich gespeichert.",
                "Die Masse liegt nicht im korrekten Interval. Versuche es erneut.",
                "Du hast bereits ein Massen-Histogram hinzugefuegt.",
                "Wenn du die Ansicht rotieren willst, druecke STRG oder STRG + SHIFT um praeziser "
                "zu arbeiten.",
                "Herzlichen Glueckwunsch!",
                "Du hast die LumoraDisplay-Aufgabe erfolgreich geloest."};
    case FR:
        return {"Vous ne pouvez pas avoir plus de deux particules.",
                "Vous avez deja ajoute cette particule.",
                "Vous avez enregistrez votre histogramme avec succes.",
                "Le masse n'est pas dans le domaine. Essayez a nouveau.",
                "Vous avez deja ajoute une nouvelle masse a l'histogramme.",
                "Pour effectuez un rotation de la vue, utilisez CTRL ou CTRL+SHIFT pour etre plus "
                "precis.",
                "Felicitations!",
                "Vous avez realise votre exercice avec succes."};
    case RO:
        return {"Nu puteti avea mai mult de doua particule.",
                "Ati adaugat deja aceasta particula la lista.",
                "Ati salvat cu succes histograma dvs.",
                "Masa nu este in interval. Va rugam incercati din nou.",
                "Noua masuratoare de masa este deja adaugata la histograma.",
                "Cand rotiti imaginea apasati tasta CTRL sau tastele CTRL si SHIFT pentru a avea o "
                "precizie mai buna.",
                "Felicitari!",
                "Ati completat cu succes exercitiul LumoraDisplay."};
    default:
        return {"You cannot have more than two particles.",
                "You have already added this particle.",
                "You have successfully saved your histogram.",
                "Mass is not in range. Please, try again.",
                "You have already added new mass in histogram.",
                "When you want to rotate the view, press CTRL or CTRL + SHIFT to be more precise.",
                "Congratulations!",
                "You have successfully completed LumoraDisplay exercise."};
    }
}

QString helpPicturePath(int lang) {
    return QString::fromStdString(DataFiles::locate(DataFiles::helpPicture(lang)));
}

HelpPictureSize helpPictureSize(unsigned mainFrameHeight) {
    const float h = static_cast<float>(0.8 * mainFrameHeight);
    const float w = 1.8118812f * h;
    return {static_cast<int>(w), static_cast<int>(h)};
}

FrameNoticeTexts frameNoticeTexts(int lang) {
    switch (lang) {
    case FR:
        return {"Vexel Lumora : affichage des événements",
                "Les traces du jeu de données %1 ne peuvent pas être lues (%2). Le détecteur "
                "est affiché sans traces.",
                "Le jeu de données %1 ne contient aucun événement.",
                "L'événement %1 ne peut pas être lu (%2).",
                "La géométrie Vexel ne peut pas être lue (%1).",
                "La page d'aide ne peut pas être affichée : l'image %1 est introuvable.",
                "L'histogramme ne peut pas être enregistré : le nom de fichier formé à partir de "
                "vos coordonnées est trop long (%1 octets, 255 au plus).",
                "Votre histogramme de masse n'a pas été enregistré. Quitter le programme quand "
                "même ?",
                "Oui",
                "Non"};
    case DE:
        return {"Vexel Lumora : Ereignisanzeige",
                "Die Teilchenspuren des Datensatzes %1 können nicht gelesen werden (%2). Der "
                "Detektor wird ohne Spuren gezeigt.",
                "Der Datensatz %1 enthält keine Ereignisse.",
                "Ereignis %1 kann nicht gelesen werden (%2).",
                "Die Vexel-Geometrie kann nicht gelesen werden (%1).",
                "Die Hilfeseite kann nicht gezeigt werden: das Bild %1 fehlt.",
                "Das Histogramm kann nicht gespeichert werden: der Dateiname aus deinen Angaben "
                "ist zu lang (%1 Bytes, höchstens 255).",
                "Dein Massen-Histogramm wurde nicht gespeichert. Das Programm trotzdem beenden?",
                "Ja",
                "Nein"};
    case IT:
        return {"Vexel Lumora : visualizzazione degli eventi",
                "Le tracce dell'insieme di dati %1 non possono essere lette (%2). Il rivelatore "
                "è mostrato senza tracce.",
                "L'insieme di dati %1 non contiene eventi.",
                "L'evento %1 non può essere letto (%2).",
                "La geometria Vexel non può essere letta (%1).",
                "La pagina di aiuto non può essere mostrata: manca l'immagine %1.",
                "L'istogramma non può essere salvato: il nome del file formato dai tuoi dati è "
                "troppo lungo (%1 byte, al massimo 255).",
                "Il tuo istogramma di massa non è stato salvato. Chiudere comunque il programma?",
                "Sì",
                "No"};
    case RO:
        return {"Vexel Lumora : afișarea evenimentelor",
                "Urmele particulelor din setul de date %1 nu pot fi citite (%2). Detectorul este "
                "afișat fără urme.",
                "Setul de date %1 nu conține niciun eveniment.",
                "Evenimentul %1 nu poate fi citit (%2).",
                "Geometria Vexel nu poate fi citită (%1).",
                "Pagina de ajutor nu poate fi afișată: lipsește imaginea %1.",
                "Histograma nu poate fi salvată: numele fișierului format din datele dvs. este "
                "prea lung (%1 octeți, cel mult 255).",
                "Histograma dvs. de masă nu a fost salvată. Închideți totuși programul?",
                "Da",
                "Nu"};
    default:
        return {"Vexel Lumora : event display",
                "The particle tracks of data set %1 cannot be read (%2). The detector is shown "
                "without tracks.",
                "The data set %1 holds no events.",
                "Event %1 cannot be read (%2).",
                "The Vexel geometry cannot be read (%1).",
                "The help page cannot be shown: the picture %1 is missing.",
                "The histogram cannot be saved: the file name made from your details is too "
                "long (%1 bytes, at most 255).",
                "Your mass histogram has not been saved. End the program anyway?",
                "Yes",
                "No"};
    }
}
