#include "LessonDayTexts.h"

#include <iterator>

namespace {

QStringList split(const char* text) {
    return QString::fromUtf8(text).split('|');
}

LessonDayTexts make(const char* const t[]) {
    LessonDayTexts x;
    int i = 0;
    auto next = [&] { return QString::fromUtf8(t[i++]); };
    for (QString* s :
         {&x.classesTitle, &x.addFolder, &x.addExport, &x.removeClass, &x.labelTitle, &x.school,
          &x.className, &x.date, &x.exportClass, &x.exportClassNeedsFolder, &x.classExported,
          &x.handOut, &x.projector, &x.closeProjector, &x.countEveryFile, &x.ruleOnce, &x.ruleEvery,
          &x.lifetimeRule, &x.classesTab})
        *s = next();
    x.classColumns = split(t[i++]);
    x.lifetimeColumns = split(t[i++]);
    for (QString* s : {&x.studentClass, &x.sameCombination, &x.sharedCounted, &x.sharedNotCounted,
                       &x.allClasses,   &x.twice,           &x.totalFit,      &x.classFit,
                       &x.spreadLegend, &x.lifetimeCell,    &x.newerFormat,   &x.fitLegend,
                       &x.handOutTitle, &x.namesPrompt,     &x.groupsPrompt,  &x.assignNames,
                       &x.assignGroups, &x.groupWord,       &x.saveSheet,     &x.saveList,
                       &x.sheetTitle,   &x.sheetNote,       &x.nameColumn,    &x.combinationColumn,
                       &x.noNames,      &x.duplicateNames,  &x.tooManyNames,  &x.tooManyGroups,
                       &x.blankLines,   &x.reused,          &x.assigned})
        *s = next();
    return x;
}

const char* const kEnglish[] = {
    "Classes of the day",
    "Add class folder...",
    "Add class export...",
    "Remove",
    "Class label",
    "School",
    "Class",
    "Date",
    "Export class...",
    "Choose a class folder in the list first.",
    "Class exported: %1",
    "Hand out data sets...",
    "Projector view",
    "Esc: back to the window",
    "Count every file (also a combination analysed twice)",
    "Rule: a combination analysed by two students counts once (the first saved).",
    "Rule: every file counts, also a combination analysed twice.",
    "Class lifetime: the mean of the students' values, their spread (standard deviation, "
    "lowest and highest) and the statistical error of one analysis. All students analyse the "
    "same candidates, so no error of the mean is given.",
    "Classes",
    "Class|Students|Entries|Mass (MeV/c²)|Width σ (MeV/c²)|Lifetime at each cut (ps)",
    "Class|Trend|Cut|Mean (ps)|Spread: standard deviation (ps)|Lowest ... highest (ps)|"
    "Error of one analysis (ps)|Students",
    "Class",
    "Same combination as another",
    "yes, counted",
    "yes, not counted",
    "All classes",
    "Analysed more than once: %1",
    "All classes: mass %1 ± %2 MeV/c², σ %3 ± %4 MeV/c²",
    "%1: %2 ± %3 MeV/c²",
    "Bars: spread of the students' values (standard deviation)",
    "%1: %2 (spread %3)",
    "written by a newer version of the program",
    "Fit (Gaussian and straight line)",
    "Hand out data sets",
    "Students' names, one a line:",
    "Or a number of groups:",
    "Assign to the names",
    "Assign to the groups",
    "Group",
    "Save sheet (PDF)...",
    "Save list (CSV)...",
    "Data sets: %1",
    "Open the data set with your combination number in the event exercise.",
    "Name",
    "Combination",
    "There are no names: type one name a line.",
    "These names appear more than once: %1. Make each name unique, for example with an "
    "initial.",
    "%1 names, but there are only %2 data sets: let students work in groups.",
    "The number of groups must be from 1 to %1.",
    "%1 blank lines skipped.",
    "Only %1 data sets were not analysed yet today: %2 are handed out again.",
    "%1 data sets handed out.",
};

const char* const kFrench[] = {
    "Classes de la journée",
    "Ajouter un dossier de classe...",
    "Ajouter un export de classe...",
    "Retirer",
    "Étiquette de la classe",
    "École",
    "Classe",
    "Date",
    "Exporter la classe...",
    "Choisissez d'abord un dossier de classe dans la liste.",
    "Classe exportée : %1",
    "Distribuer les jeux de données...",
    "Vue pour le projecteur",
    "Échap : retour à la fenêtre",
    "Compter chaque fichier (aussi une combinaison analysée deux fois)",
    "Règle : une combinaison analysée par deux élèves compte une fois (la première "
    "enregistrée).",
    "Règle : chaque fichier compte, aussi une combinaison analysée deux fois.",
    "Durée de vie de la classe : la moyenne des valeurs des élèves, leur dispersion (écart "
    "type, plus petite et plus grande) et l'erreur statistique d'une analyse. Tous les élèves "
    "analysent les mêmes candidats : aucune erreur de la moyenne n'est donnée.",
    "Classes",
    "Classe|Élèves|Entrées|Masse (MeV/c²)|Largeur σ (MeV/c²)|Durée de vie à chaque coupure (ps)",
    "Classe|Tendance|Coupure|Moyenne (ps)|Dispersion : écart type (ps)|Plus petite ... plus "
    "grande (ps)|Erreur d'une analyse (ps)|Élèves",
    "Classe",
    "Même combinaison qu'un autre",
    "oui, comptée",
    "oui, non comptée",
    "Toutes les classes",
    "Analysées plus d'une fois : %1",
    "Toutes les classes : masse %1 ± %2 MeV/c², σ %3 ± %4 MeV/c²",
    "%1 : %2 ± %3 MeV/c²",
    "Barres : dispersion des valeurs des élèves (écart type)",
    "%1 : %2 (dispersion %3)",
    "écrit par une version plus récente du programme",
    "Ajustement (gaussienne et droite)",
    "Distribuer les jeux de données",
    "Noms des élèves, un par ligne :",
    "Ou un nombre de groupes :",
    "Attribuer aux noms",
    "Attribuer aux groupes",
    "Groupe",
    "Enregistrer la feuille (PDF)...",
    "Enregistrer la liste (CSV)...",
    "Jeux de données : %1",
    "Ouvrez le jeu de données de votre numéro de combinaison dans l'exercice des événements.",
    "Nom",
    "Combinaison",
    "Il n'y a aucun nom : tapez un nom par ligne.",
    "Ces noms apparaissent plus d'une fois : %1. Rendez chaque nom unique, par exemple avec "
    "une initiale.",
    "%1 noms, mais il n'y a que %2 jeux de données : faites travailler les élèves en groupes.",
    "Le nombre de groupes doit être de 1 à %1.",
    "%1 lignes vides ignorées.",
    "Seuls %1 jeux de données n'ont pas encore été analysés aujourd'hui : %2 sont distribués "
    "une deuxième fois.",
    "%1 jeux de données distribués.",
};

const char* const kGerman[] = {
    "Klassen des Tages",
    "Klassenordner hinzufügen...",
    "Klassenexport hinzufügen...",
    "Entfernen",
    "Bezeichnung der Klasse",
    "Schule",
    "Klasse",
    "Datum",
    "Klasse exportieren...",
    "Wählen Sie zuerst einen Klassenordner in der Liste.",
    "Klasse exportiert: %1",
    "Datensätze verteilen...",
    "Ansicht für den Beamer",
    "Esc: zurück zum Fenster",
    "Jede Datei zählen (auch eine zweimal analysierte Kombination)",
    "Regel: eine von zwei Schülern analysierte Kombination zählt einmal (die zuerst "
    "gespeicherte).",
    "Regel: jede Datei zählt, auch eine zweimal analysierte Kombination.",
    "Lebensdauer der Klasse: der Mittelwert der Werte der Schüler, ihre Streuung "
    "(Standardabweichung, kleinster und größter Wert) und der statistische Fehler einer "
    "Analyse. Alle Schüler analysieren dieselben Kandidaten, daher wird kein Fehler des "
    "Mittelwerts angegeben.",
    "Klassen",
    "Klasse|Schüler|Einträge|Masse (MeV/c²)|Breite σ (MeV/c²)|Lebensdauer bei jedem Schnitt (ps)",
    "Klasse|Trend|Schnitt|Mittelwert (ps)|Streuung: Standardabweichung (ps)|Kleinster ... "
    "größter (ps)|Fehler einer Analyse (ps)|Schüler",
    "Klasse",
    "Gleiche Kombination wie ein anderer",
    "ja, gezählt",
    "ja, nicht gezählt",
    "Alle Klassen",
    "Mehr als einmal analysiert: %1",
    "Alle Klassen: Masse %1 ± %2 MeV/c², σ %3 ± %4 MeV/c²",
    "%1: %2 ± %3 MeV/c²",
    "Balken: Streuung der Werte der Schüler (Standardabweichung)",
    "%1: %2 (Streuung %3)",
    "von einer neueren Version des Programms geschrieben",
    "Fit (Gauß-Kurve und Gerade)",
    "Datensätze verteilen",
    "Namen der Schüler, einer pro Zeile:",
    "Oder eine Anzahl von Gruppen:",
    "Den Namen zuteilen",
    "Den Gruppen zuteilen",
    "Gruppe",
    "Blatt speichern (PDF)...",
    "Liste speichern (CSV)...",
    "Datensätze: %1",
    "Öffnen Sie in der Ereignisübung den Datensatz mit Ihrer Kombinationsnummer.",
    "Name",
    "Kombination",
    "Es gibt keine Namen: tippen Sie einen Namen pro Zeile.",
    "Diese Namen kommen mehr als einmal vor: %1. Machen Sie jeden Namen eindeutig, zum "
    "Beispiel mit einer Initiale.",
    "%1 Namen, aber es gibt nur %2 Datensätze: lassen Sie die Schüler in Gruppen arbeiten.",
    "Die Anzahl der Gruppen muss zwischen 1 und %1 liegen.",
    "%1 leere Zeilen übersprungen.",
    "Nur %1 Datensätze wurden heute noch nicht analysiert: %2 werden ein zweites Mal verteilt.",
    "%1 Datensätze verteilt.",
};

const char* const kItalian[] = {
    "Classi della giornata",
    "Aggiungi una cartella di classe...",
    "Aggiungi un'esportazione di classe...",
    "Rimuovi",
    "Etichetta della classe",
    "Scuola",
    "Classe",
    "Data",
    "Esporta la classe...",
    "Scegli prima una cartella di classe nell'elenco.",
    "Classe esportata: %1",
    "Distribuisci i dati...",
    "Vista per il proiettore",
    "Esc: torna alla finestra",
    "Conta ogni file (anche una combinazione analizzata due volte)",
    "Regola: una combinazione analizzata da due studenti conta una volta (la prima salvata).",
    "Regola: ogni file conta, anche una combinazione analizzata due volte.",
    "Vita media della classe: la media dei valori degli studenti, la loro dispersione "
    "(deviazione standard, minimo e massimo) e l'errore statistico di un'analisi. Tutti gli "
    "studenti analizzano gli stessi candidati, quindi non si dà un errore della media.",
    "Classi",
    "Classe|Studenti|Voci|Massa (MeV/c²)|Larghezza σ (MeV/c²)|Vita media a ogni taglio (ps)",
    "Classe|Andamento|Taglio|Media (ps)|Dispersione: deviazione standard (ps)|Minimo ... "
    "massimo (ps)|Errore di un'analisi (ps)|Studenti",
    "Classe",
    "Stessa combinazione di un altro",
    "sì, contata",
    "sì, non contata",
    "Tutte le classi",
    "Analizzate più di una volta: %1",
    "Tutte le classi: massa %1 ± %2 MeV/c², σ %3 ± %4 MeV/c²",
    "%1: %2 ± %3 MeV/c²",
    "Barre: dispersione dei valori degli studenti (deviazione standard)",
    "%1: %2 (dispersione %3)",
    "scritto da una versione più recente del programma",
    "Fit (gaussiana e retta)",
    "Distribuisci i dati",
    "Nomi degli studenti, uno per riga:",
    "Oppure un numero di gruppi:",
    "Assegna ai nomi",
    "Assegna ai gruppi",
    "Gruppo",
    "Salva il foglio (PDF)...",
    "Salva l'elenco (CSV)...",
    "Dati: %1",
    "Apri nell'esercizio sugli eventi i dati con il tuo numero di combinazione.",
    "Nome",
    "Combinazione",
    "Non ci sono nomi: scrivi un nome per riga.",
    "Questi nomi compaiono più di una volta: %1. Rendi unico ogni nome, per esempio con "
    "un'iniziale.",
    "%1 nomi, ma ci sono solo %2 insiemi di dati: fai lavorare gli studenti in gruppi.",
    "Il numero di gruppi deve essere da 1 a %1.",
    "%1 righe vuote saltate.",
    "Solo %1 insiemi di dati non sono ancora stati analizzati oggi: %2 vengono distribuiti "
    "di nuovo.",
    "%1 insiemi di dati distribuiti.",
};

const char* const kRomanian[] = {
    "Clasele zilei",
    "Adaugă dosarul unei clase...",
    "Adaugă exportul unei clase...",
    "Elimină",
    "Eticheta clasei",
    "Școala",
    "Clasa",
    "Data",
    "Exportă clasa...",
    "Alegeți mai întâi un dosar de clasă din listă.",
    "Clasă exportată: %1",
    "Împarte seturile de date...",
    "Vedere pentru proiector",
    "Esc: înapoi la fereastră",
    "Numără fiecare fișier (și o combinație analizată de două ori)",
    "Regulă: o combinație analizată de doi elevi contează o dată (prima salvată).",
    "Regulă: fiecare fișier contează, și o combinație analizată de două ori.",
    "Timpul de viață al clasei: media valorilor elevilor, împrăștierea lor (abaterea "
    "standard, cea mai mică și cea mai mare) și eroarea statistică a unei analize. Toți elevii "
    "analizează aceiași candidați, deci nu se dă o eroare a mediei.",
    "Clase",
    "Clasa|Elevi|Intrări|Masa (MeV/c²)|Lățimea σ (MeV/c²)|Timpul de viață la fiecare tăietură "
    "(ps)",
    "Clasa|Tendință|Tăietură|Media (ps)|Împrăștiere: abaterea standard (ps)|Cea mai mică ... "
    "cea mai mare (ps)|Eroarea unei analize (ps)|Elevi",
    "Clasa",
    "Aceeași combinație ca altul",
    "da, numărată",
    "da, nenumărată",
    "Toate clasele",
    "Analizate de mai multe ori: %1",
    "Toate clasele: masa %1 ± %2 MeV/c², σ %3 ± %4 MeV/c²",
    "%1: %2 ± %3 MeV/c²",
    "Bare: împrăștierea valorilor elevilor (abaterea standard)",
    "%1: %2 (împrăștiere %3)",
    "scris de o versiune mai nouă a programului",
    "Fit (gaussiană și dreaptă)",
    "Împarte seturile de date",
    "Numele elevilor, câte unul pe rând:",
    "Sau un număr de grupe:",
    "Atribuie numelor",
    "Atribuie grupelor",
    "Grupa",
    "Salvează foaia (PDF)...",
    "Salvează lista (CSV)...",
    "Seturi de date: %1",
    "Deschideți în exercițiul cu evenimente setul de date cu numărul combinației voastre.",
    "Nume",
    "Combinația",
    "Nu există nume: scrieți câte un nume pe rând.",
    "Aceste nume apar de mai multe ori: %1. Faceți fiecare nume unic, de exemplu cu o inițială.",
    "%1 nume, dar există doar %2 seturi de date: lăsați elevii să lucreze în grupe.",
    "Numărul de grupe trebuie să fie de la 1 la %1.",
    "%1 rânduri goale sărite.",
    "Doar %1 seturi de date nu au fost încă analizate azi: %2 sunt împărțite din nou.",
    "%1 seturi de date împărțite.",
};

constexpr std::size_t kTexts = 52;
static_assert(std::size(kEnglish) == kTexts && std::size(kFrench) == kTexts &&
              std::size(kGerman) == kTexts && std::size(kItalian) == kTexts &&
              std::size(kRomanian) == kTexts);

} // namespace

LessonDayTexts LessonDayTexts::forLanguage(int code) {
    switch (code) {
    case 2:
        return make(kFrench);
    case 3:
        return make(kGerman);
    case 4:
        return make(kItalian);
    case 5:
        return make(kRomanian);
    default:
        return make(kEnglish);
    }
}
