#include "D0ExerciseMessages.h"

namespace {

D0ExerciseMessages english() {
    D0ExerciseMessages m;
    m.close = "Close";
    m.errorTitle = "Error";
    m.emptySignalRange =
        "The signal range is empty:\nits upper edge must lie above its lower edge.";
    m.emptyDecayTimeRange =
        "The decay-time range is empty:\nits upper edge must lie above its lower edge.";
    m.noSidebandBackground =
        "The fitted background line gives no positive\nbackground in the sidebands, so the "
        "background\nunder the peak cannot be scaled from them.\nChange the signal range or fit "
        "the mass again.";
    m.nothingToFit = "There is nothing to fit:\nno bin in the fit range holds candidates.";
    m.fitFailed = "The fit did not converge.\nChange the ranges and try again.";
    m.approximateErrors = "Warning: the error matrix of the fit was not positive definite\nand "
                          "was forced to be; the errors shown are approximate.";
    m.fieldNotANumber = "The fit result and its error must be numbers\n(for example 0.4101 or "
                        "0,4101). Nothing was saved.";
    m.resultsNotSaved = "Your results could not be written to\n%1\nThey are kept in the "
                        "program; check the output directory\nand save again.";
    m.cannotOpenFile = "Cannot open file %1\n%2";
    m.fileMissing = "The file does not exist.";
    m.fileUnreadable = "The file cannot be read (no permission?).";
    m.fileNotRoot = "The file is not a ROOT file, or it is damaged.";
    m.fileDamaged = "The file is damaged or cut short.";
    m.noCandidateTree = "The file holds no tree \"DecayTree\".";
    m.candidateTreeNotATree = "\"DecayTree\" in the file is not a tree.";
    m.missingBranch = "The tree \"DecayTree\" has no branch \"%1\".";
    m.badBranch = "The branches of \"DecayTree\" do not hold one number per candidate.";
    return m;
}

D0ExerciseMessages french() {
    D0ExerciseMessages m;
    m.close = QString::fromUtf8("Fermer");
    m.errorTitle = QString::fromUtf8("Erreur");
    m.emptySignalRange = QString::fromUtf8(
        "Le domaine du signal est vide :\nsa borne supérieure doit dépasser sa borne inférieure.");
    m.emptyDecayTimeRange = QString::fromUtf8(
        "Le domaine du temps de désintégration est vide :\nsa borne supérieure doit dépasser sa "
        "borne inférieure.");
    m.noSidebandBackground = QString::fromUtf8(
        "La droite de bruit de fond ajustée ne donne pas de bruit de fond\npositif dans les "
        "bandes latérales : le bruit de fond sous le pic\nne peut pas en être déduit.\nModifiez "
        "le domaine du signal ou ajustez à nouveau la masse.");
    m.nothingToFit = QString::fromUtf8(
        "Il n'y a rien à ajuster :\naucun intervalle du domaine d'ajustement ne contient de "
        "candidats.");
    m.fitFailed =
        QString::fromUtf8("L'ajustement n'a pas convergé.\nModifiez les domaines et réessayez.");
    m.approximateErrors = QString::fromUtf8(
        "Attention : la matrice d'erreur de l'ajustement n'était pas définie positive\net a été "
        "forcée à l'être ; les erreurs affichées sont approximatives.");
    m.fieldNotANumber = QString::fromUtf8(
        "Le résultat de l'ajustement et son erreur doivent être des nombres\n(par exemple 0.4101 "
        "ou 0,4101). Rien n'a été enregistré.");
    m.resultsNotSaved = QString::fromUtf8(
        "Vos résultats n'ont pas pu être écrits dans\n%1\nIls sont conservés dans le programme ; "
        "vérifiez le répertoire de sortie\net enregistrez à nouveau.");
    m.cannotOpenFile = QString::fromUtf8("Impossible d'ouvrir le fichier %1\n%2");
    m.fileMissing = QString::fromUtf8("Le fichier n'existe pas.");
    m.fileUnreadable = QString::fromUtf8("Le fichier ne peut pas être lu (droits d'accès ?).");
    m.fileNotRoot = QString::fromUtf8("Ce n'est pas un fichier ROOT, ou il est endommagé.");
    m.fileDamaged = QString::fromUtf8("Le fichier est endommagé ou incomplet.");
    m.noCandidateTree = QString::fromUtf8("Le fichier ne contient pas d'arbre \"DecayTree\".");
    m.candidateTreeNotATree =
        QString::fromUtf8("\"DecayTree\" dans le fichier n'est pas un arbre.");
    m.missingBranch = QString::fromUtf8("L'arbre \"DecayTree\" n'a pas de branche \"%1\".");
    m.badBranch = QString::fromUtf8(
        "Les branches de \"DecayTree\" ne contiennent pas un nombre par candidat.");
    return m;
}

D0ExerciseMessages german() {
    D0ExerciseMessages m;
    m.close = QString::fromUtf8("Schließen");
    m.errorTitle = QString::fromUtf8("Fehler");
    m.emptySignalRange = QString::fromUtf8(
        "Das Signal-Intervall ist leer:\nseine obere Grenze muss über der unteren liegen.");
    m.emptyDecayTimeRange = QString::fromUtf8(
        "Das Zerfallszeit-Intervall ist leer:\nseine obere Grenze muss über der unteren liegen.");
    m.noSidebandBackground = QString::fromUtf8(
        "Die gefittete Untergrund-Gerade ergibt keinen positiven\nUntergrund in den "
        "Seitenbändern, daher kann der Untergrund\nunter dem Peak nicht daraus skaliert "
        "werden.\nÄndere das Signal-Intervall oder fitte die Masse erneut.");
    m.nothingToFit =
        QString::fromUtf8("Es gibt nichts zu fitten:\nkein Bin im Fit-Bereich enthält Kandidaten.");
    m.fitFailed = QString::fromUtf8(
        "Der Fit ist nicht konvergiert.\nÄndere die Intervalle und versuche es erneut.");
    m.approximateErrors = QString::fromUtf8(
        "Warnung: die Fehlermatrix des Fits war nicht positiv definit\nund wurde dazu gezwungen; "
        "die angezeigten Fehler sind nur Näherungen.");
    m.fieldNotANumber = QString::fromUtf8(
        "Fit-Ergebnis und Fehler müssen Zahlen sein\n(zum Beispiel 0.4101 oder 0,4101). Es "
        "wurde nichts gespeichert.");
    m.resultsNotSaved = QString::fromUtf8(
        "Deine Ergebnisse konnten nicht geschrieben werden in\n%1\nSie bleiben im Programm "
        "erhalten; prüfe das Ausgabeverzeichnis\nund speichere erneut.");
    m.cannotOpenFile = QString::fromUtf8("Die Datei %1 kann nicht geöffnet werden.\n%2");
    m.fileMissing = QString::fromUtf8("Die Datei existiert nicht.");
    m.fileUnreadable = QString::fromUtf8("Die Datei kann nicht gelesen werden (fehlende Rechte?).");
    m.fileNotRoot = QString::fromUtf8("Die Datei ist keine ROOT-Datei oder sie ist beschädigt.");
    m.fileDamaged = QString::fromUtf8("Die Datei ist beschädigt oder unvollständig.");
    m.noCandidateTree = QString::fromUtf8("Die Datei enthält keinen Baum \"DecayTree\".");
    m.candidateTreeNotATree = QString::fromUtf8("\"DecayTree\" in der Datei ist kein Baum.");
    m.missingBranch = QString::fromUtf8("Der Baum \"DecayTree\" hat keinen Zweig \"%1\".");
    m.badBranch =
        QString::fromUtf8("Die Zweige von \"DecayTree\" enthalten nicht eine Zahl pro Kandidat.");
    return m;
}

D0ExerciseMessages italian() {
    D0ExerciseMessages m;
    m.close = QString::fromUtf8("Chiudi");
    m.errorTitle = QString::fromUtf8("Errore");
    m.emptySignalRange = QString::fromUtf8(
        "L'intervallo del segnale è vuoto:\nil suo estremo superiore deve superare quello "
        "inferiore.");
    m.emptyDecayTimeRange = QString::fromUtf8(
        "L'intervallo del tempo di decadimento è vuoto:\nil suo estremo superiore deve superare "
        "quello inferiore.");
    m.noSidebandBackground = QString::fromUtf8(
        "La retta di fondo del fit non dà un fondo positivo\nnelle bande laterali, quindi il "
        "fondo sotto il picco\nnon può essere ricavato da esse.\nCambia l'intervallo del segnale "
        "o rifai il fit della massa.");
    m.nothingToFit = QString::fromUtf8(
        "Non c'è nulla da fittare:\nnessun bin nell'intervallo del fit contiene candidati.");
    m.fitFailed = QString::fromUtf8("Il fit non è converso.\nCambia gli intervalli e riprova.");
    m.approximateErrors = QString::fromUtf8(
        "Attenzione: la matrice degli errori del fit non era definita positiva\ned è stata resa "
        "tale; gli errori mostrati sono approssimati.");
    m.fieldNotANumber = QString::fromUtf8(
        "Il risultato del fit e il suo errore devono essere numeri\n(per esempio 0.4101 o "
        "0,4101). Non è stato salvato nulla.");
    m.resultsNotSaved = QString::fromUtf8(
        "Non è stato possibile scrivere i tuoi risultati in\n%1\nRestano nel programma; "
        "controlla la cartella di output\ne salva di nuovo.");
    m.cannotOpenFile = QString::fromUtf8("Impossibile aprire il file %1\n%2");
    m.fileMissing = QString::fromUtf8("Il file non esiste.");
    m.fileUnreadable = QString::fromUtf8("Il file non può essere letto (permessi?).");
    m.fileNotRoot = QString::fromUtf8("Il file non è un file ROOT, oppure è danneggiato.");
    m.fileDamaged = QString::fromUtf8("Il file è danneggiato o incompleto.");
    m.noCandidateTree = QString::fromUtf8("Il file non contiene l'albero \"DecayTree\".");
    m.candidateTreeNotATree = QString::fromUtf8("\"DecayTree\" nel file non è un albero.");
    m.missingBranch = QString::fromUtf8("L'albero \"DecayTree\" non ha il ramo \"%1\".");
    m.badBranch =
        QString::fromUtf8("I rami di \"DecayTree\" non contengono un numero per candidato.");
    return m;
}

D0ExerciseMessages romanian() {
    D0ExerciseMessages m;
    m.close = QString::fromUtf8("Închide");
    m.errorTitle = QString::fromUtf8("Eroare");
    m.emptySignalRange = QString::fromUtf8(
        "Domeniul de semnal este gol:\nlimita superioară trebuie să fie peste cea inferioară.");
    m.emptyDecayTimeRange = QString::fromUtf8(
        "Domeniul timpului de dezintegrare este gol:\nlimita superioară trebuie să fie peste "
        "cea inferioară.");
    m.noSidebandBackground = QString::fromUtf8(
        "Dreapta de fond fitată nu dă un fond pozitiv\nîn benzile laterale, deci fondul de sub "
        "vârf\nnu poate fi scalat din ele.\nSchimbați domeniul de semnal sau fitați din nou "
        "masa.");
    m.nothingToFit = QString::fromUtf8(
        "Nu există nimic de fitat:\nniciun bin din domeniul fit-ului nu conține candidați.");
    m.fitFailed =
        QString::fromUtf8("Fit-ul nu a convers.\nSchimbați domeniile și încercați din nou.");
    m.approximateErrors = QString::fromUtf8(
        "Atenție: matricea erorilor fit-ului nu era pozitiv definită\nși a fost forțată să fie; "
        "erorile afișate sunt aproximative.");
    m.fieldNotANumber = QString::fromUtf8(
        "Rezultatul fit-ului și eroarea sa trebuie să fie numere\n(de exemplu 0.4101 sau "
        "0,4101). Nu s-a salvat nimic.");
    m.resultsNotSaved = QString::fromUtf8(
        "Rezultatele nu au putut fi scrise în\n%1\nEle sunt păstrate în program; verificați "
        "directorul de ieșire\nși salvați din nou.");
    m.cannotOpenFile = QString::fromUtf8("Fișierul %1 nu poate fi deschis.\n%2");
    m.fileMissing = QString::fromUtf8("Fișierul nu există.");
    m.fileUnreadable = QString::fromUtf8("Fișierul nu poate fi citit (lipsă permisiuni?).");
    m.fileNotRoot = QString::fromUtf8("Fișierul nu este un fișier ROOT sau este deteriorat.");
    m.fileDamaged = QString::fromUtf8("Fișierul este deteriorat sau incomplet.");
    m.noCandidateTree = QString::fromUtf8("Fișierul nu conține arborele \"DecayTree\".");
    m.candidateTreeNotATree = QString::fromUtf8("\"DecayTree\" din fișier nu este un arbore.");
    m.missingBranch = QString::fromUtf8("Arborele \"DecayTree\" nu are ramura \"%1\".");
    m.badBranch = QString::fromUtf8(
        "Ramurile din \"DecayTree\" nu conțin câte un număr pentru fiecare candidat.");
    return m;
}

} // namespace

D0ExerciseMessages D0ExerciseMessages::forLanguage(int lang) {
    switch (lang) {
    case 2:
        return french();
    case 3:
        return german();
    case 4:
        return italian();
    case 5:
        return romanian();
    default:
        return english();
    }
}
