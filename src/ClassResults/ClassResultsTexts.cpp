#include "ClassResultsTexts.h"

#include <iterator>

namespace {

QStringList split(const char* text) {
    return QString::fromUtf8(text).split('|');
}

ClassResultsTexts make(const char* const t[], const char* const reasons[8]) {
    ClassResultsTexts x;
    int i = 0;
    auto next = [&] { return QString::fromUtf8(t[i++]); };
    x.windowTitle = next();
    x.languagesTitle = next();
    x.folderTitle = next();
    x.chooseFolder = next();
    x.noFolder = next();
    x.folderUnreadable = next();
    x.exportPlots = next();
    x.exportTable = next();
    x.exportFailed = next();
    x.exported = next();
    x.studentsTab = next();
    x.unusedTab = next();
    x.lifetimesTab = next();
    x.studentColumns = split(t[i++]);
    x.unusedColumns = split(t[i++]);
    x.trendLabel = next();
    x.status = next();
    x.noFit = next();
    x.massPadTitle = next();
    x.entriesAxis = next();
    x.trueMass = next();
    x.trueLifetime = next();
    x.classMean = next();
    x.oneStudentPoints = next();
    x.signal = next();
    x.entries = next();
    x.trendNames = split(t[i++]);
    x.mean = next();
    x.lifetimeAxis = next();
    x.combinationsUsed = next();
    for (int r = 0; r < 8; ++r)
        x.reasons[r] = QString::fromUtf8(reasons[r]);
    return x;
}

const char* const kEnglish[] = {
    "Vexel Lumora - class results",
    "Languages",
    "Class folder",
    "Choose folder...",
    "No folder chosen",
    "The folder cannot be read",
    "Export plots...",
    "Export table...",
    "Export failed",
    "Saved %1",
    "Students",
    "Files not used",
    "Class lifetime",
    "Name|Surname|Grade|Combination|Entries|Lifetimes saved",
    "File|Reason|Details",
    "Trend:",
    "%1 files used, %2 not used; %3 students; %4 entries; %5 of %6 combinations",
    "No fit: too few entries",
    "D^{0} mass (MeV/c^{2})",
    "Candidates / (2 MeV/c^{2})",
    "True D^{0} mass: 1864.84 MeV/c^{2}",
    "True lifetime: 0.4101 ps",
    "Class mean",
    "Students' results",
    "Signal",
    "Entries",
    "lower PT cut|upper IP cut|upper PT cut|lower IP cut",
    "Mean",
    "Fitted D^{0} lifetime (ps)",
    "Combinations used: %1",
};
const char* const kEnglishReasons[] = {"used",
                                       "not named like a student's file",
                                       "not a ROOT file",
                                       "truncated or damaged",
                                       "wrong binning",
                                       "foreign file",
                                       "cannot be read",
                                       "superseded by a newer copy"};

const char* const kFrench[] = {
    "Vexel Lumora - résultats de la classe",
    "Langue",
    "Dossier de la classe",
    "Choisir le dossier...",
    "Aucun dossier choisi",
    "Le dossier ne peut pas être lu",
    "Exporter les graphiques...",
    "Exporter le tableau...",
    "Échec de l'exportation",
    "Enregistré : %1",
    "Élèves",
    "Fichiers non utilisés",
    "Durée de vie de la classe",
    "Nom|Prénom|Classe|Combinaison|Entrées|Durées de vie enregistrées",
    "Fichier|Raison|Détails",
    "Tendance :",
    "%1 fichiers utilisés, %2 non utilisés ; %3 élèves ; %4 entrées ; %5 combinaisons sur %6",
    "Pas d'ajustement : trop peu d'entrées",
    "Masse du D^{0} (MeV/c^{2})",
    "Candidats / (2 MeV/c^{2})",
    "Masse vraie du D^{0} : 1864.84 MeV/c^{2}",
    "Vraie durée de vie : 0.4101 ps",
    "Moyenne de la classe",
    "Résultats des élèves",
    "Signal",
    "Entrées",
    "coupure PT basse|coupure IP haute|coupure PT haute|coupure IP basse",
    "Moyenne",
    "Durée de vie du D^{0} (ps)",
    "Combinaisons utilisées : %1",
};
const char* const kFrenchReasons[] = {"utilisé",
                                      "nom différent de celui d'un fichier d'élève",
                                      "pas un fichier ROOT",
                                      "tronqué ou endommagé",
                                      "mauvais découpage en intervalles",
                                      "fichier étranger",
                                      "illisible",
                                      "remplacé par une copie plus récente"};

const char* const kGerman[] = {
    "Vexel Lumora - Ergebnisse der Klasse",
    "Sprache",
    "Ordner der Klasse",
    "Ordner wählen...",
    "Kein Ordner gewählt",
    "Der Ordner kann nicht gelesen werden",
    "Grafiken exportieren...",
    "Tabelle exportieren...",
    "Export fehlgeschlagen",
    "Gespeichert: %1",
    "Schüler",
    "Nicht verwendete Dateien",
    "Lebensdauer der Klasse",
    "Vorname|Nachname|Klasse|Kombination|Einträge|Gespeicherte Lebensdauern",
    "Datei|Grund|Einzelheiten",
    "Trend:",
    "%1 Dateien verwendet, %2 nicht verwendet; %3 Schüler; %4 Einträge; %5 von %6 Kombinationen",
    "Kein Fit: zu wenige Einträge",
    "D^{0}-Masse (MeV/c^{2})",
    "Kandidaten / (2 MeV/c^{2})",
    "Wahre D^{0}-Masse: 1864.84 MeV/c^{2}",
    "Wahre Lebensdauer: 0.4101 ps",
    "Mittelwert der Klasse",
    "Ergebnisse der Schüler",
    "Signal",
    "Einträge",
    "untere PT-Grenze|obere IP-Grenze|obere PT-Grenze|untere IP-Grenze",
    "Mittelwert",
    "D^{0}-Lebensdauer (ps)",
    "Verwendete Kombinationen: %1",
};
const char* const kGermanReasons[] = {"verwendet",        "nicht wie eine Schülerdatei benannt",
                                      "keine ROOT-Datei", "abgeschnitten oder beschädigt",
                                      "falsches Binning", "fremde Datei",
                                      "nicht lesbar",     "durch eine neuere Kopie ersetzt"};

const char* const kItalian[] = {
    "Vexel Lumora - risultati della classe",
    "Lingua",
    "Cartella della classe",
    "Scegli la cartella...",
    "Nessuna cartella scelta",
    "La cartella non può essere letta",
    "Esporta i grafici...",
    "Esporta la tabella...",
    "Esportazione non riuscita",
    "Salvato: %1",
    "Studenti",
    "File non usati",
    "Vita media della classe",
    "Nome|Cognome|Classe|Combinazione|Voci|Vite medie salvate",
    "File|Motivo|Dettagli",
    "Andamento:",
    "%1 file usati, %2 non usati; %3 studenti; %4 voci; %5 combinazioni su %6",
    "Nessun fit: troppo poche voci",
    "Massa del D^{0} (MeV/c^{2})",
    "Candidati / (2 MeV/c^{2})",
    "Massa vera del D^{0}: 1864.84 MeV/c^{2}",
    "Vita media vera: 0.4101 ps",
    "Media della classe",
    "Risultati degli studenti",
    "Segnale",
    "Voci",
    "taglio PT inferiore|taglio IP superiore|taglio PT superiore|taglio IP inferiore",
    "Media",
    "Vita media del D^{0} (ps)",
    "Combinazioni usate: %1",
};
const char* const kItalianReasons[] = {"usato",
                                       "nome diverso da quello di un file di studente",
                                       "non è un file ROOT",
                                       "troncato o danneggiato",
                                       "binning sbagliato",
                                       "file estraneo",
                                       "non leggibile",
                                       "sostituito da una copia più recente"};

const char* const kRomanian[] = {
    "Vexel Lumora - rezultatele clasei",
    "Limbi",
    "Dosarul clasei",
    "Alege dosarul...",
    "Niciun dosar ales",
    "Dosarul nu poate fi citit",
    "Exportă graficele...",
    "Exportă tabelul...",
    "Exportul a eșuat",
    "Salvat: %1",
    "Elevi",
    "Fișiere nefolosite",
    "Timpul de viață al clasei",
    "Prenume|Nume|Clasa|Combinația|Intrări|Timpi de viață salvați",
    "Fișier|Motiv|Detalii",
    "Tendință:",
    "%1 fișiere folosite, %2 nefolosite; %3 elevi; %4 intrări; %5 din %6 combinații",
    "Fără fit: prea puține intrări",
    "Masa D^{0} (MeV/c^{2})",
    "Candidați / (2 MeV/c^{2})",
    "Masa reală a D^{0}: 1864.84 MeV/c^{2}",
    "Timpul de viață real: 0.4101 ps",
    "Media clasei",
    "Rezultatele elevilor",
    "Semnal",
    "Intrări",
    "tăietura PT inferioară|tăietura IP superioară|tăietura PT superioară|tăietura IP inferioară",
    "Media",
    "Timpul de viață D^{0} (ps)",
    "Combinații folosite: %1",
};
const char* const kRomanianReasons[] = {"folosit",
                                        "nu are numele unui fișier de elev",
                                        "nu este un fișier ROOT",
                                        "trunchiat sau deteriorat",
                                        "binare greșită",
                                        "fișier străin",
                                        "nu poate fi citit",
                                        "înlocuit de o copie mai nouă"};

constexpr std::size_t kTexts = 30;
static_assert(std::size(kEnglish) == kTexts && std::size(kFrench) == kTexts &&
              std::size(kGerman) == kTexts && std::size(kItalian) == kTexts &&
              std::size(kRomanian) == kTexts);

} // namespace

ClassResultsTexts ClassResultsTexts::forLanguage(int code) {
    switch (code) {
    case 2:
        return make(kFrench, kFrenchReasons);
    case 3:
        return make(kGerman, kGermanReasons);
    case 4:
        return make(kItalian, kItalianReasons);
    case 5:
        return make(kRomanian, kRomanianReasons);
    default:
        return make(kEnglish, kEnglishReasons);
    }
}
