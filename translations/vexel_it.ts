<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>ClassResults</name>
    <message>
        <source>Vexel Lumora - class results</source>
        <translation>Vexel Lumora - risultati della classe</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Class folder</source>
        <translation>Cartella della classe</translation>
    </message>
    <message>
        <source>Choose folder...</source>
        <translation>Scegli la cartella...</translation>
    </message>
    <message>
        <source>No folder chosen</source>
        <translation>Nessuna cartella scelta</translation>
    </message>
    <message>
        <source>The folder cannot be read</source>
        <translation>La cartella non può essere letta</translation>
    </message>
    <message>
        <source>Export plots...</source>
        <translation>Esporta i grafici...</translation>
    </message>
    <message>
        <source>Export table...</source>
        <translation>Esporta la tabella...</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Esportazione non riuscita</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>%1 the file written.</extracomment>
        <translation>Salvato: %1</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Studenti</translation>
    </message>
    <message>
        <source>Files not used</source>
        <translation>File non usati</translation>
    </message>
    <message>
        <source>Class lifetime</source>
        <translation>Vita media della classe</translation>
    </message>
    <message>
        <source>Name|Surname|Grade|Combination|Entries|Lifetimes saved</source>
        <extracomment>Column titles of the students&apos; table, separated by |.</extracomment>
        <translation>Nome|Cognome|Classe|Combinazione|Voci|Vite medie salvate</translation>
    </message>
    <message>
        <source>File|Reason|Details</source>
        <extracomment>Column titles of the table of files not used, separated by |.</extracomment>
        <translation>File|Motivo|Dettagli</translation>
    </message>
    <message>
        <source>Trend:</source>
        <translation>Andamento:</translation>
    </message>
    <message>
        <source>%1 files used, %2 not used; %3 students; %4 entries; %5 of %6 combinations</source>
        <translation>%1 file usati, %2 non usati; %3 studenti; %4 voci; %5 combinazioni su %6</translation>
    </message>
    <message>
        <source>No fit: too few entries</source>
        <translation>Nessun fit: troppo poche voci</translation>
    </message>
    <message>
        <source>D^{0} mass (MeV/c^{2})</source>
        <extracomment>Axis title; ^{...} raises, as in D^{0}.</extracomment>
        <translation>Massa del D^{0} (MeV/c^{2})</translation>
    </message>
    <message>
        <source>Candidates / (2 MeV/c^{2})</source>
        <translation>Candidati / (2 MeV/c^{2})</translation>
    </message>
    <message>
        <source>True D^{0} mass: 1864.84 MeV/c^{2}</source>
        <translation>Massa vera del D^{0}: 1864.84 MeV/c^{2}</translation>
    </message>
    <message>
        <source>True lifetime: 0.4101 ps</source>
        <translation>Vita media vera: 0.4101 ps</translation>
    </message>
    <message>
        <source>Class mean</source>
        <translation>Media della classe</translation>
    </message>
    <message>
        <source>Students&apos; results</source>
        <translation>Risultati degli studenti</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Segnale</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Voci</translation>
    </message>
    <message>
        <source>lower PT cut|upper IP cut|upper PT cut|lower IP cut</source>
        <extracomment>The four trends of the lifetime against a cut, separated by |.</extracomment>
        <translation>taglio PT inferiore|taglio IP superiore|taglio PT superiore|taglio IP inferiore</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Fitted D^{0} lifetime (ps)</source>
        <translation>Vita media del D^{0} (ps)</translation>
    </message>
    <message>
        <source>Combinations used: %1</source>
        <translation>Combinazioni usate: %1</translation>
    </message>
    <message>
        <source>used</source>
        <extracomment>Why a file in the class folder is used or not.</extracomment>
        <translation>usato</translation>
    </message>
    <message>
        <source>not named like a student&apos;s file</source>
        <translation>nome diverso da quello di un file di studente</translation>
    </message>
    <message>
        <source>not a ROOT file</source>
        <translation>non è un file ROOT</translation>
    </message>
    <message>
        <source>truncated or damaged</source>
        <translation>troncato o danneggiato</translation>
    </message>
    <message>
        <source>wrong binning</source>
        <translation>binning sbagliato</translation>
    </message>
    <message>
        <source>foreign file</source>
        <translation>file estraneo</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>non leggibile</translation>
    </message>
    <message>
        <source>superseded by a newer copy</source>
        <translation>sostituito da una copia più recente</translation>
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
        <translation>Benvenuto nell&apos;esercizio di Vexel per le lumora: la misura della vita media della
particella D0.
Lo scopo di questo esercizio e&apos; misurare la vita media del mesone D0, una particella
fondamentale formata da un quark charm e da un anti-quark up. Per farlo imparerai
prima a separare i mesoni D0 di segnale dal fondo. Infine confronterai i tuoi
risultati con i valori del Particle Data Group (%1).
Istruzioni passo per passo:
1. Fai il grafico della distribuzione di massa del D0. La massa del D0 e&apos; una
variabile fondamentale che separa il segnale (il picco al centro) dal fondo piatto.
2. Leggi i risultati del fit e usali per stabilire l&apos;intervallo del segnale. La
funzione adattata al segnale e&apos; una gaussiana, la cui larghezza, indicata dalla
lettera greca sigma, dice quanto il segnale si estende attorno al valore medio
(o piu&apos; probabile). Un intervallo di +-1 sigma attorno alla media contiene il 68%
del segnale, mentre +-3 sigma ne contengono il 99.7%. Usa il cursore per porre
l&apos;intervallo del segnale a +-3 sigma attorno al valore medio.
3. Fai i grafici delle distribuzioni delle variabili. Compariranno altri tre
grafici: in ognuno i punti blu rappresentano la distribuzione del segnale in quella
variabile e i punti rossi quella del fondo. L&apos;asse Y e&apos; logaritmico e ogni punto
rappresenta la frazione del segnale totale in quell&apos;intervallo. Quali regioni di
ogni variabile contengono soprattutto segnale? Quali soprattutto fondo?
4. Fai il fit della distribuzione della vita media. Salva i risultati del fit e
confrontali con il valore del PDG. Sono in accordo?
5. Ripeti il passo 4 variando il limite superiore della variabile log(IP) del D0
da 1.5 a -2 a passi di 0.2. Noti un andamento?
6. Parla dei tuoi risultati con un tutore. La vita media del D0 con un taglio
log(IP) a -1.5 e&apos; in accordo migliore o peggiore con il PDG rispetto a quella
con un taglio log(IP) a 1.5?

Buon lavoro!

</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The signal range is empty:
its upper edge must lie above its lower edge.</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>L&apos;intervallo del segnale è vuoto:
il suo estremo superiore deve superare quello inferiore.</translation>
    </message>
    <message>
        <source>The decay-time range is empty:
its upper edge must lie above its lower edge.</source>
        <translation>L&apos;intervallo del tempo di decadimento è vuoto:
il suo estremo superiore deve superare quello inferiore.</translation>
    </message>
    <message>
        <source>The fitted background line gives no positive
background in the sidebands, so the background
under the peak cannot be scaled from them.
Change the signal range or fit the mass again.</source>
        <translation>La retta di fondo del fit non dà un fondo positivo
nelle bande laterali, quindi il fondo sotto il picco
non può essere ricavato da esse.
Cambia l&apos;intervallo del segnale o rifai il fit della massa.</translation>
    </message>
    <message>
        <source>There is nothing to fit:
no bin in the fit range holds candidates.</source>
        <translation>Non c&apos;è nulla da fittare:
nessun bin nell&apos;intervallo del fit contiene candidati.</translation>
    </message>
    <message>
        <source>The fit did not converge.
Change the ranges and try again.</source>
        <translation>Il fit non è converso.
Cambia gli intervalli e riprova.</translation>
    </message>
    <message>
        <source>Warning: the error matrix of the fit was not positive definite
and was forced to be; the errors shown are approximate.</source>
        <translation>Attenzione: la matrice degli errori del fit non era definita positiva
ed è stata resa tale; gli errori mostrati sono approssimati.</translation>
    </message>
    <message>
        <source>The fit result and its error must be numbers
(for example 0.4101 or 0,4101). Nothing was saved.</source>
        <translation>Il risultato del fit e il suo errore devono essere numeri
(per esempio 0.4101 o 0,4101). Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Your results could not be written to
%1
They are kept in the program; check the output directory
and save again.</source>
        <extracomment>%1 is the file, on a line of its own. Keep the line breaks.</extracomment>
        <translation>Non è stato possibile scrivere i tuoi risultati in
%1
Restano nel programma; controlla la cartella di output
e salva di nuovo.</translation>
    </message>
    <message>
        <source>Cannot open file %1
%2</source>
        <extracomment>%1 the file; %2, on the next line, why it cannot be opened. Keep the line breaks.</extracomment>
        <translation>Impossibile aprire il file %1
%2</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>The file cannot be read (no permission?).</source>
        <translation>Il file non può essere letto (permessi?).</translation>
    </message>
    <message>
        <source>The file is not a ROOT file, or it is damaged.</source>
        <translation>Il file non è un file ROOT, oppure è danneggiato.</translation>
    </message>
    <message>
        <source>The file is damaged or cut short.</source>
        <translation>Il file è danneggiato o incompleto.</translation>
    </message>
    <message>
        <source>The file holds no tree &quot;DecayTree&quot;.</source>
        <translation>Il file non contiene l&apos;albero &quot;DecayTree&quot;.</translation>
    </message>
    <message>
        <source>&quot;DecayTree&quot; in the file is not a tree.</source>
        <translation>&quot;DecayTree&quot; nel file non è un albero.</translation>
    </message>
    <message>
        <source>The tree &quot;DecayTree&quot; has no branch &quot;%1&quot;.</source>
        <translation>L&apos;albero &quot;DecayTree&quot; non ha il ramo &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The branches of &quot;DecayTree&quot; do not hold one number per candidate.</source>
        <translation>I rami di &quot;DecayTree&quot; non contengono un numero per candidato.</translation>
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
        <translation>Intervalli delle variabili</translation>
    </message>
    <message>
        <source>Analysis tools</source>
        <translation>Strumenti di analisi</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Background subtraction</source>
        <translation>Sottrazione del fondo</translation>
    </message>
    <message>
        <source>Time fit</source>
        <translation>Fit vita media</translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>Salva risultati</translation>
    </message>
    <message>
        <source>Plot D0 mass</source>
        <translation>Grafico massa D0</translation>
    </message>
    <message>
        <source>Plot distributions</source>
        <translation>Grafici distribuzioni</translation>
    </message>
    <message>
        <source>Fit signal decay time</source>
        <translation>Fit tempo decadimento</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nome del file</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Azzera esercizio</translation>
    </message>
    <message>
        <source>Read Instructions</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>Save Canvas</source>
        <translation>Salva finestra</translation>
    </message>
    <message>
        <source>Clear Trend</source>
        <translation>Azzera grafico</translation>
    </message>
    <message>
        <source>Plot trend</source>
        <translation>Grafico</translation>
    </message>
    <message>
        <source>Save result and fit</source>
        <translation>Salva risultati fit</translation>
    </message>
    <message>
        <source>Fit mass distribution</source>
        <translation>Fit distribuzione massa</translation>
    </message>
    <message>
        <source>You cannot set the signal range to be the same as the total mass range.
The background range must always contain
at least some area which is not
in the signal range, so that you have
some pure background events to subtract.
</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>Non e&apos; possibile che l&apos;intervallo del segnale sia uguale a tutto l&apos;intervallo di massa. L&apos;intervallo del fondo deve sempre comprendere una parte al di fuori dell&apos;intervallo del segnale, in modo da avere degli eventi di solo fondo da sottrarre.</translation>
    </message>
    <message>
        <source>You must save at least one result of the
lifetime fit before making the trend plot.</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>E&apos; necessario salvare almeno un risultato del fit di vita media prima di fare il plot dell&apos;andamento.</translation>
    </message>
    <message>
        <source>You must fit the lifetime distribution before
attempting to save the results of this fit.</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>E&apos; necessario fare il fit della distribuzione della vita media prima di salvare il risultato.</translation>
    </message>
    <message>
        <source>WARNING: Max and min cut are both varying</source>
        <translation>ATTENZIONE: Variano sia il valore minimo che il valore massimo</translation>
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
        <translation>E&apos; necessario fare il fit della distribuzione di massa prima di fare i grafici delle distribuzioni delle variabili. Il fit della distribuzione di massa permette di misurare il numero di eventi di fondo presenti sotto il picco del segnale;  permette quindi di sapere quanti eventi di fondo bisogna sottrarre dalla regione di segnale per avere le distribuzioni delle variabili dei soli eventi di segnale.</translation>
    </message>
    <message>
        <source>For more details on the Vexel experiment, 
please visit the Vexel pages at: 
%1 
 and 
 %2</source>
        <extracomment>%1 the experiment&apos;s public web pages, %2 its collaboration&apos;s pages.</extracomment>
        <translation>Potete trovare maggiori dettagli sull&apos;esperimento Vexel alla pagina: %1 and %2</translation>
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
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Move on to D0 Exercise</source>
        <extracomment>Leaves the event display; 208 pixels wide.</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Save Particle</source>
        <translation>Salva la Particella</translation>
    </message>
    <message>
        <source>Calculate</source>
        <extracomment>104 pixels wide.</extracomment>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>96 pixels wide.</extracomment>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>104 pixels wide.</extracomment>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Draw</source>
        <extracomment>96 pixels wide.</extracomment>
        <translation>Disegna</translation>
    </message>
    <message>
        <source>Save Histogram</source>
        <translation>Salva l&apos;Istogramma</translation>
    </message>
    <message>
        <source>Mass</source>
        <extracomment>Label of the particle&apos;s mass and of the pair&apos;s invariant mass; 48 pixels wide.</extracomment>
        <translation>Massa</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Label of the particle&apos;s name; 48 pixels wide.</extracomment>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Event number:</source>
        <extracomment>112 pixels wide.</extracomment>
        <translation>Numero di evento:</translation>
    </message>
    <message>
        <source>My Particles</source>
        <translation>Le mie particelle</translation>
    </message>
    <message>
        <source>Particle Info</source>
        <translation>Informazioni sulla particella</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Event manager</source>
        <translation>Gestore degli eventi</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Istogramma</translation>
    </message>
    <message>
        <source>Hide Geometry</source>
        <translation>Nascondi la geometria</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Trasparenza</translation>
    </message>
    <message>
        <source>You cannot have more than two particles.</source>
        <translation>Non e&apos; possibile selezionare piu&apos; di due particelle per volta.</translation>
    </message>
    <message>
        <source>You have already added this particle.</source>
        <translation>Questa particella e&apos; gia&apos; stata selezionata.</translation>
    </message>
    <message>
        <source>You have successfully saved your histogram.</source>
        <translation>Istogramma salvato con successo</translation>
    </message>
    <message>
        <source>Mass is not in range. Please, try again.</source>
        <translation>La massa calcolata non e&apos; nell&apos;intervallo ammesso. Riprova di nuovo.</translation>
    </message>
    <message>
        <source>You have already added new mass in histogram.</source>
        <translation>Hai gia&apos; aggiunto questo valore di massa nell&apos;istogramma</translation>
    </message>
    <message>
        <source>When you want to rotate the view, press CTRL or CTRL + SHIFT to be more precise.</source>
        <translation>Premi CTRL o CTRL+SHIFT per ruotare la figura in modo piu&apos; preciso.</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Congratulazioni</translation>
    </message>
    <message>
        <source>You have successfully completed LumoraDisplay exercise.</source>
        <translation>Hai compleato con successo l&apos;esercizio LumoraDisplay</translation>
    </message>
    <message>
        <source>Vexel Lumora : event display</source>
        <translation>Vexel Lumora : visualizzazione degli eventi</translation>
    </message>
    <message>
        <source>Entries</source>
        <extracomment>Rows of the statistics box of the histogram: number of entries, mean, root mean square.</extracomment>
        <translation>Entries</translation>
    </message>
    <message>
        <source>The particle tracks of data set %1 cannot be read (%2). The detector is shown without tracks.</source>
        <translation>Le tracce dell&apos;insieme di dati %1 non possono essere lette (%2). Il rivelatore è mostrato senza tracce.</translation>
    </message>
    <message>
        <source>The data set %1 holds no events.</source>
        <translation>L&apos;insieme di dati %1 non contiene eventi.</translation>
    </message>
    <message>
        <source>Event %1 cannot be read (%2).</source>
        <translation>L&apos;evento %1 non può essere letto (%2).</translation>
    </message>
    <message>
        <source>The Vexel geometry cannot be read (%1).</source>
        <translation>La geometria Vexel non può essere letta (%1).</translation>
    </message>
    <message>
        <source>The help page cannot be shown: the picture %1 is missing.</source>
        <translation>La pagina di aiuto non può essere mostrata: manca l&apos;immagine %1.</translation>
    </message>
    <message>
        <source>The histogram cannot be saved: the file name made from your details is too long (%1 bytes, at most 255).</source>
        <translation>L&apos;istogramma non può essere salvato: il nome del file formato dai tuoi dati è troppo lungo (%1 byte, al massimo 255).</translation>
    </message>
    <message>
        <source>Your mass histogram has not been saved. End the program anyway?</source>
        <translation>Il tuo istogramma di massa non è stato salvato. Chiudere comunque il programma?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
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
        <translation>Visualizzatore di eventi – aiuto</translation>
    </message>
    <message>
        <source>The controls</source>
        <translation>I comandi</translation>
    </message>
    <message>
        <source>The exercise, step by step</source>
        <translation>L&apos;esercizio, passo per passo</translation>
    </message>
    <message>
        <source>Invariant mass of two particles (c = 1):</source>
        <translation>Massa invariante di due particelle (c = 1):</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Frecce</translation>
    </message>
    <message>
        <source>Go to the previous or the next event. &quot;Event number:&quot; shows which one you see.</source>
        <translation>Evento precedente o successivo. &quot;Numero di evento:&quot; indica quale stai guardando.</translation>
    </message>
    <message>
        <source>Close-up</source>
        <translation>Primo piano</translation>
    </message>
    <message>
        <source>Zoom in on the point where the D⁰ decays. The first time, a hint explains how to rotate.</source>
        <translation>Ingrandisce il punto in cui il D⁰ decade. La prima volta un suggerimento spiega come ruotare.</translation>
    </message>
    <message>
        <source>Default view</source>
        <translation>Vista iniziale</translation>
    </message>
    <message>
        <source>Back to the view of the whole detector.</source>
        <translation>Torna alla vista dell&apos;intero rivelatore.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Suggerimento</translation>
    </message>
    <message>
        <source>Draws the D⁰ and its two decay products as bold lines; the legend explains them.</source>
        <translation>Disegna il D⁰ e i suoi due prodotti di decadimento con linee spesse; la legenda li spiega.</translation>
    </message>
    <message>
        <source>Hide Geometry / Transparency</source>
        <translation>Nascondi la geometria / Trasparenza</translation>
    </message>
    <message>
        <source>Hide or show the detector, or make it see-through so that the tracks stand out.</source>
        <translation>Nasconde o mostra il rivelatore, o lo rende trasparente perché le tracce si vedano meglio.</translation>
    </message>
    <message>
        <source>Projections</source>
        <translation>Proiezioni</translation>
    </message>
    <message>
        <source>Look at the event in the planes YZ (side view), YX (along the beam) and ZX (from above).</source>
        <translation>L&apos;evento nei piani YZ (di lato), YX (lungo il fascio) e ZX (dall&apos;alto).</translation>
    </message>
    <message>
        <source>Particle Info</source>
        <translation>Informazioni sulla particella</translation>
    </message>
    <message>
        <source>Click a track to read its name, mass, energy E, charge q, track-fit chi2 and momentum px, py, pz. &quot;Save Particle&quot; keeps it in &quot;My Particles&quot;.</source>
        <translation>Clicca una traccia per leggerne nome, massa, energia E, carica q, chi2 della traccia e impulso px, py, pz. &quot;Salva la Particella&quot; la mette in &quot;Le mie particelle&quot;.</translation>
    </message>
    <message>
        <source>My Particles</source>
        <translation>Le mie particelle</translation>
    </message>
    <message>
        <source>Your two particles. &quot;Calculate&quot; gives their invariant mass, &quot;Delete&quot; removes them.</source>
        <translation>Le tue due particelle. &quot;Calcola&quot; dà la loro massa invariante, &quot;Cancella&quot; le toglie.</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Istogramma</translation>
    </message>
    <message>
        <source>&quot;Add&quot; puts the mass into your histogram (one per event, near the D⁰ mass), &quot;Draw&quot; shows it, &quot;Save Histogram&quot; writes it to a file.</source>
        <translation>&quot;Aggiungi&quot; inserisce la massa nell&apos;istogramma (una per evento, vicina alla massa del D⁰), &quot;Disegna&quot; lo mostra, &quot;Salva l&apos;Istogramma&quot; lo scrive in un file.</translation>
    </message>
    <message>
        <source>Move on to D0 Exercise</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Closes the event display and makes the second exercise available in the launcher.</source>
        <translation>Chiude il visualizzatore e abilita il secondo esercizio nella finestra iniziale.</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Drag with the left button to rotate the view, turn the wheel to zoom, click a track to pick it.</source>
        <translation>Trascina con il tasto sinistro per ruotare, la rotella per ingrandire, un clic su una traccia per sceglierla.</translation>
    </message>
    <message>
        <source>Press the hint: the bold lines are the D⁰ (black) and its decay products, a kaon and a pion.</source>
        <translation>Premi il suggerimento: le linee spesse sono il D⁰ (nero) e i suoi prodotti, un kaone e un pione.</translation>
    </message>
    <message>
        <source>Click the kaon (K+ blue, K− green) and press &quot;Save Particle&quot;.</source>
        <translation>Clicca il kaone (K+ blu, K− verde) e premi &quot;Salva la Particella&quot;.</translation>
    </message>
    <message>
        <source>Click the pion of opposite charge (π+ magenta, π− red) and press &quot;Save Particle&quot;.</source>
        <translation>Clicca il pione di carica opposta (π+ magenta, π− rosso) e premi &quot;Salva la Particella&quot;.</translation>
    </message>
    <message>
        <source>Press &quot;Calculate&quot;: the invariant mass of the pair appears under &quot;My Particles&quot;.</source>
        <translation>Premi &quot;Calcola&quot;: la massa invariante della coppia compare sotto &quot;Le mie particelle&quot;.</translation>
    </message>
    <message>
        <source>Is it close to the D⁰ mass, 1864.84 MeV/c²? Then press &quot;Add&quot;. If not, press &quot;Delete&quot; and try two other tracks.</source>
        <translation>È vicina alla massa del D⁰, 1864,84 MeV/c²? Allora premi &quot;Aggiungi&quot;. Altrimenti &quot;Cancella&quot; e prova altre due tracce.</translation>
    </message>
    <message>
        <source>Go to the next event with the right arrow and do the same for every event.</source>
        <translation>Passa all&apos;evento successivo con la freccia destra e ripeti per ogni evento.</translation>
    </message>
    <message>
        <source>At the end press &quot;Draw&quot; to see your mass peak, &quot;Save Histogram&quot;, then &quot;Move on to D0 Exercise&quot;.</source>
        <translation>Alla fine &quot;Disegna&quot; per vedere il tuo picco di massa, &quot;Salva l&apos;Istogramma&quot;, poi &quot;Esci&quot;.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>1</source>
        <comment>number of the help picture</comment>
        <extracomment>The number of this language&apos;s help picture Icons/help&lt;number&gt;.png, which also tells the language apart inside the program: 1 English, 2 French, 3 German, 4 Italian, 5 Romanian, 6 Spanish; a new language takes the next free number.</extracomment>
        <translation>4</translation>
    </message>
    <message>
        <source>English</source>
        <comment>name of this language</comment>
        <extracomment>The language&apos;s name in its own language, as a student who speaks it would write it.</extracomment>
        <translation>Italiano</translation>
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
        <translation>Nome</translation>
    </message>
    <message>
        <source>Surname</source>
        <extracomment>Row of the student&apos;s family name; 72 pixels wide.</extracomment>
        <translation>Cognome</translation>
    </message>
    <message>
        <source>Grade</source>
        <extracomment>Row of the student&apos;s class or year at school; 72 pixels wide.</extracomment>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>About</source>
        <comment>button</comment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>button</comment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Enter your details</source>
        <translation>Inserisci i tuoi dati</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Vexel Lumora: particle-physics exercises on Vexel data, written by the Vexel Lumora team for school classes.</source>
        <translation>Vexel Lumora: esercizi di fisica delle particelle sui dati di Vexel, scritti dal gruppo Vexel Lumora per le classi.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Please create it or choose another one.</source>
        <translation>La cartella %1 non esiste. Creala o scegline un&apos;altra.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to. Please choose another one.</source>
        <translation>Non è possibile scrivere nella cartella %1. Scegline un&apos;altra.</translation>
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
        <translation>La cartella %1 è stata creata. I tuoi file verranno salvati lì.</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <extracomment>The one button of the launcher&apos;s message boxes.</extracomment>
        <translation>Dismiss</translation>
    </message>
    <message>
        <source>Teacher&apos;s guide</source>
        <extracomment>Button of the About box that opens the teacher&apos;s guide (HTML) in the web browser.</extracomment>
        <translation>Guida per l&apos;insegnante</translation>
    </message>
    <message>
        <source>The teacher&apos;s guide is not installed on this computer. It belongs in the folder %1. The program works without it.</source>
        <extracomment>Added to the About text when the teacher&apos;s guide is not installed; %1 is a folder.</extracomment>
        <translation>La guida per l&apos;insegnante non è installata su questo computer. Il suo posto è nella cartella %1. Il programma funziona anche senza.</translation>
    </message>
    <message>
        <source>No program on this computer opens web pages. The teacher&apos;s guide is the file %1: open it with a web browser, or copy it to another computer.</source>
        <extracomment>Shown when no web browser opens the guide; %1 is the guide&apos;s HTML file.</extracomment>
        <translation>Su questo computer nessun programma apre le pagine web. La guida per l&apos;insegnante è il file %1: apritelo con un browser web o copiatelo su un altro computer.</translation>
    </message>
</context>
<context>
    <name>LessonDay</name>
    <message>
        <source>Classes of the day</source>
        <translation>Classi della giornata</translation>
    </message>
    <message>
        <source>Add class folder...</source>
        <translation>Aggiungi una cartella di classe...</translation>
    </message>
    <message>
        <source>Add class export...</source>
        <translation>Aggiungi un&apos;esportazione di classe...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Class label</source>
        <translation>Etichetta della classe</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Scuola</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Export class...</source>
        <translation>Esporta la classe...</translation>
    </message>
    <message>
        <source>Choose a class folder in the list first.</source>
        <translation>Scegli prima una cartella di classe nell&apos;elenco.</translation>
    </message>
    <message>
        <source>Class exported: %1</source>
        <translation>Classe esportata: %1</translation>
    </message>
    <message>
        <source>Hand out data sets...</source>
        <translation>Distribuisci i dati...</translation>
    </message>
    <message>
        <source>Projector view</source>
        <translation>Vista per il proiettore</translation>
    </message>
    <message>
        <source>Esc: back to the window</source>
        <translation>Esc: torna alla finestra</translation>
    </message>
    <message>
        <source>Count every file (also a combination analysed twice)</source>
        <translation>Conta ogni file (anche una combinazione analizzata due volte)</translation>
    </message>
    <message>
        <source>Rule: a combination analysed by two students counts once (the first saved).</source>
        <translation>Regola: una combinazione analizzata da due studenti conta una volta (la prima salvata).</translation>
    </message>
    <message>
        <source>Rule: every file counts, also a combination analysed twice.</source>
        <translation>Regola: ogni file conta, anche una combinazione analizzata due volte.</translation>
    </message>
    <message>
        <source>Class lifetime: the mean of the students&apos; values, their spread (standard deviation, lowest and highest) and the statistical error of one analysis. All students analyse the same candidates, so no error of the mean is given.</source>
        <translation>Vita media della classe: la media dei valori degli studenti, la loro dispersione (deviazione standard, minimo e massimo) e l&apos;errore statistico di un&apos;analisi. Tutti gli studenti analizzano gli stessi candidati, quindi non si dà un errore della media.</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Classi</translation>
    </message>
    <message>
        <source>Class|Students|Entries|Mass (MeV/c²)|Width σ (MeV/c²)|Lifetime at each cut (ps)</source>
        <extracomment>Column titles of the classes table, separated by |.</extracomment>
        <translation>Classe|Studenti|Voci|Massa (MeV/c²)|Larghezza σ (MeV/c²)|Vita media a ogni taglio (ps)</translation>
    </message>
    <message>
        <source>Class|Trend|Cut|Mean (ps)|Spread: standard deviation (ps)|Lowest ... highest (ps)|Error of one analysis (ps)|Students</source>
        <extracomment>Column titles of the class lifetime table, separated by |.</extracomment>
        <translation>Classe|Andamento|Taglio|Media (ps)|Dispersione: deviazione standard (ps)|Minimo ... massimo (ps)|Errore di un&apos;analisi (ps)|Studenti</translation>
    </message>
    <message>
        <source>Class</source>
        <comment>column of the students&apos; table</comment>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Same combination as another</source>
        <translation>Stessa combinazione di un altro</translation>
    </message>
    <message>
        <source>yes, counted</source>
        <translation>sì, contata</translation>
    </message>
    <message>
        <source>yes, not counted</source>
        <translation>sì, non contata</translation>
    </message>
    <message>
        <source>All classes</source>
        <translation>Tutte le classi</translation>
    </message>
    <message>
        <source>Analysed more than once: %1</source>
        <translation>Analizzate più di una volta: %1</translation>
    </message>
    <message>
        <source>All classes: mass %1 ± %2 MeV/c², σ %3 ± %4 MeV/c²</source>
        <extracomment>%1 the mass, %2 its error, %3 the width, %4 its error.</extracomment>
        <translation>Tutte le classi: massa %1 ± %2 MeV/c², σ %3 ± %4 MeV/c²</translation>
    </message>
    <message>
        <source>%1: %2 ± %3 MeV/c²</source>
        <extracomment>%1 the class, %2 its mass, %3 the error.</extracomment>
        <translation>%1: %2 ± %3 MeV/c²</translation>
    </message>
    <message>
        <source>Bars: spread of the students&apos; values (standard deviation)</source>
        <translation>Barre: dispersione dei valori degli studenti (deviazione standard)</translation>
    </message>
    <message>
        <source>%1: %2 (spread %3)</source>
        <extracomment>%1 the cut, %2 the class mean, %3 the spread.</extracomment>
        <translation>%1: %2 (dispersione %3)</translation>
    </message>
    <message>
        <source>written by a newer version of the program</source>
        <translation>scritto da una versione più recente del programma</translation>
    </message>
    <message>
        <source>Fit (Gaussian and straight line)</source>
        <translation>Fit (gaussiana e retta)</translation>
    </message>
    <message>
        <source>Hand out data sets</source>
        <translation>Distribuisci i dati</translation>
    </message>
    <message>
        <source>Students&apos; names, one a line:</source>
        <translation>Nomi degli studenti, uno per riga:</translation>
    </message>
    <message>
        <source>Or a number of groups:</source>
        <translation>Oppure un numero di gruppi:</translation>
    </message>
    <message>
        <source>Assign to the names</source>
        <translation>Assegna ai nomi</translation>
    </message>
    <message>
        <source>Assign to the groups</source>
        <translation>Assegna ai gruppi</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>Save sheet (PDF)...</source>
        <translation>Salva il foglio (PDF)...</translation>
    </message>
    <message>
        <source>Save list (CSV)...</source>
        <translation>Salva l&apos;elenco (CSV)...</translation>
    </message>
    <message>
        <source>Data sets: %1</source>
        <extracomment>%1 the class.</extracomment>
        <translation>Dati: %1</translation>
    </message>
    <message>
        <source>Open the data set with your combination number in the event exercise.</source>
        <translation>Apri nell&apos;esercizio sugli eventi i dati con il tuo numero di combinazione.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Combination</source>
        <translation>Combinazione</translation>
    </message>
    <message>
        <source>There are no names: type one name a line.</source>
        <translation>Non ci sono nomi: scrivi un nome per riga.</translation>
    </message>
    <message>
        <source>These names appear more than once: %1. Make each name unique, for example with an initial.</source>
        <translation>Questi nomi compaiono più di una volta: %1. Rendi unico ogni nome, per esempio con un&apos;iniziale.</translation>
    </message>
    <message>
        <source>%1 names, but there are only %2 data sets: let students work in groups.</source>
        <extracomment>%1 the names, %2 the data sets.</extracomment>
        <translation>%1 nomi, ma ci sono solo %2 insiemi di dati: fai lavorare gli studenti in gruppi.</translation>
    </message>
    <message>
        <source>The number of groups must be from 1 to %1.</source>
        <translation>Il numero di gruppi deve essere da 1 a %1.</translation>
    </message>
    <message>
        <source>%1 blank lines skipped.</source>
        <translation>%1 righe vuote saltate.</translation>
    </message>
    <message>
        <source>Only %1 data sets were not analysed yet today: %2 are handed out again.</source>
        <extracomment>%1 the data sets not analysed yet, %2 those handed out again.</extracomment>
        <translation>Solo %1 insiemi di dati non sono ancora stati analizzati oggi: %2 vengono distribuiti di nuovo.</translation>
    </message>
    <message>
        <source>%1 data sets handed out.</source>
        <translation>%1 insiemi di dati distribuiti.</translation>
    </message>
    <message>
        <source>Teacher&apos;s guide</source>
        <extracomment>Button that opens the teacher&apos;s guide (HTML) in the web browser.</extracomment>
        <translation>Guida per l&apos;insegnante</translation>
    </message>
    <message>
        <source>The teacher&apos;s guide is not installed on this computer. It belongs in the folder %1. The program works without it.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>La guida per l&apos;insegnante non è installata su questo computer. Il suo posto è nella cartella %1. Il programma funziona anche senza.</translation>
    </message>
    <message>
        <source>No program on this computer opens web pages. The teacher&apos;s guide is the file %1: open it with a web browser, or copy it to another computer.</source>
        <extracomment>%1 is the guide&apos;s HTML file.</extracomment>
        <translation>Su questo computer nessun programma apre le pagine web. La guida per l&apos;insegnante è il file %1: apritelo con un browser web o copiatelo su un altro computer.</translation>
    </message>
</context>
<context>
    <name>SaveCanvas</name>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The file name is too long: %1 bytes, at most %2 fit. Nothing was saved; please type a shorter name.</source>
        <extracomment>%1 the bytes of the typed name, %2 the most that fit.</extracomment>
        <translation>Il nome del file è troppo lungo: %1 byte, al massimo %2. Non è stato salvato nulla; scrivi un nome più corto.</translation>
    </message>
    <message>
        <source>The directory %1 does not exist. Nothing was saved.</source>
        <translation>La cartella %1 non esiste. Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>The directory %1 is not writable. Nothing was saved.</source>
        <translation>Nella cartella %1 non si può scrivere. Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Saved:</source>
        <extracomment>Heading of the list of files saved, one a line below it.</extracomment>
        <translation>Salvati:</translation>
    </message>
    <message>
        <source>Not saved (an earlier file of the same name is kept):</source>
        <extracomment>Heading of the list of files not saved, one a line below it.</extracomment>
        <translation>Non salvati (un file precedente con lo stesso nome resta invariato):</translation>
    </message>
</context>
<context>
    <name>StudentFiles</name>
    <message>
        <source>The current folder cannot be written to. Your files are saved in %1</source>
        <translation>Nella cartella attuale non si può scrivere. I tuoi file sono salvati in %1</translation>
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
