<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>ClassResults</name>
    <message>
        <source>Vexel Lumora - class results</source>
        <translation>Vexel Lumora - Ergebnisse der Klasse</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Class folder</source>
        <translation>Ordner der Klasse</translation>
    </message>
    <message>
        <source>Choose folder...</source>
        <translation>Ordner wählen...</translation>
    </message>
    <message>
        <source>No folder chosen</source>
        <translation>Kein Ordner gewählt</translation>
    </message>
    <message>
        <source>The folder cannot be read</source>
        <translation>Der Ordner kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Export plots...</source>
        <translation>Grafiken exportieren...</translation>
    </message>
    <message>
        <source>Export table...</source>
        <translation>Tabelle exportieren...</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>%1 the file written.</extracomment>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Schüler</translation>
    </message>
    <message>
        <source>Files not used</source>
        <translation>Nicht verwendete Dateien</translation>
    </message>
    <message>
        <source>Class lifetime</source>
        <translation>Lebensdauer der Klasse</translation>
    </message>
    <message>
        <source>Name|Surname|Grade|Combination|Entries|Lifetimes saved</source>
        <extracomment>Column titles of the students&apos; table, separated by |.</extracomment>
        <translation>Vorname|Nachname|Klasse|Kombination|Einträge|Gespeicherte Lebensdauern</translation>
    </message>
    <message>
        <source>File|Reason|Details</source>
        <extracomment>Column titles of the table of files not used, separated by |.</extracomment>
        <translation>Datei|Grund|Einzelheiten</translation>
    </message>
    <message>
        <source>Trend:</source>
        <translation>Trend:</translation>
    </message>
    <message>
        <source>%1 files used, %2 not used; %3 students; %4 entries; %5 of %6 combinations</source>
        <translation>%1 Dateien verwendet, %2 nicht verwendet; %3 Schüler; %4 Einträge; %5 von %6 Kombinationen</translation>
    </message>
    <message>
        <source>No fit: too few entries</source>
        <translation>Kein Fit: zu wenige Einträge</translation>
    </message>
    <message>
        <source>D^{0} mass (MeV/c^{2})</source>
        <extracomment>Axis title; ^{...} raises, as in D^{0}.</extracomment>
        <translation>D^{0}-Masse (MeV/c^{2})</translation>
    </message>
    <message>
        <source>Candidates / (2 MeV/c^{2})</source>
        <translation>Kandidaten / (2 MeV/c^{2})</translation>
    </message>
    <message>
        <source>True D^{0} mass: 1864.84 MeV/c^{2}</source>
        <translation>Wahre D^{0}-Masse: 1864.84 MeV/c^{2}</translation>
    </message>
    <message>
        <source>True lifetime: 0.4101 ps</source>
        <translation>Wahre Lebensdauer: 0.4101 ps</translation>
    </message>
    <message>
        <source>Class mean</source>
        <translation>Mittelwert der Klasse</translation>
    </message>
    <message>
        <source>Students&apos; results</source>
        <translation>Ergebnisse der Schüler</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message>
        <source>lower PT cut|upper IP cut|upper PT cut|lower IP cut</source>
        <extracomment>The four trends of the lifetime against a cut, separated by |.</extracomment>
        <translation>untere PT-Grenze|obere IP-Grenze|obere PT-Grenze|untere IP-Grenze</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>Fitted D^{0} lifetime (ps)</source>
        <translation>D^{0}-Lebensdauer (ps)</translation>
    </message>
    <message>
        <source>Combinations used: %1</source>
        <translation>Verwendete Kombinationen: %1</translation>
    </message>
    <message>
        <source>used</source>
        <extracomment>Why a file in the class folder is used or not.</extracomment>
        <translation>verwendet</translation>
    </message>
    <message>
        <source>not named like a student&apos;s file</source>
        <translation>nicht wie eine Schülerdatei benannt</translation>
    </message>
    <message>
        <source>not a ROOT file</source>
        <translation>keine ROOT-Datei</translation>
    </message>
    <message>
        <source>truncated or damaged</source>
        <translation>abgeschnitten oder beschädigt</translation>
    </message>
    <message>
        <source>wrong binning</source>
        <translation>falsches Binning</translation>
    </message>
    <message>
        <source>foreign file</source>
        <translation>fremde Datei</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>superseded by a newer copy</source>
        <translation>durch eine neuere Kopie ersetzt</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Dismiss</translation>
    </message>
</context>
<context>
    <name>D0Exercise</name>
    <message>
        <source>Welcome to the Vexel lumora exercise on measuring the lifetime of the D0 meson. 
The goal of this exercise is to measure the lifetime of the D0 meson, a fundamental
particle made of a charm quark and an up anti-quark. In order to do so, you will
first learn how to separate signal D0 mesons from backgrounds. Finally, you will
compare your results to the values found by the Particle Data Group (%1).
Step-by-step instructions :
1. Plot the D0 mass distribution. The mass of the D0 is a fundamendal variable
which separates signal (the peaking structure in the middle) from the flat
background.
2. Read the results of the fit and use them to determine the signal range. The
function being fitted to the signal is a Gaussian, whose width, indicated by
the greek letter sigma, is related to how far the signal extends from the mean
(or most probable) value. In particular, an interval of +-1 sigma around the mean
value contains 68% of the signal, while +-3 sigma contains 99.7% of the signal.
Use the slider to set the signal range to be +-3 sigma around the mean value.
3. Plot the variable distributions. You will see three further plots appearing, and
in each one the blue points represent the distribution of the signal in that variable
while the red points represent the distribution of the background. The plot is logarithmic
in the Y axis, and each point represents the fraction of the total signal in that bin.
Which regions of each variable contain mostly signal? Which contain mostly background?
4. Fit the lifetime distribution. Save the results
of your fit and compare them to the PDG value. Do they agree?
5. Repeat step 4 but now varying the upper D0 log(IP) variable range
from 1.5 to -2 in steps of 0.2. Do you notice a pattern?
6. Talk to a demonstrator about your results. Does the D0 lifetime with an log(IP) cut of
-1.5 agree better or worse with the PDG than the lifetime with an log(IP) cut of 1.5?
</source>
        <extracomment>The instructions window, 700 x 600 pixels with a fixed-width text; lay the lines out as the language needs. %1 is the address of the particle-data reference pages.</extracomment>
        <translation>Herzlich Willkommen bei den Vexel-Lumoraes Uebungen zur Messung
der Lebensdauer des D0-Mesons.

Ziel dieser Uebung ist es, die Lebensdauer des D0-Mesons zu messen, eines
fundamentalen Teilchens aus einem Charm-Quark und einem Anti-Up-Quark. Dazu
lernst du zuerst, Signal-D0-Mesonen vom Untergrund zu trennen. Zum Schluss
vergleichst du deine Ergebnisse mit den Werten der Particle Data Group
(%1).

Schritt-fuer-Schritt-Anleitung:

1. Plotte die D0-Massenverteilung. Die Masse des D0 ist eine grundlegende
Variable, die das Signal (die Spitze in der Mitte) vom flachen Untergrund
trennt.

2. Lies die Ergebnisse des Fits ab und bestimme damit das Signal-Intervall.
Die an das Signal angepasste Funktion ist eine Gauss-Funktion, deren Breite
(der griechische Buchstabe Sigma) angibt, wie weit sich das Signal um den
Mittelwert (den wahrscheinlichsten Wert) erstreckt. Ein Intervall von +-1 Sigma
um den Mittelwert enthaelt 68% des Signals, +-3 Sigma enthalten 99.7%.
Stelle das Signal-Intervall mit dem Schieberegler auf +-3 Sigma um den
Mittelwert ein.

3. Plotte die Variablen-Verteilungen. Es erscheinen drei weitere Plots; in
jedem zeigen die blauen Punkte die Verteilung des Signals in dieser Variablen
und die roten Punkte die Verteilung des Untergrunds. Die Y-Achse ist
logarithmisch, und jeder Punkt gibt den Anteil am gesamten Signal in diesem
Intervall an. Welche Bereiche jeder Variablen enthalten vor allem Signal?
Welche vor allem Untergrund?

4. Fitte die Lebensdauer-Verteilung. Speichere die Ergebnisse deines Fits und
vergleiche sie mit dem PDG-Wert. Stimmen sie ueberein?

5. Wiederhole Schritt 4 und veraendere dabei die obere Grenze der Variablen
log(IP) des D0 von 1.5 bis -2 in Schritten von 0.2. Erkennst du ein Muster?

6. Sprich mit einer Betreuerin oder einem Betreuer ueber deine Ergebnisse.
Stimmt die D0-Lebensdauer mit einem log(IP)-Schnitt von -1.5 besser oder
schlechter mit dem PDG-Wert ueberein als die mit einem Schnitt von 1.5?

Viel Erfolg!
</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The signal range is empty:
its upper edge must lie above its lower edge.</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>Das Signal-Intervall ist leer:
seine obere Grenze muss über der unteren liegen.</translation>
    </message>
    <message>
        <source>The decay-time range is empty:
its upper edge must lie above its lower edge.</source>
        <translation>Das Zerfallszeit-Intervall ist leer:
seine obere Grenze muss über der unteren liegen.</translation>
    </message>
    <message>
        <source>The fitted background line gives no positive
background in the sidebands, so the background
under the peak cannot be scaled from them.
Change the signal range or fit the mass again.</source>
        <translation>Die gefittete Untergrund-Gerade ergibt keinen positiven
Untergrund in den Seitenbändern, daher kann der Untergrund
unter dem Peak nicht daraus skaliert werden.
Ändere das Signal-Intervall oder fitte die Masse erneut.</translation>
    </message>
    <message>
        <source>There is nothing to fit:
no bin in the fit range holds candidates.</source>
        <translation>Es gibt nichts zu fitten:
kein Bin im Fit-Bereich enthält Kandidaten.</translation>
    </message>
    <message>
        <source>The fit did not converge.
Change the ranges and try again.</source>
        <translation>Der Fit ist nicht konvergiert.
Ändere die Intervalle und versuche es erneut.</translation>
    </message>
    <message>
        <source>Warning: the error matrix of the fit was not positive definite
and was forced to be; the errors shown are approximate.</source>
        <translation>Warnung: die Fehlermatrix des Fits war nicht positiv definit
und wurde dazu gezwungen; die angezeigten Fehler sind nur Näherungen.</translation>
    </message>
    <message>
        <source>The fit result and its error must be numbers
(for example 0.4101 or 0,4101). Nothing was saved.</source>
        <translation>Fit-Ergebnis und Fehler müssen Zahlen sein
(zum Beispiel 0.4101 oder 0,4101). Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Your results could not be written to
%1
They are kept in the program; check the output directory
and save again.</source>
        <extracomment>%1 is the file, on a line of its own. Keep the line breaks.</extracomment>
        <translation>Deine Ergebnisse konnten nicht geschrieben werden in
%1
Sie bleiben im Programm erhalten; prüfe das Ausgabeverzeichnis
und speichere erneut.</translation>
    </message>
    <message>
        <source>Cannot open file %1
%2</source>
        <extracomment>%1 the file; %2, on the next line, why it cannot be opened. Keep the line breaks.</extracomment>
        <translation>Die Datei %1 kann nicht geöffnet werden.
%2</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>The file cannot be read (no permission?).</source>
        <translation>Die Datei kann nicht gelesen werden (fehlende Rechte?).</translation>
    </message>
    <message>
        <source>The file is not a ROOT file, or it is damaged.</source>
        <translation>Die Datei ist keine ROOT-Datei oder sie ist beschädigt.</translation>
    </message>
    <message>
        <source>The file is damaged or cut short.</source>
        <translation>Die Datei ist beschädigt oder unvollständig.</translation>
    </message>
    <message>
        <source>The file holds no tree &quot;DecayTree&quot;.</source>
        <translation>Die Datei enthält keinen Baum &quot;DecayTree&quot;.</translation>
    </message>
    <message>
        <source>&quot;DecayTree&quot; in the file is not a tree.</source>
        <translation>&quot;DecayTree&quot; in der Datei ist kein Baum.</translation>
    </message>
    <message>
        <source>The tree &quot;DecayTree&quot; has no branch &quot;%1&quot;.</source>
        <translation>Der Baum &quot;DecayTree&quot; hat keinen Zweig &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The branches of &quot;DecayTree&quot; do not hold one number per candidate.</source>
        <translation>Die Zweige von &quot;DecayTree&quot; enthalten nicht eine Zahl pro Kandidat.</translation>
    </message>
    <message>
        <source>You must plot the invariant mass
distribution before attempting to fit it.</source>
        <translation>You must plot the invariant mass
distribution before attempting to fit it.</translation>
    </message>
    <message>
        <source>You must plot the variable distributions
before attempting to fit the signal lifetime.</source>
        <translation>You must plot the variable distributions
before attempting to fit the signal lifetime.</translation>
    </message>
    <message>
        <source>INSTRUCTIONS</source>
        <translation>INSTRUCTIONS</translation>
    </message>
    <message>
        <source>Vexel Experiment</source>
        <translation>Vexel Experiment</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>Plot</translation>
    </message>
    <message>
        <source>Vexel Lumora : D0 lifetime analysis</source>
        <translation>Vexel Lumora : D0 lifetime analysis</translation>
    </message>
    <message>
        <source>Invariant Mass Distribution</source>
        <translation>Invariant Mass Distribution</translation>
    </message>
    <message>
        <source>Lifetime trend</source>
        <translation>Lifetime trend</translation>
    </message>
    <message>
        <source>Lifetime fit</source>
        <translation>Lifetime fit</translation>
    </message>
    <message>
        <source>D0 PT :</source>
        <extracomment>Slider of the D0&apos;s transverse momentum.</extracomment>
        <translation>D0 PT :</translation>
    </message>
    <message>
        <source>D0 TAU :</source>
        <extracomment>Slider of the D0&apos;s decay time.</extracomment>
        <translation>D0 TAU :</translation>
    </message>
    <message>
        <source>D0 IP :</source>
        <extracomment>Slider of the logarithm of the D0&apos;s impact parameter.</extracomment>
        <translation>D0 IP :</translation>
    </message>
    <message>
        <source>Bkg range:</source>
        <extracomment>Slider of the mass range of the background fit.</extracomment>
        <translation>Bkg range:</translation>
    </message>
    <message>
        <source>Sig range:</source>
        <extracomment>Slider of the signal&apos;s mass range.</extracomment>
        <translation>Sig range:</translation>
    </message>
    <message>
        <source>Fit Result</source>
        <translation>Fit Result</translation>
    </message>
    <message>
        <source>Fit Error</source>
        <translation>Fit Error</translation>
    </message>
    <message>
        <source>Trend vs. max IP</source>
        <translation>Trend vs. max IP</translation>
    </message>
    <message>
        <source>Variable ranges</source>
        <translation>Variablen-Intervall</translation>
    </message>
    <message>
        <source>Analysis tools</source>
        <translation>Analyse-Werkzeuge</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Background subtraction</source>
        <translation>Untergrund-Subtraktion</translation>
    </message>
    <message>
        <source>Time fit</source>
        <translation>Lebenszeit-Fit</translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>Ergebnisse speichern</translation>
    </message>
    <message>
        <source>Plot D0 mass</source>
        <translation>D0-Masse plotten</translation>
    </message>
    <message>
        <source>Plot distributions</source>
        <translation>Verteilungen plotten</translation>
    </message>
    <message>
        <source>Fit signal decay time</source>
        <translation> Signal Zerfallszeit fitten </translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Aufgaben zuruecksetzen</translation>
    </message>
    <message>
        <source>Read Instructions</source>
        <translation>Anleitungen lesen</translation>
    </message>
    <message>
        <source>Save Canvas</source>
        <translation>Plot speichern</translation>
    </message>
    <message>
        <source>Clear Trend</source>
        <translation>Trend entfernen</translation>
    </message>
    <message>
        <source>Plot trend</source>
        <translation>Trend zeichnen</translation>
    </message>
    <message>
        <source>Save result and fit</source>
        <translation> Fit-Ergebnis speichern</translation>
    </message>
    <message>
        <source>Fit mass distribution</source>
        <translation>Massen-Verteilung fitten</translation>
    </message>
    <message>
        <source>You cannot set the signal range to be the same as the total mass range.
The background range must always contain
at least some area which is not
in the signal range, so that you have
some pure background events to subtract.
</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>Du kannst das Signal-Interval nicht gleich dem gesamten Massen-Intervall setzen.
Das Untergrund-Intervall muss immer einen Bereich enthalten, der nicht im Signal-Interval liegt.
Nur so bekommst du einige reine Untergrund-Ereignisse die du subtrahieren kannst.
</translation>
    </message>
    <message>
        <source>You must save at least one result of the
lifetime fit before making the trend plot.</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>Du musst mindestens ein Fit-Ergebnis speichern
 befor du einen Trend plotten einzeichnen kannst.</translation>
    </message>
    <message>
        <source>You must fit the lifetime distribution before
attempting to save the results of this fit.</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>Du musst die Lebenszeit zunaechst fitten bevor 
 du die Ergebnisse speichern kannst.</translation>
    </message>
    <message>
        <source>WARNING: Max and min cut are both varying</source>
        <translation>WARNUNG: Der Maximum-  und Minimum-Schnitt sind beide veraenderlich.</translation>
    </message>
    <message>
        <source>You must fit the mass distribution
before plotting the variable distributions.
The fit to the mass distribution allows
you to measure the number of background
events under the signal peak. This
in turn means that you know how many background
events to subtract from the signal region
to get the signal variable distributions.
</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>Du musst die Massen-Verteilung zunaechst fitten bevor du die Variablen-Verteilungen plottest.
Der Massen-Fit erlaubt dir die Anzahl der Untergrund-Ereignisse unter dem Signal-Peak zu bestimmen.
Jetzt weisst du wieviele Untergrund-Ereignisse du im Signal-Intervall abziehen musst, um die Signal-Verteilung zu erhalten.
</translation>
    </message>
    <message>
        <source>For more details on the Vexel experiment, 
please visit the Vexel pages at: 
%1 
 and 
 %2</source>
        <extracomment>%1 the experiment&apos;s public web pages, %2 its collaboration&apos;s pages.</extracomment>
        <translation>Fuer mehr Informationen ueber das Vexel-Experiment,
 besuche die Vexel Webseiten:
%1 und %2</translation>
    </message>
    <message>
        <source>Total: %1</source>
        <extracomment>Under the mass fit: the number of candidates in the fit range.</extracomment>
        <translation>Total: %1</translation>
    </message>
    <message>
        <source>Background: %1</source>
        <extracomment>Under the mass fit: the background candidates under the peak.</extracomment>
        <translation>Background: %1</translation>
    </message>
    <message>
        <source>Signal: %1</source>
        <translation>Signal: %1</translation>
    </message>
    <message>
        <source>Mean: %1</source>
        <extracomment>Under the mass fit: the fitted mean with its error.</extracomment>
        <translation>Mean: %1</translation>
    </message>
    <message>
        <source>D^{0} lifetime %1 (ps)</source>
        <extracomment>Over the lifetime fit: the fitted lifetime with its error. ^{0} raises the 0.</extracomment>
        <translation>D^{0} lifetime %1 (ps)</translation>
    </message>
    <message>
        <source>Background</source>
        <extracomment>Legend of the distributions.</extracomment>
        <translation>Background</translation>
    </message>
    <message>
        <source>Signal</source>
        <extracomment>Legend of the distributions.</extracomment>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Dismiss</translation>
    </message>
</context>
<context>
    <name>D0Plots</name>
    <message>
        <source>D^{0} Invariant Mass (MeV/c^{2})</source>
        <translation>D^{0} Invariant Mass (MeV/c^{2})</translation>
    </message>
    <message>
        <source>D^{0} Candidates/(0.5 MeV)</source>
        <translation>D^{0} Candidates/(0.5 MeV)</translation>
    </message>
    <message>
        <source>D^{0} Candidate Fraction</source>
        <translation>D^{0} Candidate Fraction</translation>
    </message>
    <message>
        <source>D^{0} P_{T} (GeV/c^{2})</source>
        <translation>D^{0} P_{T} (GeV/c^{2})</translation>
    </message>
    <message>
        <source>D^{0} decay time (ps)</source>
        <translation>D^{0} decay time (ps)</translation>
    </message>
    <message>
        <source>log_{10}(D^{0} IP)</source>
        <translation>log_{10}(D^{0} IP)</translation>
    </message>
    <message>
        <source>Fitted D^{0} lifetime (ps)</source>
        <translation>Fitted D^{0} lifetime (ps)</translation>
    </message>
    <message>
        <source>D^{0} PT (GeV)</source>
        <translation>D^{0} PT (GeV)</translation>
    </message>
    <message>
        <source>log_{10}( D^{0} IP [mm] )</source>
        <translation>log_{10}( D^{0} IP [mm] )</translation>
    </message>
</context>
<context>
    <name>EventDisplay</name>
    <message>
        <source>Help</source>
        <comment>button</comment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Move on to D0 Exercise</source>
        <extracomment>Leaves the event display; 208 pixels wide.</extracomment>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Save Particle</source>
        <translation>Teilchen speichern</translation>
    </message>
    <message>
        <source>Calculate</source>
        <extracomment>104 pixels wide.</extracomment>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>96 pixels wide.</extracomment>
        <translation>Loeschen</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>104 pixels wide.</extracomment>
        <translation>Hinzufuegen</translation>
    </message>
    <message>
        <source>Draw</source>
        <extracomment>96 pixels wide.</extracomment>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Save Histogram</source>
        <translation>Histogramm speichern</translation>
    </message>
    <message>
        <source>Mass</source>
        <extracomment>Label of the particle&apos;s mass and of the pair&apos;s invariant mass; 48 pixels wide.</extracomment>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Label of the particle&apos;s name; 48 pixels wide.</extracomment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Event number:</source>
        <extracomment>112 pixels wide.</extracomment>
        <translation>Ereignis-Nr.:</translation>
    </message>
    <message>
        <source>My Particles</source>
        <translation>Meine Teilchen</translation>
    </message>
    <message>
        <source>Particle Info</source>
        <translation>Teilchen-Information</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Event manager</source>
        <translation>Ereignis-Verwaltung</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histogramm</translation>
    </message>
    <message>
        <source>Hide Geometry</source>
        <translation>Geometrie verbergen</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <source>You cannot have more than two particles.</source>
        <translation>Du kannst nicht mehr als zwei Teilchen auswaehlen.</translation>
    </message>
    <message>
        <source>You have already added this particle.</source>
        <translation>Dieses Teilchen ist bereits ausgewaehlt.</translation>
    </message>
    <message>
        <source>You have successfully saved your histogram.</source>
        <translation>Das Histogram wurde erfolgreich gespeichert.</translation>
    </message>
    <message>
        <source>Mass is not in range. Please, try again.</source>
        <translation>Die Masse liegt nicht im korrekten Interval. Versuche es erneut.</translation>
    </message>
    <message>
        <source>You have already added new mass in histogram.</source>
        <translation>Du hast bereits ein Massen-Histogram hinzugefuegt.</translation>
    </message>
    <message>
        <source>When you want to rotate the view, press CTRL or CTRL + SHIFT to be more precise.</source>
        <translation>Wenn du die Ansicht rotieren willst, druecke STRG oder STRG + SHIFT um praeziser zu arbeiten.</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Herzlichen Glueckwunsch!</translation>
    </message>
    <message>
        <source>You have successfully completed LumoraDisplay exercise.</source>
        <translation>Du hast die LumoraDisplay-Aufgabe erfolgreich geloest.</translation>
    </message>
    <message>
        <source>Vexel Lumora : event display</source>
        <translation>Vexel Lumora : Ereignisanzeige</translation>
    </message>
    <message>
        <source>Entries</source>
        <extracomment>Rows of the statistics box of the histogram: number of entries, mean, root mean square.</extracomment>
        <translation>Entries</translation>
    </message>
    <message>
        <source>The particle tracks of data set %1 cannot be read (%2). The detector is shown without tracks.</source>
        <translation>Die Teilchenspuren des Datensatzes %1 können nicht gelesen werden (%2). Der Detektor wird ohne Spuren gezeigt.</translation>
    </message>
    <message>
        <source>The data set %1 holds no events.</source>
        <translation>Der Datensatz %1 enthält keine Ereignisse.</translation>
    </message>
    <message>
        <source>Event %1 cannot be read (%2).</source>
        <translation>Ereignis %1 kann nicht gelesen werden (%2).</translation>
    </message>
    <message>
        <source>The Vexel geometry cannot be read (%1).</source>
        <translation>Die Vexel-Geometrie kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>The help page cannot be shown: the picture %1 is missing.</source>
        <translation>Die Hilfeseite kann nicht gezeigt werden: das Bild %1 fehlt.</translation>
    </message>
    <message>
        <source>The histogram cannot be saved: the file name made from your details is too long (%1 bytes, at most 255).</source>
        <translation>Das Histogramm kann nicht gespeichert werden: der Dateiname aus deinen Angaben ist zu lang (%1 Bytes, höchstens 255).</translation>
    </message>
    <message>
        <source>Your mass histogram has not been saved. End the program anyway?</source>
        <translation>Dein Massen-Histogramm wurde nicht gespeichert. Das Programm trotzdem beenden?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Vexel Lumora</source>
        <translation>Vexel Lumora</translation>
    </message>
    <message>
        <source>Access denied.</source>
        <translation>Access denied.</translation>
    </message>
    <message>
        <source>Event Control</source>
        <translation>Event Control</translation>
    </message>
    <message>
        <source>Viewer 1</source>
        <translation>Viewer 1</translation>
    </message>
    <message>
        <source>My histogram</source>
        <translation>My histogram</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>tab title</comment>
        <translation>Help</translation>
    </message>
    <message>
        <source>My particle: </source>
        <extracomment>Put before the name of a chosen particle in the list of My Particles.</extracomment>
        <translation>My particle: </translation>
    </message>
    <message>
        <source>MeV/c2</source>
        <extracomment>47 pixels wide.</extracomment>
        <translation>MeV/c2</translation>
    </message>
    <message>
        <source>MeV</source>
        <extracomment>40 pixels wide.</extracomment>
        <translation>MeV</translation>
    </message>
    <message>
        <source>MeV/c</source>
        <extracomment>48 pixels wide.</extracomment>
        <translation>MeV/c</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>RMS</source>
        <translation>RMS</translation>
    </message>
    <message>
        <source>My histogram</source>
        <comment>title over the histogram</comment>
        <translation>My histogram</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <extracomment>The one button of the event display&apos;s message boxes.</extracomment>
        <translation>Dismiss</translation>
    </message>
</context>
<context>
    <name>HelpPage</name>
    <message>
        <source>Event display – help</source>
        <translation>Ereignisanzeige – Hilfe</translation>
    </message>
    <message>
        <source>The controls</source>
        <translation>Die Bedienelemente</translation>
    </message>
    <message>
        <source>The exercise, step by step</source>
        <translation>Die Aufgabe, Schritt für Schritt</translation>
    </message>
    <message>
        <source>Invariant mass of two particles (c = 1):</source>
        <translation>Invariante Masse zweier Teilchen (c = 1):</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Pfeile</translation>
    </message>
    <message>
        <source>Go to the previous or the next event. &quot;Event number:&quot; shows which one you see.</source>
        <translation>Zum vorigen oder nächsten Ereignis. &quot;Ereignis-Nr.:&quot; zeigt, welches du siehst.</translation>
    </message>
    <message>
        <source>Close-up</source>
        <translation>Nahansicht</translation>
    </message>
    <message>
        <source>Zoom in on the point where the D⁰ decays. The first time, a hint explains how to rotate.</source>
        <translation>Vergrößert die Stelle, an der das D⁰ zerfällt. Beim ersten Mal erklärt ein Hinweis das Drehen.</translation>
    </message>
    <message>
        <source>Default view</source>
        <translation>Standardansicht</translation>
    </message>
    <message>
        <source>Back to the view of the whole detector.</source>
        <translation>Zurück zur Ansicht des ganzen Detektors.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Draws the D⁰ and its two decay products as bold lines; the legend explains them.</source>
        <translation>Zeichnet das D⁰ und seine zwei Zerfallsprodukte als dicke Linien; die Legende erklärt sie.</translation>
    </message>
    <message>
        <source>Hide Geometry / Transparency</source>
        <translation>Geometrie verbergen / Transparenz</translation>
    </message>
    <message>
        <source>Hide or show the detector, or make it see-through so that the tracks stand out.</source>
        <translation>Detektor aus- oder einblenden oder durchsichtig machen, damit die Spuren hervortreten.</translation>
    </message>
    <message>
        <source>Projections</source>
        <translation>Projektionen</translation>
    </message>
    <message>
        <source>Look at the event in the planes YZ (side view), YX (along the beam) and ZX (from above).</source>
        <translation>Das Ereignis in den Ebenen YZ (von der Seite), YX (entlang des Strahls) und ZX (von oben).</translation>
    </message>
    <message>
        <source>Particle Info</source>
        <translation>Teilchen-Information</translation>
    </message>
    <message>
        <source>Click a track to read its name, mass, energy E, charge q, track-fit chi2 and momentum px, py, pz. &quot;Save Particle&quot; keeps it in &quot;My Particles&quot;.</source>
        <translation>Klicke eine Spur an: Name, Masse, Energie E, Ladung q, Chi2 der Spur und Impuls px, py, pz erscheinen. &quot;Teilchen speichern&quot; legt sie unter &quot;Meine Teilchen&quot; ab.</translation>
    </message>
    <message>
        <source>My Particles</source>
        <translation>Meine Teilchen</translation>
    </message>
    <message>
        <source>Your two particles. &quot;Calculate&quot; gives their invariant mass, &quot;Delete&quot; removes them.</source>
        <translation>Deine zwei Teilchen. &quot;Berechnen&quot; ergibt ihre invariante Masse, &quot;Loeschen&quot; entfernt sie.</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histogramm</translation>
    </message>
    <message>
        <source>&quot;Add&quot; puts the mass into your histogram (one per event, near the D⁰ mass), &quot;Draw&quot; shows it, &quot;Save Histogram&quot; writes it to a file.</source>
        <translation>&quot;Hinzufuegen&quot; trägt die Masse ins Histogramm ein (eine pro Ereignis, nahe der D⁰-Masse), &quot;Zeichnen&quot; zeigt es, &quot;Histogramm speichern&quot; schreibt es in eine Datei.</translation>
    </message>
    <message>
        <source>Move on to D0 Exercise</source>
        <translation>Schliessen</translation>
    </message>
    <message>
        <source>Closes the event display and makes the second exercise available in the launcher.</source>
        <translation>Schließt die Ereignisanzeige und gibt die zweite Aufgabe im Startfenster frei.</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Maus</translation>
    </message>
    <message>
        <source>Drag with the left button to rotate the view, turn the wheel to zoom, click a track to pick it.</source>
        <translation>Mit gedrückter linker Taste ziehen dreht die Ansicht, das Rad zoomt, ein Klick wählt eine Spur.</translation>
    </message>
    <message>
        <source>Press the hint: the bold lines are the D⁰ (black) and its decay products, a kaon and a pion.</source>
        <translation>Drücke den Tipp: die dicken Linien sind das D⁰ (schwarz) und seine Zerfallsprodukte, ein Kaon und ein Pion.</translation>
    </message>
    <message>
        <source>Click the kaon (K+ blue, K− green) and press &quot;Save Particle&quot;.</source>
        <translation>Klicke das Kaon an (K+ blau, K− grün) und drücke &quot;Teilchen speichern&quot;.</translation>
    </message>
    <message>
        <source>Click the pion of opposite charge (π+ magenta, π− red) and press &quot;Save Particle&quot;.</source>
        <translation>Klicke das Pion mit entgegengesetzter Ladung an (π+ magenta, π− rot) und drücke &quot;Teilchen speichern&quot;.</translation>
    </message>
    <message>
        <source>Press &quot;Calculate&quot;: the invariant mass of the pair appears under &quot;My Particles&quot;.</source>
        <translation>Drücke &quot;Berechnen&quot;: die invariante Masse des Paares erscheint unter &quot;Meine Teilchen&quot;.</translation>
    </message>
    <message>
        <source>Is it close to the D⁰ mass, 1864.84 MeV/c²? Then press &quot;Add&quot;. If not, press &quot;Delete&quot; and try two other tracks.</source>
        <translation>Liegt sie nahe der D⁰-Masse, 1864,84 MeV/c²? Dann drücke &quot;Hinzufuegen&quot;. Sonst &quot;Loeschen&quot; und zwei andere Spuren versuchen.</translation>
    </message>
    <message>
        <source>Go to the next event with the right arrow and do the same for every event.</source>
        <translation>Gehe mit dem rechten Pfeil zum nächsten Ereignis und wiederhole das für jedes Ereignis.</translation>
    </message>
    <message>
        <source>At the end press &quot;Draw&quot; to see your mass peak, &quot;Save Histogram&quot;, then &quot;Move on to D0 Exercise&quot;.</source>
        <translation>Zum Schluss &quot;Zeichnen&quot; für deinen Massenpeak, &quot;Histogramm speichern&quot;, dann &quot;Schliessen&quot;.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>1</source>
        <comment>number of the help picture</comment>
        <extracomment>The number of this language&apos;s help picture Icons/help&lt;number&gt;.png, which also tells the language apart inside the program: 1 English, 2 French, 3 German, 4 Italian, 5 Romanian, 6 Spanish; a new language takes the next free number.</extracomment>
        <translation>3</translation>
    </message>
    <message>
        <source>English</source>
        <comment>name of this language</comment>
        <extracomment>The language&apos;s name in its own language, as a student who speaks it would write it.</extracomment>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>.</source>
        <comment>decimal sign</comment>
        <extracomment>The decimal sign numbers are shown with: &quot;.&quot; or &quot;,&quot;.</extracomment>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Name</source>
        <extracomment>Row of the student&apos;s first name; 72 pixels wide.</extracomment>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Surname</source>
        <extracomment>Row of the student&apos;s family name; 72 pixels wide.</extracomment>
        <translation>Nachname</translation>
    </message>
    <message>
        <source>Grade</source>
        <extracomment>Row of the student&apos;s class or year at school; 72 pixels wide.</extracomment>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>About</source>
        <comment>button</comment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>button</comment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Enter your details</source>
        <translation>Geben Sie Ihre Daten</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Vexel Lumora: particle-physics exercises on Vexel data, written by the Vexel Lumora team for school classes.</source>
        <translation>Vexel Lumora: Übungen zur Teilchenphysik mit Daten von Vexel, geschrieben vom Vexel-Lumora-Team für Schulklassen.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Please create it or choose another one.</source>
        <translation>Der Ordner %1 existiert nicht. Legen Sie ihn an oder wählen Sie einen anderen.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to. Please choose another one.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden. Wählen Sie einen anderen.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>About</source>
        <comment>title of the About box</comment>
        <translation>About</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Vexel Lumora</source>
        <translation>Vexel Lumora</translation>
    </message>
    <message>
        <source>Icons are missing!</source>
        <translation>Icons are missing!</translation>
    </message>
    <message>
        <source>The Vexel geometry is missing! You cannot continue with the exercise.</source>
        <translation>The Vexel geometry is missing! You cannot continue with the exercise.</translation>
    </message>
    <message>
        <source>Particle tracks are missing! You cannot continue with the exercise.</source>
        <translation>Particle tracks are missing! You cannot continue with the exercise.</translation>
    </message>
    <message>
        <source>Some fields are empty.</source>
        <translation>Some fields are empty.</translation>
    </message>
    <message>
        <source>The path isn&apos;t valid. Please try again.</source>
        <translation>The path isn&apos;t valid. Please try again.</translation>
    </message>
    <message>
        <source>Number</source>
        <extracomment>Row of the data set chooser; 72 pixels wide.</extracomment>
        <translation>Number</translation>
    </message>
    <message>
        <source>Combination %1</source>
        <translation>Combination %1</translation>
    </message>
    <message>
        <source>Event Display</source>
        <extracomment>Under the picture that starts exercise I; 88 pixels wide.</extracomment>
        <translation>Event Display</translation>
    </message>
    <message>
        <source>D0 Exercise</source>
        <extracomment>Under the picture that starts exercise II; 80 pixels wide.</extracomment>
        <translation>D0 Exercise</translation>
    </message>
    <message>
        <source>I</source>
        <translation>I</translation>
    </message>
    <message>
        <source>II</source>
        <translation>II</translation>
    </message>
    <message>
        <source>Set output directory</source>
        <translation>Set output directory</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Button beside the output folder; 56 pixels wide.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>group title</comment>
        <translation>Exit</translation>
    </message>
    <message>
        <source>The folder %1 has been created. Your files will be saved there.</source>
        <translation>Der Ordner %1 wurde angelegt. Ihre Dateien werden dort gespeichert.</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <extracomment>The one button of the launcher&apos;s message boxes.</extracomment>
        <translation>Dismiss</translation>
    </message>
    <message>
        <source>Teacher&apos;s guide</source>
        <extracomment>Button of the About box that opens the teacher&apos;s guide (HTML) in the web browser.</extracomment>
        <translation>Leitfaden für Lehrkräfte</translation>
    </message>
    <message>
        <source>The teacher&apos;s guide is not installed on this computer. It belongs in the folder %1. The program works without it.</source>
        <extracomment>Added to the About text when the teacher&apos;s guide is not installed; %1 is a folder.</extracomment>
        <translation>Der Leitfaden für Lehrkräfte ist auf diesem Computer nicht installiert. Er gehört in den Ordner %1. Das Programm funktioniert auch ohne ihn.</translation>
    </message>
    <message>
        <source>No program on this computer opens web pages. The teacher&apos;s guide is the file %1: open it with a web browser, or copy it to another computer.</source>
        <extracomment>Shown when no web browser opens the guide; %1 is the guide&apos;s HTML file.</extracomment>
        <translation>Auf diesem Computer öffnet kein Programm Webseiten. Der Leitfaden für Lehrkräfte ist die Datei %1: Öffnen Sie sie mit einem Webbrowser oder kopieren Sie sie auf einen anderen Computer.</translation>
    </message>
</context>
<context>
    <name>LessonDay</name>
    <message>
        <source>Classes of the day</source>
        <translation>Klassen des Tages</translation>
    </message>
    <message>
        <source>Add class folder...</source>
        <translation>Klassenordner hinzufügen...</translation>
    </message>
    <message>
        <source>Add class export...</source>
        <translation>Klassenexport hinzufügen...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Class label</source>
        <translation>Bezeichnung der Klasse</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Schule</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Export class...</source>
        <translation>Klasse exportieren...</translation>
    </message>
    <message>
        <source>Choose a class folder in the list first.</source>
        <translation>Wählen Sie zuerst einen Klassenordner in der Liste.</translation>
    </message>
    <message>
        <source>Class exported: %1</source>
        <translation>Klasse exportiert: %1</translation>
    </message>
    <message>
        <source>Hand out data sets...</source>
        <translation>Datensätze verteilen...</translation>
    </message>
    <message>
        <source>Projector view</source>
        <translation>Ansicht für den Beamer</translation>
    </message>
    <message>
        <source>Esc: back to the window</source>
        <translation>Esc: zurück zum Fenster</translation>
    </message>
    <message>
        <source>Count every file (also a combination analysed twice)</source>
        <translation>Jede Datei zählen (auch eine zweimal analysierte Kombination)</translation>
    </message>
    <message>
        <source>Rule: a combination analysed by two students counts once (the first saved).</source>
        <translation>Regel: eine von zwei Schülern analysierte Kombination zählt einmal (die zuerst gespeicherte).</translation>
    </message>
    <message>
        <source>Rule: every file counts, also a combination analysed twice.</source>
        <translation>Regel: jede Datei zählt, auch eine zweimal analysierte Kombination.</translation>
    </message>
    <message>
        <source>Class lifetime: the mean of the students&apos; values, their spread (standard deviation, lowest and highest) and the statistical error of one analysis. All students analyse the same candidates, so no error of the mean is given.</source>
        <translation>Lebensdauer der Klasse: der Mittelwert der Werte der Schüler, ihre Streuung (Standardabweichung, kleinster und größter Wert) und der statistische Fehler einer Analyse. Alle Schüler analysieren dieselben Kandidaten, daher wird kein Fehler des Mittelwerts angegeben.</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Klassen</translation>
    </message>
    <message>
        <source>Class|Students|Entries|Mass (MeV/c²)|Width σ (MeV/c²)|Lifetime at each cut (ps)</source>
        <extracomment>Column titles of the classes table, separated by |.</extracomment>
        <translation>Klasse|Schüler|Einträge|Masse (MeV/c²)|Breite σ (MeV/c²)|Lebensdauer bei jedem Schnitt (ps)</translation>
    </message>
    <message>
        <source>Class|Trend|Cut|Mean (ps)|Spread: standard deviation (ps)|Lowest ... highest (ps)|Error of one analysis (ps)|Students</source>
        <extracomment>Column titles of the class lifetime table, separated by |.</extracomment>
        <translation>Klasse|Trend|Schnitt|Mittelwert (ps)|Streuung: Standardabweichung (ps)|Kleinster ... größter (ps)|Fehler einer Analyse (ps)|Schüler</translation>
    </message>
    <message>
        <source>Class</source>
        <comment>column of the students&apos; table</comment>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Same combination as another</source>
        <translation>Gleiche Kombination wie ein anderer</translation>
    </message>
    <message>
        <source>yes, counted</source>
        <translation>ja, gezählt</translation>
    </message>
    <message>
        <source>yes, not counted</source>
        <translation>ja, nicht gezählt</translation>
    </message>
    <message>
        <source>All classes</source>
        <translation>Alle Klassen</translation>
    </message>
    <message>
        <source>Analysed more than once: %1</source>
        <translation>Mehr als einmal analysiert: %1</translation>
    </message>
    <message>
        <source>All classes: mass %1 ± %2 MeV/c², σ %3 ± %4 MeV/c²</source>
        <extracomment>%1 the mass, %2 its error, %3 the width, %4 its error.</extracomment>
        <translation>Alle Klassen: Masse %1 ± %2 MeV/c², σ %3 ± %4 MeV/c²</translation>
    </message>
    <message>
        <source>%1: %2 ± %3 MeV/c²</source>
        <extracomment>%1 the class, %2 its mass, %3 the error.</extracomment>
        <translation>%1: %2 ± %3 MeV/c²</translation>
    </message>
    <message>
        <source>Bars: spread of the students&apos; values (standard deviation)</source>
        <translation>Balken: Streuung der Werte der Schüler (Standardabweichung)</translation>
    </message>
    <message>
        <source>%1: %2 (spread %3)</source>
        <extracomment>%1 the cut, %2 the class mean, %3 the spread.</extracomment>
        <translation>%1: %2 (Streuung %3)</translation>
    </message>
    <message>
        <source>written by a newer version of the program</source>
        <translation>von einer neueren Version des Programms geschrieben</translation>
    </message>
    <message>
        <source>Fit (Gaussian and straight line)</source>
        <translation>Fit (Gauß-Kurve und Gerade)</translation>
    </message>
    <message>
        <source>Hand out data sets</source>
        <translation>Datensätze verteilen</translation>
    </message>
    <message>
        <source>Students&apos; names, one a line:</source>
        <translation>Namen der Schüler, einer pro Zeile:</translation>
    </message>
    <message>
        <source>Or a number of groups:</source>
        <translation>Oder eine Anzahl von Gruppen:</translation>
    </message>
    <message>
        <source>Assign to the names</source>
        <translation>Den Namen zuteilen</translation>
    </message>
    <message>
        <source>Assign to the groups</source>
        <translation>Den Gruppen zuteilen</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Save sheet (PDF)...</source>
        <translation>Blatt speichern (PDF)...</translation>
    </message>
    <message>
        <source>Save list (CSV)...</source>
        <translation>Liste speichern (CSV)...</translation>
    </message>
    <message>
        <source>Data sets: %1</source>
        <extracomment>%1 the class.</extracomment>
        <translation>Datensätze: %1</translation>
    </message>
    <message>
        <source>Open the data set with your combination number in the event exercise.</source>
        <translation>Öffnen Sie in der Ereignisübung den Datensatz mit Ihrer Kombinationsnummer.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Combination</source>
        <translation>Kombination</translation>
    </message>
    <message>
        <source>There are no names: type one name a line.</source>
        <translation>Es gibt keine Namen: tippen Sie einen Namen pro Zeile.</translation>
    </message>
    <message>
        <source>These names appear more than once: %1. Make each name unique, for example with an initial.</source>
        <translation>Diese Namen kommen mehr als einmal vor: %1. Machen Sie jeden Namen eindeutig, zum Beispiel mit einer Initiale.</translation>
    </message>
    <message>
        <source>%1 names, but there are only %2 data sets: let students work in groups.</source>
        <extracomment>%1 the names, %2 the data sets.</extracomment>
        <translation>%1 Namen, aber es gibt nur %2 Datensätze: lassen Sie die Schüler in Gruppen arbeiten.</translation>
    </message>
    <message>
        <source>The number of groups must be from 1 to %1.</source>
        <translation>Die Anzahl der Gruppen muss zwischen 1 und %1 liegen.</translation>
    </message>
    <message>
        <source>%1 blank lines skipped.</source>
        <translation>%1 leere Zeilen übersprungen.</translation>
    </message>
    <message>
        <source>Only %1 data sets were not analysed yet today: %2 are handed out again.</source>
        <extracomment>%1 the data sets not analysed yet, %2 those handed out again.</extracomment>
        <translation>Nur %1 Datensätze wurden heute noch nicht analysiert: %2 werden ein zweites Mal verteilt.</translation>
    </message>
    <message>
        <source>%1 data sets handed out.</source>
        <translation>%1 Datensätze verteilt.</translation>
    </message>
    <message>
        <source>Teacher&apos;s guide</source>
        <extracomment>Button that opens the teacher&apos;s guide (HTML) in the web browser.</extracomment>
        <translation>Leitfaden für Lehrkräfte</translation>
    </message>
    <message>
        <source>The teacher&apos;s guide is not installed on this computer. It belongs in the folder %1. The program works without it.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Der Leitfaden für Lehrkräfte ist auf diesem Computer nicht installiert. Er gehört in den Ordner %1. Das Programm funktioniert auch ohne ihn.</translation>
    </message>
    <message>
        <source>No program on this computer opens web pages. The teacher&apos;s guide is the file %1: open it with a web browser, or copy it to another computer.</source>
        <extracomment>%1 is the guide&apos;s HTML file.</extracomment>
        <translation>Auf diesem Computer öffnet kein Programm Webseiten. Der Leitfaden für Lehrkräfte ist die Datei %1: Öffnen Sie sie mit einem Webbrowser oder kopieren Sie sie auf einen anderen Computer.</translation>
    </message>
</context>
<context>
    <name>SaveCanvas</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>The file name is too long: %1 bytes, at most %2 fit. Nothing was saved; please type a shorter name.</source>
        <extracomment>%1 the bytes of the typed name, %2 the most that fit.</extracomment>
        <translation>Der Dateiname ist zu lang: %1 Bytes, höchstens %2 sind möglich. Nichts wurde gespeichert; geben Sie einen kürzeren Namen ein.</translation>
    </message>
    <message>
        <source>The directory %1 does not exist. Nothing was saved.</source>
        <translation>Der Ordner %1 existiert nicht. Nichts wurde gespeichert.</translation>
    </message>
    <message>
        <source>The directory %1 is not writable. Nothing was saved.</source>
        <translation>In den Ordner %1 kann nicht geschrieben werden. Nichts wurde gespeichert.</translation>
    </message>
    <message>
        <source>Saved:</source>
        <extracomment>Heading of the list of files saved, one a line below it.</extracomment>
        <translation>Gespeichert:</translation>
    </message>
    <message>
        <source>Not saved (an earlier file of the same name is kept):</source>
        <extracomment>Heading of the list of files not saved, one a line below it.</extracomment>
        <translation>Nicht gespeichert (eine frühere Datei gleichen Namens bleibt erhalten):</translation>
    </message>
</context>
<context>
    <name>StudentFiles</name>
    <message>
        <source>The current folder cannot be written to. Your files are saved in %1</source>
        <translation>In den aktuellen Ordner kann nicht geschrieben werden. Ihre Dateien werden in %1 gespeichert.</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Dismiss</translation>
    </message>
</context>
</TS>
