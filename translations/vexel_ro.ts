<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>ClassResults</name>
    <message>
        <source>Vexel Lumora - class results</source>
        <translation>Vexel Lumora - rezultatele clasei</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Limbi</translation>
    </message>
    <message>
        <source>Class folder</source>
        <translation>Dosarul clasei</translation>
    </message>
    <message>
        <source>Choose folder...</source>
        <translation>Alege dosarul...</translation>
    </message>
    <message>
        <source>No folder chosen</source>
        <translation>Niciun dosar ales</translation>
    </message>
    <message>
        <source>The folder cannot be read</source>
        <translation>Dosarul nu poate fi citit</translation>
    </message>
    <message>
        <source>Export plots...</source>
        <translation>Exportă graficele...</translation>
    </message>
    <message>
        <source>Export table...</source>
        <translation>Exportă tabelul...</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Exportul a eșuat</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>%1 the file written.</extracomment>
        <translation>Salvat: %1</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Elevi</translation>
    </message>
    <message>
        <source>Files not used</source>
        <translation>Fișiere nefolosite</translation>
    </message>
    <message>
        <source>Class lifetime</source>
        <translation>Timpul de viață al clasei</translation>
    </message>
    <message>
        <source>Name|Surname|Grade|Combination|Entries|Lifetimes saved</source>
        <extracomment>Column titles of the students&apos; table, separated by |.</extracomment>
        <translation>Prenume|Nume|Clasa|Combinația|Intrări|Timpi de viață salvați</translation>
    </message>
    <message>
        <source>File|Reason|Details</source>
        <extracomment>Column titles of the table of files not used, separated by |.</extracomment>
        <translation>Fișier|Motiv|Detalii</translation>
    </message>
    <message>
        <source>Trend:</source>
        <translation>Tendință:</translation>
    </message>
    <message>
        <source>%1 files used, %2 not used; %3 students; %4 entries; %5 of %6 combinations</source>
        <translation>%1 fișiere folosite, %2 nefolosite; %3 elevi; %4 intrări; %5 din %6 combinații</translation>
    </message>
    <message>
        <source>No fit: too few entries</source>
        <translation>Fără fit: prea puține intrări</translation>
    </message>
    <message>
        <source>D^{0} mass (MeV/c^{2})</source>
        <extracomment>Axis title; ^{...} raises, as in D^{0}.</extracomment>
        <translation>Masa D^{0} (MeV/c^{2})</translation>
    </message>
    <message>
        <source>Candidates / (2 MeV/c^{2})</source>
        <translation>Candidați / (2 MeV/c^{2})</translation>
    </message>
    <message>
        <source>True D^{0} mass: 1864.84 MeV/c^{2}</source>
        <translation>Masa reală a D^{0}: 1864.84 MeV/c^{2}</translation>
    </message>
    <message>
        <source>True lifetime: 0.4101 ps</source>
        <translation>Timpul de viață real: 0.4101 ps</translation>
    </message>
    <message>
        <source>Class mean</source>
        <translation>Media clasei</translation>
    </message>
    <message>
        <source>Students&apos; results</source>
        <translation>Rezultatele elevilor</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Semnal</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Intrări</translation>
    </message>
    <message>
        <source>lower PT cut|upper IP cut|upper PT cut|lower IP cut</source>
        <extracomment>The four trends of the lifetime against a cut, separated by |.</extracomment>
        <translation>tăietura PT inferioară|tăietura IP superioară|tăietura PT superioară|tăietura IP inferioară</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Fitted D^{0} lifetime (ps)</source>
        <translation>Timpul de viață D^{0} (ps)</translation>
    </message>
    <message>
        <source>Combinations used: %1</source>
        <translation>Combinații folosite: %1</translation>
    </message>
    <message>
        <source>used</source>
        <extracomment>Why a file in the class folder is used or not.</extracomment>
        <translation>folosit</translation>
    </message>
    <message>
        <source>not named like a student&apos;s file</source>
        <translation>nu are numele unui fișier de elev</translation>
    </message>
    <message>
        <source>not a ROOT file</source>
        <translation>nu este un fișier ROOT</translation>
    </message>
    <message>
        <source>truncated or damaged</source>
        <translation>trunchiat sau deteriorat</translation>
    </message>
    <message>
        <source>wrong binning</source>
        <translation>binare greșită</translation>
    </message>
    <message>
        <source>foreign file</source>
        <translation>fișier străin</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>nu poate fi citit</translation>
    </message>
    <message>
        <source>superseded by a newer copy</source>
        <translation>înlocuit de o copie mai nouă</translation>
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
        <translation>Bine ati venit la exercitiul de masurare a timpului de viata a mezonului 
D0 din lumora Vexel.

Scopul acestui exercitiu este masurarea timpului de viata al mezonului D0, o
particula fundamentala formata dintr-un quark charm si un anti-quark up.
Pentru aceasta, veti invata mai intai sa separati mezonii D0 de semnal de
evenimentele de fond. La final, veti compara rezultatele voastre cu valorile
gasite de Particle Data Group (%1).

Instructiuni pas cu pas:

1. Afisati distributia de masa a D0. Masa D0 este o variabila fundamentala
care separa semnalul (structura cu varf din mijloc) de fondul plat.

2. Cititi rezultatele fit-ului si folositi-le pentru a stabili domeniul de
semnal. Functia fitata pe semnal este o gaussiana, a carei latime, notata cu
litera greceasca sigma, arata cat de departe se intinde semnalul in jurul
valorii medii (sau celei mai probabile). Un interval de +-1 sigma in jurul
mediei contine 68% din semnal, iar +-3 sigma contin 99.7% din semnal.
Folositi cursorul pentru a stabili domeniul de semnal la +-3 sigma in jurul
valorii medii.

3. Afisati distributiile variabilelor. Vor aparea inca trei grafice; in
fiecare, punctele albastre reprezinta distributia semnalului in acea variabila,
iar punctele rosii distributia fondului. Axa Y este logaritmica, iar fiecare
punct reprezinta fractiunea din semnalul total aflata in acel interval.
Ce regiuni ale fiecarei variabile contin mai ales semnal? Care contin mai ales
fond?

4. Fitati distributia timpului de viata. Salvati rezultatele fit-ului si
comparati-le cu valoarea PDG. Sunt in acord?

5. Repetati pasul 4, variind acum limita superioara a variabilei log(IP) a
D0 de la 1.5 la -2 in pasi de 0.2. Observati o tendinta?

6. Discutati rezultatele cu un indrumator. Este timpul de viata al D0 cu o
selectie log(IP) la -1.5 in acord mai bun sau mai slab cu valoarea PDG decat
timpul de viata cu o selectie log(IP) la 1.5?

Succes!



</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Închide</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Eroare</translation>
    </message>
    <message>
        <source>The signal range is empty:
its upper edge must lie above its lower edge.</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>Domeniul de semnal este gol:
limita superioară trebuie să fie peste cea inferioară.</translation>
    </message>
    <message>
        <source>The decay-time range is empty:
its upper edge must lie above its lower edge.</source>
        <translation>Domeniul timpului de dezintegrare este gol:
limita superioară trebuie să fie peste cea inferioară.</translation>
    </message>
    <message>
        <source>The fitted background line gives no positive
background in the sidebands, so the background
under the peak cannot be scaled from them.
Change the signal range or fit the mass again.</source>
        <translation>Dreapta de fond fitată nu dă un fond pozitiv
în benzile laterale, deci fondul de sub vârf
nu poate fi scalat din ele.
Schimbați domeniul de semnal sau fitați din nou masa.</translation>
    </message>
    <message>
        <source>There is nothing to fit:
no bin in the fit range holds candidates.</source>
        <translation>Nu există nimic de fitat:
niciun bin din domeniul fit-ului nu conține candidați.</translation>
    </message>
    <message>
        <source>The fit did not converge.
Change the ranges and try again.</source>
        <translation>Fit-ul nu a convers.
Schimbați domeniile și încercați din nou.</translation>
    </message>
    <message>
        <source>Warning: the error matrix of the fit was not positive definite
and was forced to be; the errors shown are approximate.</source>
        <translation>Atenție: matricea erorilor fit-ului nu era pozitiv definită
și a fost forțată să fie; erorile afișate sunt aproximative.</translation>
    </message>
    <message>
        <source>The fit result and its error must be numbers
(for example 0.4101 or 0,4101). Nothing was saved.</source>
        <translation>Rezultatul fit-ului și eroarea sa trebuie să fie numere
(de exemplu 0.4101 sau 0,4101). Nu s-a salvat nimic.</translation>
    </message>
    <message>
        <source>Your results could not be written to
%1
They are kept in the program; check the output directory
and save again.</source>
        <extracomment>%1 is the file, on a line of its own. Keep the line breaks.</extracomment>
        <translation>Rezultatele nu au putut fi scrise în
%1
Ele sunt păstrate în program; verificați directorul de ieșire
și salvați din nou.</translation>
    </message>
    <message>
        <source>Cannot open file %1
%2</source>
        <extracomment>%1 the file; %2, on the next line, why it cannot be opened. Keep the line breaks.</extracomment>
        <translation>Fișierul %1 nu poate fi deschis.
%2</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Fișierul nu există.</translation>
    </message>
    <message>
        <source>The file cannot be read (no permission?).</source>
        <translation>Fișierul nu poate fi citit (lipsă permisiuni?).</translation>
    </message>
    <message>
        <source>The file is not a ROOT file, or it is damaged.</source>
        <translation>Fișierul nu este un fișier ROOT sau este deteriorat.</translation>
    </message>
    <message>
        <source>The file is damaged or cut short.</source>
        <translation>Fișierul este deteriorat sau incomplet.</translation>
    </message>
    <message>
        <source>The file holds no tree &quot;DecayTree&quot;.</source>
        <translation>Fișierul nu conține arborele &quot;DecayTree&quot;.</translation>
    </message>
    <message>
        <source>&quot;DecayTree&quot; in the file is not a tree.</source>
        <translation>&quot;DecayTree&quot; din fișier nu este un arbore.</translation>
    </message>
    <message>
        <source>The tree &quot;DecayTree&quot; has no branch &quot;%1&quot;.</source>
        <translation>Arborele &quot;DecayTree&quot; nu are ramura &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The branches of &quot;DecayTree&quot; do not hold one number per candidate.</source>
        <translation>Ramurile din &quot;DecayTree&quot; nu conțin câte un număr pentru fiecare candidat.</translation>
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
        <translation>Domenii variabile</translation>
    </message>
    <message>
        <source>Analysis tools</source>
        <translation>Instrumente analiza</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Instrumente</translation>
    </message>
    <message>
        <source>Background subtraction</source>
        <translation>Eliminare fond</translation>
    </message>
    <message>
        <source>Time fit</source>
        <translation>Fit timp de viata</translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>Salvare rezultate</translation>
    </message>
    <message>
        <source>Plot D0 mass</source>
        <translation>Afiseaza masa D0</translation>
    </message>
    <message>
        <source>Plot distributions</source>
        <translation>Afiseaza distributii</translation>
    </message>
    <message>
        <source>Fit signal decay time</source>
        <translation>Fit timp viata semnal</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nume fisier</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Iesire</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Resetare exercitiu</translation>
    </message>
    <message>
        <source>Read Instructions</source>
        <translation>Citeste instructiuni</translation>
    </message>
    <message>
        <source>Save Canvas</source>
        <translation>Salveaza grafice</translation>
    </message>
    <message>
        <source>Clear Trend</source>
        <translation>Reset tendinta</translation>
    </message>
    <message>
        <source>Plot trend</source>
        <translation>Afiseaza tendinta</translation>
    </message>
    <message>
        <source>Save result and fit</source>
        <translation>Salvare rezultat si fit</translation>
    </message>
    <message>
        <source>Fit mass distribution</source>
        <translation>Fit distributie masa</translation>
    </message>
    <message>
        <source>You cannot set the signal range to be the same as the total mass range.
The background range must always contain
at least some area which is not
in the signal range, so that you have
some pure background events to subtract.
</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>Nu puteti stabili un domeniu de semnal
 egal cu intregul spectru de masa. 
Domeniul evenimentelor de fond trebuie
 sa cuprinda si cel putin o zona care 
nu face parte din domeniul de semnal, 
astfel incat sa existe evenimente exclusiv 
de fond ce pot fi extrase din zona
 de semnal. 
</translation>
    </message>
    <message>
        <source>You must save at least one result of the
lifetime fit before making the trend plot.</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>Trebuie sa salvati cel putin un rezultat al fit-ului 
 timpului de viata, inainte de a face afisa tendinta masuratorii.</translation>
    </message>
    <message>
        <source>You must fit the lifetime distribution before
attempting to save the results of this fit.</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>Trebuie sa fitati distributia timpului de viata inainte 
 de a incerca sa salvati rezultatele acestui fit.</translation>
    </message>
    <message>
        <source>WARNING: Max and min cut are both varying</source>
        <translation>ATENTIE: Si maximul si minimul domeniului de selectie pot fi variate.</translation>
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
        <translation>Trebuie sa fitati distributia de masa inainte
 de reprezentarea grafica a distributiilor 
variabilelor. Fit-ul distributiei de masa va
 permite sa masurati numarul de evenimente 
de fond aflate sub varful (peak-ul) de semnal.
 Aceasta inseamna ca veti stii cate 
evenimente de semnal sa extrageti din 
 regiunea de semnal pentru a obtine 
distributiile variabilelor pentru semnal. 
</translation>
    </message>
    <message>
        <source>For more details on the Vexel experiment, 
please visit the Vexel pages at: 
%1 
 and 
 %2</source>
        <extracomment>%1 the experiment&apos;s public web pages, %2 its collaboration&apos;s pages.</extracomment>
        <translation>Pentru mai multe detalii despre experimentul Vexel, 
va rugam sa vizitati pagina web la adresa: %1 and %2 </translation>
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
        <translation>Ajutor</translation>
    </message>
    <message>
        <source>Move on to D0 Exercise</source>
        <extracomment>Leaves the event display; 208 pixels wide.</extracomment>
        <translation>Iesire</translation>
    </message>
    <message>
        <source>Save Particle</source>
        <translation>Salveaza particula</translation>
    </message>
    <message>
        <source>Calculate</source>
        <extracomment>104 pixels wide.</extracomment>
        <translation>Calculeaza</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>96 pixels wide.</extracomment>
        <translation>Sterge</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>104 pixels wide.</extracomment>
        <translation>Adauga</translation>
    </message>
    <message>
        <source>Draw</source>
        <extracomment>96 pixels wide.</extracomment>
        <translation>Deseneaza</translation>
    </message>
    <message>
        <source>Save Histogram</source>
        <translation>Salveaza histograma</translation>
    </message>
    <message>
        <source>Mass</source>
        <extracomment>Label of the particle&apos;s mass and of the pair&apos;s invariant mass; 48 pixels wide.</extracomment>
        <translation>Masa</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Label of the particle&apos;s name; 48 pixels wide.</extracomment>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Event number:</source>
        <extracomment>112 pixels wide.</extracomment>
        <translation>Indice eveniment:</translation>
    </message>
    <message>
        <source>My Particles</source>
        <translation>Particulele mele</translation>
    </message>
    <message>
        <source>Particle Info</source>
        <translation>Informatii particula</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Mareste</translation>
    </message>
    <message>
        <source>Event manager</source>
        <translation>Manager evenimente</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Vizualizeaza</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legenda</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histograma</translation>
    </message>
    <message>
        <source>Hide Geometry</source>
        <translation>Ascunde geometria</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparenta</translation>
    </message>
    <message>
        <source>You cannot have more than two particles.</source>
        <translation>Nu puteti avea mai mult de doua particule.</translation>
    </message>
    <message>
        <source>You have already added this particle.</source>
        <translation>Ati adaugat deja aceasta particula la lista.</translation>
    </message>
    <message>
        <source>You have successfully saved your histogram.</source>
        <translation>Ati salvat cu succes histograma dvs.</translation>
    </message>
    <message>
        <source>Mass is not in range. Please, try again.</source>
        <translation>Masa nu este in interval. Va rugam incercati din nou.</translation>
    </message>
    <message>
        <source>You have already added new mass in histogram.</source>
        <translation>Noua masuratoare de masa este deja adaugata la histograma.</translation>
    </message>
    <message>
        <source>When you want to rotate the view, press CTRL or CTRL + SHIFT to be more precise.</source>
        <translation>Cand rotiti imaginea apasati tasta CTRL sau tastele CTRL si SHIFT pentru a avea o precizie mai buna.</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Felicitari!</translation>
    </message>
    <message>
        <source>You have successfully completed LumoraDisplay exercise.</source>
        <translation>Ati completat cu succes exercitiul LumoraDisplay.</translation>
    </message>
    <message>
        <source>Vexel Lumora : event display</source>
        <translation>Vexel Lumora : afișarea evenimentelor</translation>
    </message>
    <message>
        <source>Entries</source>
        <extracomment>Rows of the statistics box of the histogram: number of entries, mean, root mean square.</extracomment>
        <translation>Entries</translation>
    </message>
    <message>
        <source>The particle tracks of data set %1 cannot be read (%2). The detector is shown without tracks.</source>
        <translation>Urmele particulelor din setul de date %1 nu pot fi citite (%2). Detectorul este afișat fără urme.</translation>
    </message>
    <message>
        <source>The data set %1 holds no events.</source>
        <translation>Setul de date %1 nu conține niciun eveniment.</translation>
    </message>
    <message>
        <source>Event %1 cannot be read (%2).</source>
        <translation>Evenimentul %1 nu poate fi citit (%2).</translation>
    </message>
    <message>
        <source>The Vexel geometry cannot be read (%1).</source>
        <translation>Geometria Vexel nu poate fi citită (%1).</translation>
    </message>
    <message>
        <source>The help page cannot be shown: the picture %1 is missing.</source>
        <translation>Pagina de ajutor nu poate fi afișată: lipsește imaginea %1.</translation>
    </message>
    <message>
        <source>The histogram cannot be saved: the file name made from your details is too long (%1 bytes, at most 255).</source>
        <translation>Histograma nu poate fi salvată: numele fișierului format din datele dvs. este prea lung (%1 octeți, cel mult 255).</translation>
    </message>
    <message>
        <source>Your mass histogram has not been saved. End the program anyway?</source>
        <translation>Histograma dvs. de masă nu a fost salvată. Închideți totuși programul?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nu</translation>
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
        <translation>Vizualizarea evenimentelor – ajutor</translation>
    </message>
    <message>
        <source>The controls</source>
        <translation>Comenzile</translation>
    </message>
    <message>
        <source>The exercise, step by step</source>
        <translation>Exercițiul, pas cu pas</translation>
    </message>
    <message>
        <source>Invariant mass of two particles (c = 1):</source>
        <translation>Masa invariantă a două particule (c = 1):</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Săgeți</translation>
    </message>
    <message>
        <source>Go to the previous or the next event. &quot;Event number:&quot; shows which one you see.</source>
        <translation>Evenimentul anterior sau următor. &quot;Indice eveniment:&quot; arată care este afișat.</translation>
    </message>
    <message>
        <source>Close-up</source>
        <translation>Prim-plan</translation>
    </message>
    <message>
        <source>Zoom in on the point where the D⁰ decays. The first time, a hint explains how to rotate.</source>
        <translation>Mărește locul în care se dezintegrează D⁰. Prima dată, un mesaj explică rotirea.</translation>
    </message>
    <message>
        <source>Default view</source>
        <translation>Vedere inițială</translation>
    </message>
    <message>
        <source>Back to the view of the whole detector.</source>
        <translation>Înapoi la vederea întregului detector.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indiciu</translation>
    </message>
    <message>
        <source>Draws the D⁰ and its two decay products as bold lines; the legend explains them.</source>
        <translation>Desenează D⁰ și cei doi produși de dezintegrare cu linii groase; legenda îi explică.</translation>
    </message>
    <message>
        <source>Hide Geometry / Transparency</source>
        <translation>Ascunde geometria / Transparenta</translation>
    </message>
    <message>
        <source>Hide or show the detector, or make it see-through so that the tracks stand out.</source>
        <translation>Ascunde sau arată detectorul, ori îl face transparent ca urmele să se vadă mai bine.</translation>
    </message>
    <message>
        <source>Projections</source>
        <translation>Proiecții</translation>
    </message>
    <message>
        <source>Look at the event in the planes YZ (side view), YX (along the beam) and ZX (from above).</source>
        <translation>Evenimentul în planele YZ (din lateral), YX (de-a lungul fasciculului) și ZX (de sus).</translation>
    </message>
    <message>
        <source>Particle Info</source>
        <translation>Informatii particula</translation>
    </message>
    <message>
        <source>Click a track to read its name, mass, energy E, charge q, track-fit chi2 and momentum px, py, pz. &quot;Save Particle&quot; keeps it in &quot;My Particles&quot;.</source>
        <translation>Apăsați pe o urmă pentru nume, masă, energie E, sarcină q, chi2 al urmei și impuls px, py, pz. &quot;Salveaza particula&quot; o pune în &quot;Particulele mele&quot;.</translation>
    </message>
    <message>
        <source>My Particles</source>
        <translation>Particulele mele</translation>
    </message>
    <message>
        <source>Your two particles. &quot;Calculate&quot; gives their invariant mass, &quot;Delete&quot; removes them.</source>
        <translation>Cele două particule alese. &quot;Calculeaza&quot; dă masa lor invariantă, &quot;Sterge&quot; le înlătură.</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histograma</translation>
    </message>
    <message>
        <source>&quot;Add&quot; puts the mass into your histogram (one per event, near the D⁰ mass), &quot;Draw&quot; shows it, &quot;Save Histogram&quot; writes it to a file.</source>
        <translation>&quot;Adauga&quot; pune masa în histogramă (una pe eveniment, apropiată de masa D⁰), &quot;Deseneaza&quot; o afișează, &quot;Salveaza histograma&quot; o scrie într-un fișier.</translation>
    </message>
    <message>
        <source>Move on to D0 Exercise</source>
        <translation>Iesire</translation>
    </message>
    <message>
        <source>Closes the event display and makes the second exercise available in the launcher.</source>
        <translation>Închide vizualizarea și activează al doilea exercițiu în fereastra de start.</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Drag with the left button to rotate the view, turn the wheel to zoom, click a track to pick it.</source>
        <translation>Trageți cu butonul stâng pentru rotire, rotița pentru mărire, un clic pe o urmă o alege.</translation>
    </message>
    <message>
        <source>Press the hint: the bold lines are the D⁰ (black) and its decay products, a kaon and a pion.</source>
        <translation>Apăsați indiciul: liniile groase sunt D⁰ (negru) și produșii săi, un kaon și un pion.</translation>
    </message>
    <message>
        <source>Click the kaon (K+ blue, K− green) and press &quot;Save Particle&quot;.</source>
        <translation>Alegeți kaonul (K+ albastru, K− verde) și apăsați &quot;Salveaza particula&quot;.</translation>
    </message>
    <message>
        <source>Click the pion of opposite charge (π+ magenta, π− red) and press &quot;Save Particle&quot;.</source>
        <translation>Alegeți pionul de sarcină opusă (π+ magenta, π− roșu) și apăsați &quot;Salveaza particula&quot;.</translation>
    </message>
    <message>
        <source>Press &quot;Calculate&quot;: the invariant mass of the pair appears under &quot;My Particles&quot;.</source>
        <translation>Apăsați &quot;Calculeaza&quot;: masa invariantă a perechii apare sub &quot;Particulele mele&quot;.</translation>
    </message>
    <message>
        <source>Is it close to the D⁰ mass, 1864.84 MeV/c²? Then press &quot;Add&quot;. If not, press &quot;Delete&quot; and try two other tracks.</source>
        <translation>Este apropiată de masa D⁰, 1864,84 MeV/c²? Atunci apăsați &quot;Adauga&quot;. Altfel &quot;Sterge&quot; și încercați alte două urme.</translation>
    </message>
    <message>
        <source>Go to the next event with the right arrow and do the same for every event.</source>
        <translation>Treceți la evenimentul următor cu săgeata dreaptă și repetați pentru fiecare eveniment.</translation>
    </message>
    <message>
        <source>At the end press &quot;Draw&quot; to see your mass peak, &quot;Save Histogram&quot;, then &quot;Move on to D0 Exercise&quot;.</source>
        <translation>La sfârșit &quot;Deseneaza&quot; pentru vârful de masă, &quot;Salveaza histograma&quot;, apoi &quot;Iesire&quot;.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>1</source>
        <comment>number of the help picture</comment>
        <extracomment>The number of this language&apos;s help picture Icons/help&lt;number&gt;.png, which also tells the language apart inside the program: 1 English, 2 French, 3 German, 4 Italian, 5 Romanian, 6 Spanish; a new language takes the next free number.</extracomment>
        <translation>5</translation>
    </message>
    <message>
        <source>English</source>
        <comment>name of this language</comment>
        <extracomment>The language&apos;s name in its own language, as a student who speaks it would write it.</extracomment>
        <translation>Română</translation>
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
        <translation>Prenume</translation>
    </message>
    <message>
        <source>Surname</source>
        <extracomment>Row of the student&apos;s family name; 72 pixels wide.</extracomment>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Grade</source>
        <extracomment>Row of the student&apos;s class or year at school; 72 pixels wide.</extracomment>
        <translation>Clasa</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salveaza</translation>
    </message>
    <message>
        <source>About</source>
        <comment>button</comment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>button</comment>
        <translation>Iesire</translation>
    </message>
    <message>
        <source>Enter your details</source>
        <translation>Introduceti detaliile</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Limbi</translation>
    </message>
    <message>
        <source>Vexel Lumora: particle-physics exercises on Vexel data, written by the Vexel Lumora team for school classes.</source>
        <translation>Vexel Lumora: exerciții de fizica particulelor pe datele Vexel, scrise de echipa Vexel Lumora pentru clase.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Please create it or choose another one.</source>
        <translation>Dosarul %1 nu există. Creați-l sau alegeți altul.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to. Please choose another one.</source>
        <translation>Nu se poate scrie în dosarul %1. Alegeți altul.</translation>
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
        <translation>Dosarul %1 a fost creat. Fișierele vor fi salvate acolo.</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <extracomment>The one button of the launcher&apos;s message boxes.</extracomment>
        <translation>Dismiss</translation>
    </message>
    <message>
        <source>Teacher&apos;s guide</source>
        <extracomment>Button of the About box that opens the teacher&apos;s guide (HTML) in the web browser.</extracomment>
        <translation>Ghidul profesorului</translation>
    </message>
    <message>
        <source>The teacher&apos;s guide is not installed on this computer. It belongs in the folder %1. The program works without it.</source>
        <extracomment>Added to the About text when the teacher&apos;s guide is not installed; %1 is a folder.</extracomment>
        <translation>Ghidul profesorului nu este instalat pe acest calculator. Locul lui este în dosarul %1. Programul funcționează și fără el.</translation>
    </message>
    <message>
        <source>No program on this computer opens web pages. The teacher&apos;s guide is the file %1: open it with a web browser, or copy it to another computer.</source>
        <extracomment>Shown when no web browser opens the guide; %1 is the guide&apos;s HTML file.</extracomment>
        <translation>Niciun program de pe acest calculator nu deschide pagini web. Ghidul profesorului este fișierul %1: deschideți-l cu un browser web sau copiați-l pe alt calculator.</translation>
    </message>
</context>
<context>
    <name>LessonDay</name>
    <message>
        <source>Classes of the day</source>
        <translation>Clasele zilei</translation>
    </message>
    <message>
        <source>Add class folder...</source>
        <translation>Adaugă dosarul unei clase...</translation>
    </message>
    <message>
        <source>Add class export...</source>
        <translation>Adaugă exportul unei clase...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Elimină</translation>
    </message>
    <message>
        <source>Class label</source>
        <translation>Eticheta clasei</translation>
    </message>
    <message>
        <source>School</source>
        <translation>Școala</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clasa</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Export class...</source>
        <translation>Exportă clasa...</translation>
    </message>
    <message>
        <source>Choose a class folder in the list first.</source>
        <translation>Alegeți mai întâi un dosar de clasă din listă.</translation>
    </message>
    <message>
        <source>Class exported: %1</source>
        <translation>Clasă exportată: %1</translation>
    </message>
    <message>
        <source>Hand out data sets...</source>
        <translation>Împarte seturile de date...</translation>
    </message>
    <message>
        <source>Projector view</source>
        <translation>Vedere pentru proiector</translation>
    </message>
    <message>
        <source>Esc: back to the window</source>
        <translation>Esc: înapoi la fereastră</translation>
    </message>
    <message>
        <source>Count every file (also a combination analysed twice)</source>
        <translation>Numără fiecare fișier (și o combinație analizată de două ori)</translation>
    </message>
    <message>
        <source>Rule: a combination analysed by two students counts once (the first saved).</source>
        <translation>Regulă: o combinație analizată de doi elevi contează o dată (prima salvată).</translation>
    </message>
    <message>
        <source>Rule: every file counts, also a combination analysed twice.</source>
        <translation>Regulă: fiecare fișier contează, și o combinație analizată de două ori.</translation>
    </message>
    <message>
        <source>Class lifetime: the mean of the students&apos; values, their spread (standard deviation, lowest and highest) and the statistical error of one analysis. All students analyse the same candidates, so no error of the mean is given.</source>
        <translation>Timpul de viață al clasei: media valorilor elevilor, împrăștierea lor (abaterea standard, cea mai mică și cea mai mare) și eroarea statistică a unei analize. Toți elevii analizează aceiași candidați, deci nu se dă o eroare a mediei.</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Class|Students|Entries|Mass (MeV/c²)|Width σ (MeV/c²)|Lifetime at each cut (ps)</source>
        <extracomment>Column titles of the classes table, separated by |.</extracomment>
        <translation>Clasa|Elevi|Intrări|Masa (MeV/c²)|Lățimea σ (MeV/c²)|Timpul de viață la fiecare tăietură (ps)</translation>
    </message>
    <message>
        <source>Class|Trend|Cut|Mean (ps)|Spread: standard deviation (ps)|Lowest ... highest (ps)|Error of one analysis (ps)|Students</source>
        <extracomment>Column titles of the class lifetime table, separated by |.</extracomment>
        <translation>Clasa|Tendință|Tăietură|Media (ps)|Împrăștiere: abaterea standard (ps)|Cea mai mică ... cea mai mare (ps)|Eroarea unei analize (ps)|Elevi</translation>
    </message>
    <message>
        <source>Class</source>
        <comment>column of the students&apos; table</comment>
        <translation>Clasa</translation>
    </message>
    <message>
        <source>Same combination as another</source>
        <translation>Aceeași combinație ca altul</translation>
    </message>
    <message>
        <source>yes, counted</source>
        <translation>da, numărată</translation>
    </message>
    <message>
        <source>yes, not counted</source>
        <translation>da, nenumărată</translation>
    </message>
    <message>
        <source>All classes</source>
        <translation>Toate clasele</translation>
    </message>
    <message>
        <source>Analysed more than once: %1</source>
        <translation>Analizate de mai multe ori: %1</translation>
    </message>
    <message>
        <source>All classes: mass %1 ± %2 MeV/c², σ %3 ± %4 MeV/c²</source>
        <extracomment>%1 the mass, %2 its error, %3 the width, %4 its error.</extracomment>
        <translation>Toate clasele: masa %1 ± %2 MeV/c², σ %3 ± %4 MeV/c²</translation>
    </message>
    <message>
        <source>%1: %2 ± %3 MeV/c²</source>
        <extracomment>%1 the class, %2 its mass, %3 the error.</extracomment>
        <translation>%1: %2 ± %3 MeV/c²</translation>
    </message>
    <message>
        <source>Bars: spread of the students&apos; values (standard deviation)</source>
        <translation>Bare: împrăștierea valorilor elevilor (abaterea standard)</translation>
    </message>
    <message>
        <source>%1: %2 (spread %3)</source>
        <extracomment>%1 the cut, %2 the class mean, %3 the spread.</extracomment>
        <translation>%1: %2 (împrăștiere %3)</translation>
    </message>
    <message>
        <source>written by a newer version of the program</source>
        <translation>scris de o versiune mai nouă a programului</translation>
    </message>
    <message>
        <source>Fit (Gaussian and straight line)</source>
        <translation>Fit (gaussiană și dreaptă)</translation>
    </message>
    <message>
        <source>Hand out data sets</source>
        <translation>Împarte seturile de date</translation>
    </message>
    <message>
        <source>Students&apos; names, one a line:</source>
        <translation>Numele elevilor, câte unul pe rând:</translation>
    </message>
    <message>
        <source>Or a number of groups:</source>
        <translation>Sau un număr de grupe:</translation>
    </message>
    <message>
        <source>Assign to the names</source>
        <translation>Atribuie numelor</translation>
    </message>
    <message>
        <source>Assign to the groups</source>
        <translation>Atribuie grupelor</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupa</translation>
    </message>
    <message>
        <source>Save sheet (PDF)...</source>
        <translation>Salvează foaia (PDF)...</translation>
    </message>
    <message>
        <source>Save list (CSV)...</source>
        <translation>Salvează lista (CSV)...</translation>
    </message>
    <message>
        <source>Data sets: %1</source>
        <extracomment>%1 the class.</extracomment>
        <translation>Seturi de date: %1</translation>
    </message>
    <message>
        <source>Open the data set with your combination number in the event exercise.</source>
        <translation>Deschideți în exercițiul cu evenimente setul de date cu numărul combinației voastre.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nume</translation>
    </message>
    <message>
        <source>Combination</source>
        <translation>Combinația</translation>
    </message>
    <message>
        <source>There are no names: type one name a line.</source>
        <translation>Nu există nume: scrieți câte un nume pe rând.</translation>
    </message>
    <message>
        <source>These names appear more than once: %1. Make each name unique, for example with an initial.</source>
        <translation>Aceste nume apar de mai multe ori: %1. Faceți fiecare nume unic, de exemplu cu o inițială.</translation>
    </message>
    <message>
        <source>%1 names, but there are only %2 data sets: let students work in groups.</source>
        <extracomment>%1 the names, %2 the data sets.</extracomment>
        <translation>%1 nume, dar există doar %2 seturi de date: lăsați elevii să lucreze în grupe.</translation>
    </message>
    <message>
        <source>The number of groups must be from 1 to %1.</source>
        <translation>Numărul de grupe trebuie să fie de la 1 la %1.</translation>
    </message>
    <message>
        <source>%1 blank lines skipped.</source>
        <translation>%1 rânduri goale sărite.</translation>
    </message>
    <message>
        <source>Only %1 data sets were not analysed yet today: %2 are handed out again.</source>
        <extracomment>%1 the data sets not analysed yet, %2 those handed out again.</extracomment>
        <translation>Doar %1 seturi de date nu au fost încă analizate azi: %2 sunt împărțite din nou.</translation>
    </message>
    <message>
        <source>%1 data sets handed out.</source>
        <translation>%1 seturi de date împărțite.</translation>
    </message>
    <message>
        <source>Teacher&apos;s guide</source>
        <extracomment>Button that opens the teacher&apos;s guide (HTML) in the web browser.</extracomment>
        <translation>Ghidul profesorului</translation>
    </message>
    <message>
        <source>The teacher&apos;s guide is not installed on this computer. It belongs in the folder %1. The program works without it.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Ghidul profesorului nu este instalat pe acest calculator. Locul lui este în dosarul %1. Programul funcționează și fără el.</translation>
    </message>
    <message>
        <source>No program on this computer opens web pages. The teacher&apos;s guide is the file %1: open it with a web browser, or copy it to another computer.</source>
        <extracomment>%1 is the guide&apos;s HTML file.</extracomment>
        <translation>Niciun program de pe acest calculator nu deschide pagini web. Ghidul profesorului este fișierul %1: deschideți-l cu un browser web sau copiați-l pe alt calculator.</translation>
    </message>
</context>
<context>
    <name>SaveCanvas</name>
    <message>
        <source>Error</source>
        <translation>Eroare</translation>
    </message>
    <message>
        <source>The file name is too long: %1 bytes, at most %2 fit. Nothing was saved; please type a shorter name.</source>
        <extracomment>%1 the bytes of the typed name, %2 the most that fit.</extracomment>
        <translation>Numele fișierului este prea lung: %1 octeți, cel mult %2. Nu s-a salvat nimic; scrie un nume mai scurt.</translation>
    </message>
    <message>
        <source>The directory %1 does not exist. Nothing was saved.</source>
        <translation>Dosarul %1 nu există. Nu s-a salvat nimic.</translation>
    </message>
    <message>
        <source>The directory %1 is not writable. Nothing was saved.</source>
        <translation>În dosarul %1 nu se poate scrie. Nu s-a salvat nimic.</translation>
    </message>
    <message>
        <source>Saved:</source>
        <extracomment>Heading of the list of files saved, one a line below it.</extracomment>
        <translation>Salvate:</translation>
    </message>
    <message>
        <source>Not saved (an earlier file of the same name is kept):</source>
        <extracomment>Heading of the list of files not saved, one a line below it.</extracomment>
        <translation>Nesalvate (un fișier anterior cu același nume rămâne neschimbat):</translation>
    </message>
</context>
<context>
    <name>StudentFiles</name>
    <message>
        <source>The current folder cannot be written to. Your files are saved in %1</source>
        <translation>În dosarul curent nu se poate scrie. Fișierele tale sunt salvate în %1</translation>
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
