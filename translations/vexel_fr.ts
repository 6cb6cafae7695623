<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>ClassResults</name>
    <message>
        <source>Vexel Lumora - class results</source>
        <translation>Vexel Lumora - résultats de la classe</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Class folder</source>
        <translation>Dossier de la classe</translation>
    </message>
    <message>
        <source>Choose folder...</source>
        <translation>Choisir le dossier...</translation>
    </message>
    <message>
        <source>No folder chosen</source>
        <translation>Aucun dossier choisi</translation>
    </message>
    <message>
        <source>The folder cannot be read</source>
        <translation>Le dossier ne peut pas être lu</translation>
    </message>
    <message>
        <source>Export plots...</source>
        <translation>Exporter les graphiques...</translation>
    </message>
    <message>
        <source>Export table...</source>
        <translation>Exporter le tableau...</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Échec de l&apos;exportation</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <extracomment>%1 the file written.</extracomment>
        <translation>Enregistré : %1</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Élèves</translation>
    </message>
    <message>
        <source>Files not used</source>
        <translation>Fichiers non utilisés</translation>
    </message>
    <message>
        <source>Class lifetime</source>
        <translation>Durée de vie de la classe</translation>
    </message>
    <message>
        <source>Name|Surname|Grade|Combination|Entries|Lifetimes saved</source>
        <extracomment>Column titles of the students&apos; table, separated by |.</extracomment>
        <translation>Nom|Prénom|Classe|Combinaison|Entrées|Durées de vie enregistrées</translation>
    </message>
    <message>
        <source>File|Reason|Details</source>
        <extracomment>Column titles of the table of files not used, separated by |.</extracomment>
        <translation>Fichier|Raison|Détails</translation>
    </message>
    <message>
        <source>Trend:</source>
        <translation>Tendance :</translation>
    </message>
    <message>
        <source>%1 files used, %2 not used; %3 students; %4 entries; %5 of %6 combinations</source>
        <translation>%1 fichiers utilisés, %2 non utilisés ; %3 élèves ; %4 entrées ; %5 combinaisons sur %6</translation>
    </message>
    <message>
        <source>No fit: too few entries</source>
        <translation>Pas d&apos;ajustement : trop peu d&apos;entrées</translation>
    </message>
    <message>
        <source>D^{0} mass (MeV/c^{2})</source>
        <extracomment>Axis title; ^{...} raises, as in D^{0}.</extracomment>
        <translation>Masse du D^{0} (MeV/c^{2})</translation>
    </message>
    <message>
        <source>Candidates / (2 MeV/c^{2})</source>
        <translation>Candidats / (2 MeV/c^{2})</translation>
    </message>
    <message>
        <source>True D^{0} mass: 1864.84 MeV/c^{2}</source>
        <translation>Masse vraie du D^{0} : 1864.84 MeV/c^{2}</translation>
    </message>
    <message>
        <source>True lifetime: 0.4101 ps</source>
        <translation>Vraie durée de vie : 0.4101 ps</translation>
    </message>
    <message>
        <source>Class mean</source>
        <translation>Moyenne de la classe</translation>
    </message>
    <message>
        <source>Students&apos; results</source>
        <translation>Résultats des élèves</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Entrées</translation>
    </message>
    <message>
        <source>lower PT cut|upper IP cut|upper PT cut|lower IP cut</source>
        <extracomment>The four trends of the lifetime against a cut, separated by |.</extracomment>
        <translation>coupure PT basse|coupure IP haute|coupure PT haute|coupure IP basse</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Fitted D^{0} lifetime (ps)</source>
        <translation>Durée de vie du D^{0} (ps)</translation>
    </message>
    <message>
        <source>Combinations used: %1</source>
        <translation>Combinaisons utilisées : %1</translation>
    </message>
    <message>
        <source>used</source>
        <extracomment>Why a file in the class folder is used or not.</extracomment>
        <translation>utilisé</translation>
    </message>
    <message>
        <source>not named like a student&apos;s file</source>
        <translation>nom différent de celui d&apos;un fichier d&apos;élève</translation>
    </message>
    <message>
        <source>not a ROOT file</source>
        <translation>pas un fichier ROOT</translation>
    </message>
    <message>
        <source>truncated or damaged</source>
        <translation>tronqué ou endommagé</translation>
    </message>
    <message>
        <source>wrong binning</source>
        <translation>mauvais découpage en intervalles</translation>
    </message>
    <message>
        <source>foreign file</source>
        <translation>fichier étranger</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>superseded by a newer copy</source>
        <translation>remplacé par une copie plus récente</translation>
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
        <translation>Bienvenue dans l&apos;exercice de lumora Vexel sur la mesure du temps de vie 
du meson D0.

Le but de cet exercice est de mesurer le temps de vie du meson D0, une particule
fondamentale composee d&apos;un quark charme et d&apos;un anti-quark up. Pour cela, vous
apprendrez d&apos;abord a separer les mesons D0 du signal des bruits de fond. Enfin,
vous comparerez vos resultats aux valeurs du Particle Data Group (%1).

Instructions pas a pas :

1. Tracez la distribution de masse du D0. La masse du D0 est une variable
fondamentale qui separe le signal (la structure en pic au milieu) du bruit
de fond plat.

2. Lisez les resultats de l&apos;ajustement et utilisez-les pour determiner le domaine
du signal. La fonction ajustee au signal est une gaussienne, dont la largeur,
indiquee par la lettre grecque sigma, indique jusqu&apos;ou le signal s&apos;etend autour
de la valeur moyenne (ou la plus probable). En particulier, un intervalle de
+-1 sigma autour de la moyenne contient 68% du signal, et +-3 sigma en contient
99.7%. Utilisez le curseur pour fixer le domaine du signal a +-3 sigma autour
de la valeur moyenne.

3. Tracez les distributions des variables. Trois autres graphiques apparaissent ;
dans chacun, les points bleus representent la distribution du signal pour cette
variable et les points rouges celle du bruit de fond. L&apos;axe Y est logarithmique
et chaque point represente la fraction du signal total dans cet intervalle.
Quelles regions de chaque variable contiennent surtout du signal ? Lesquelles
contiennent surtout du bruit de fond ?

4. Ajustez la distribution du temps de vie. Enregistrez les resultats de votre
ajustement et comparez-les a la valeur du PDG. Sont-ils en accord ?

5. Repetez l&apos;etape 4 en faisant varier la borne superieure de la variable
log(IP) du D0 de 1.5 a -2 par pas de 0.2. Remarquez-vous une tendance ?

6. Discutez de vos resultats avec un encadrant. Le temps de vie du D0 avec une
coupure log(IP) a -1.5 est-il plus ou moins en accord avec le PDG que le temps
de vie avec une coupure log(IP) a 1.5 ?

Bon travail !

</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The signal range is empty:
its upper edge must lie above its lower edge.</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>Le domaine du signal est vide :
sa borne supérieure doit dépasser sa borne inférieure.</translation>
    </message>
    <message>
        <source>The decay-time range is empty:
its upper edge must lie above its lower edge.</source>
        <translation>Le domaine du temps de désintégration est vide :
sa borne supérieure doit dépasser sa borne inférieure.</translation>
    </message>
    <message>
        <source>The fitted background line gives no positive
background in the sidebands, so the background
under the peak cannot be scaled from them.
Change the signal range or fit the mass again.</source>
        <translation>La droite de bruit de fond ajustée ne donne pas de bruit de fond
positif dans les bandes latérales : le bruit de fond sous le pic
ne peut pas en être déduit.
Modifiez le domaine du signal ou ajustez à nouveau la masse.</translation>
    </message>
    <message>
        <source>There is nothing to fit:
no bin in the fit range holds candidates.</source>
        <translation>Il n&apos;y a rien à ajuster :
aucun intervalle du domaine d&apos;ajustement ne contient de candidats.</translation>
    </message>
    <message>
        <source>The fit did not converge.
Change the ranges and try again.</source>
        <translation>L&apos;ajustement n&apos;a pas convergé.
Modifiez les domaines et réessayez.</translation>
    </message>
    <message>
        <source>Warning: the error matrix of the fit was not positive definite
and was forced to be; the errors shown are approximate.</source>
        <translation>Attention : la matrice d&apos;erreur de l&apos;ajustement n&apos;était pas définie positive
et a été forcée à l&apos;être ; les erreurs affichées sont approximatives.</translation>
    </message>
    <message>
        <source>The fit result and its error must be numbers
(for example 0.4101 or 0,4101). Nothing was saved.</source>
        <translation>Le résultat de l&apos;ajustement et son erreur doivent être des nombres
(par exemple 0.4101 ou 0,4101). Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Your results could not be written to
%1
They are kept in the program; check the output directory
and save again.</source>
        <extracomment>%1 is the file, on a line of its own. Keep the line breaks.</extracomment>
        <translation>Vos résultats n&apos;ont pas pu être écrits dans
%1
Ils sont conservés dans le programme ; vérifiez le répertoire de sortie
et enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>Cannot open file %1
%2</source>
        <extracomment>%1 the file; %2, on the next line, why it cannot be opened. Keep the line breaks.</extracomment>
        <translation>Impossible d&apos;ouvrir le fichier %1
%2</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The file cannot be read (no permission?).</source>
        <translation>Le fichier ne peut pas être lu (droits d&apos;accès ?).</translation>
    </message>
    <message>
        <source>The file is not a ROOT file, or it is damaged.</source>
        <translation>Ce n&apos;est pas un fichier ROOT, ou il est endommagé.</translation>
    </message>
    <message>
        <source>The file is damaged or cut short.</source>
        <translation>Le fichier est endommagé ou incomplet.</translation>
    </message>
    <message>
        <source>The file holds no tree &quot;DecayTree&quot;.</source>
        <translation>Le fichier ne contient pas d&apos;arbre &quot;DecayTree&quot;.</translation>
    </message>
    <message>
        <source>&quot;DecayTree&quot; in the file is not a tree.</source>
        <translation>&quot;DecayTree&quot; dans le fichier n&apos;est pas un arbre.</translation>
    </message>
    <message>
        <source>The tree &quot;DecayTree&quot; has no branch &quot;%1&quot;.</source>
        <translation>L&apos;arbre &quot;DecayTree&quot; n&apos;a pas de branche &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The branches of &quot;DecayTree&quot; do not hold one number per candidate.</source>
        <translation>Les branches de &quot;DecayTree&quot; ne contiennent pas un nombre par candidat.</translation>
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
        <translation>Intrevalles des variables</translation>
    </message>
    <message>
        <source>Analysis tools</source>
        <translation>Outils d&apos;analyses</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Background subtraction</source>
        <translation>Soustraction du bruit de fond</translation>
    </message>
    <message>
        <source>Time fit</source>
        <translation>Ajustement du temps</translation>
    </message>
    <message>
        <source>Save results</source>
        <translation>Sauvegarde des resultats</translation>
    </message>
    <message>
        <source>Plot D0 mass</source>
        <translation>Tracer la masse du D0</translation>
    </message>
    <message>
        <source>Plot distributions</source>
        <translation>Tracer les distributions</translation>
    </message>
    <message>
        <source>Fit signal decay time</source>
        <translation>Ajust. le tps de desint. du sig.</translation>
    </message>
    <message>
        <source>Filename</source>
        <translation>Nom du fichier</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Reset Exercise</source>
        <translation>Redemarrer l&apos;exercice</translation>
    </message>
    <message>
        <source>Read Instructions</source>
        <translation>Lire les instructions</translation>
    </message>
    <message>
        <source>Save Canvas</source>
        <translation>Enregistrer le canevas</translation>
    </message>
    <message>
        <source>Clear Trend</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Plot trend</source>
        <translation>Trac. la tend.</translation>
    </message>
    <message>
        <source>Save result and fit</source>
        <translation>Enregistrer et ajuster</translation>
    </message>
    <message>
        <source>Fit mass distribution</source>
        <translation>Ajuster la distribution de masse</translation>
    </message>
    <message>
        <source>You cannot set the signal range to be the same as the total mass range.
The background range must always contain
at least some area which is not
in the signal range, so that you have
some pure background events to subtract.
</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>Le domaine de masse pour le signal doit etre different du domaine de masse total.
Le domaine de masse pour le bruit de fond doit toujours contenir au moins une region en
dehors du domaine de masse du signal afin d&apos;avoir des evenements de pur bruit de fond &apos;a soustraire.
</translation>
    </message>
    <message>
        <source>You must save at least one result of the
lifetime fit before making the trend plot.</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>Vous devez sauvez au moins un des resultats de l&apos;ajustement du temps de vie avant d&apos;afficher la tendance.</translation>
    </message>
    <message>
        <source>You must fit the lifetime distribution before
attempting to save the results of this fit.</source>
        <extracomment>Shown in a message window 350 pixels wide.</extracomment>
        <translation>Vous devez ajuster la distribution du temps de vie avant d&apos;essayer d&apos;enregistrer les resultats de l&apos;ajustement.</translation>
    </message>
    <message>
        <source>WARNING: Max and min cut are both varying</source>
        <translation>ATTENTION: les coupures maximales et minimales changent en meme temps</translation>
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
        <translation>La distribution en masse doit etre ajustee avant d&apos;afficher les distributions des variables.
L&apos;ajustement de la distribution en masse permet d&apos;evaluer le nombre d&apos;evenement de bruit de fond sous
 le signal. Cela permet de savoir combien d&apos;evenements de bruit de fond il 
faut soustraire de la region du signal pour obtenir la distribution du signal.
</translation>
    </message>
    <message>
        <source>For more details on the Vexel experiment, 
please visit the Vexel pages at: 
%1 
 and 
 %2</source>
        <extracomment>%1 the experiment&apos;s public web pages, %2 its collaboration&apos;s pages.</extracomment>
        <translation>Pour plus de details sur l&apos;experience Vexel, vous pouvez vous rendre sur le site:
%1 et %2 
</translation>
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
        <translation>Aide</translation>
    </message>
    <message>
        <source>Move on to D0 Exercise</source>
        <extracomment>Leaves the event display; 208 pixels wide.</extracomment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Save Particle</source>
        <translation>Sauver une particule</translation>
    </message>
    <message>
        <source>Calculate</source>
        <extracomment>104 pixels wide.</extracomment>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Delete</source>
        <extracomment>96 pixels wide.</extracomment>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Add</source>
        <extracomment>104 pixels wide.</extracomment>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Draw</source>
        <extracomment>96 pixels wide.</extracomment>
        <translation>Dessiner</translation>
    </message>
    <message>
        <source>Save Histogram</source>
        <translation>Sauver l&apos;histogramme</translation>
    </message>
    <message>
        <source>Mass</source>
        <extracomment>Label of the particle&apos;s mass and of the pair&apos;s invariant mass; 48 pixels wide.</extracomment>
        <translation>Masse</translation>
    </message>
    <message>
        <source>Name</source>
        <extracomment>Label of the particle&apos;s name; 48 pixels wide.</extracomment>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Event number:</source>
        <extracomment>112 pixels wide.</extracomment>
        <translation>Num. d&apos;evenement:</translation>
    </message>
    <message>
        <source>My Particles</source>
        <translation>Mes particules</translation>
    </message>
    <message>
        <source>Particle Info</source>
        <translation>Information sur les particules</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Event manager</source>
        <translation>Gestionnaire d&apos;evenement</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Voir</translation>
    </message>
    <message>
        <source>Legend</source>
        <translation>Legende</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histogramme</translation>
    </message>
    <message>
        <source>Hide Geometry</source>
        <translation>Masquer la geometrie</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>Transparence</translation>
    </message>
    <message>
        <source>You cannot have more than two particles.</source>
        <translation>Vous ne pouvez pas avoir plus de deux particules.</translation>
    </message>
    <message>
        <source>You have already added this particle.</source>
        <translation>Vous avez deja ajoute cette particule.</translation>
    </message>
    <message>
        <source>You have successfully saved your histogram.</source>
        <translation>Vous avez enregistrez votre histogramme avec succes.</translation>
    </message>
    <message>
        <source>Mass is not in range. Please, try again.</source>
        <translation>Le masse n&apos;est pas dans le domaine. Essayez a nouveau.</translation>
    </message>
    <message>
        <source>You have already added new mass in histogram.</source>
        <translation>Vous avez deja ajoute une nouvelle masse a l&apos;histogramme.</translation>
    </message>
    <message>
        <source>When you want to rotate the view, press CTRL or CTRL + SHIFT to be more precise.</source>
        <translation>Pour effectuez un rotation de la vue, utilisez CTRL ou CTRL+SHIFT pour etre plus precis.</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Felicitations!</translation>
    </message>
    <message>
        <source>You have successfully completed LumoraDisplay exercise.</source>
        <translation>Vous avez realise votre exercice avec succes.</translation>
    </message>
    <message>
        <source>Vexel Lumora : event display</source>
        <translation>Vexel Lumora : affichage des événements</translation>
    </message>
    <message>
        <source>Entries</source>
        <extracomment>Rows of the statistics box of the histogram: number of entries, mean, root mean square.</extracomment>
        <translation>Entries</translation>
    </message>
    <message>
        <source>The particle tracks of data set %1 cannot be read (%2). The detector is shown without tracks.</source>
        <translation>Les traces du jeu de données %1 ne peuvent pas être lues (%2). Le détecteur est affiché sans traces.</translation>
    </message>
    <message>
        <source>The data set %1 holds no events.</source>
        <translation>Le jeu de données %1 ne contient aucun événement.</translation>
    </message>
    <message>
        <source>Event %1 cannot be read (%2).</source>
        <translation>L&apos;événement %1 ne peut pas être lu (%2).</translation>
    </message>
    <message>
        <source>The Vexel geometry cannot be read (%1).</source>
        <translation>La géométrie Vexel ne peut pas être lue (%1).</translation>
    </message>
    <message>
        <source>The help page cannot be shown: the picture %1 is missing.</source>
        <translation>La page d&apos;aide ne peut pas être affichée : l&apos;image %1 est introuvable.</translation>
    </message>
    <message>
        <source>The histogram cannot be saved: the file name made from your details is too long (%1 bytes, at most 255).</source>
        <translation>L&apos;histogramme ne peut pas être enregistré : le nom de fichier formé à partir de vos coordonnées est trop long (%1 octets, 255 au plus).</translation>
    </message>
    <message>
        <source>Your mass histogram has not been saved. End the program anyway?</source>
        <translation>Votre histogramme de masse n&apos;a pas été enregistré. Quitter le programme quand même ?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
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
        <translation>Visualisation des événements – aide</translation>
    </message>
    <message>
        <source>The controls</source>
        <translation>Les commandes</translation>
    </message>
    <message>
        <source>The exercise, step by step</source>
        <translation>L&apos;exercice, pas à pas</translation>
    </message>
    <message>
        <source>Invariant mass of two particles (c = 1):</source>
        <translation>Masse invariante de deux particules (c = 1) :</translation>
    </message>
    <message>
        <source>Arrows</source>
        <translation>Flèches</translation>
    </message>
    <message>
        <source>Go to the previous or the next event. &quot;Event number:&quot; shows which one you see.</source>
        <translation>Événement précédent ou suivant. &quot;Num. d&apos;evenement:&quot; indique celui que vous voyez.</translation>
    </message>
    <message>
        <source>Close-up</source>
        <translation>Gros plan</translation>
    </message>
    <message>
        <source>Zoom in on the point where the D⁰ decays. The first time, a hint explains how to rotate.</source>
        <translation>Zoom sur le point où le D⁰ se désintègre. La première fois, une aide explique la rotation.</translation>
    </message>
    <message>
        <source>Default view</source>
        <translation>Vue par défaut</translation>
    </message>
    <message>
        <source>Back to the view of the whole detector.</source>
        <translation>Retour à la vue du détecteur entier.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Draws the D⁰ and its two decay products as bold lines; the legend explains them.</source>
        <translation>Trace le D⁰ et ses deux produits de désintégration en traits épais ; la légende les explique.</translation>
    </message>
    <message>
        <source>Hide Geometry / Transparency</source>
        <translation>Masquer la geometrie / Transparence</translation>
    </message>
    <message>
        <source>Hide or show the detector, or make it see-through so that the tracks stand out.</source>
        <translation>Cacher ou montrer le détecteur, ou le rendre transparent pour mieux voir les traces.</translation>
    </message>
    <message>
        <source>Projections</source>
        <translation>Projections</translation>
    </message>
    <message>
        <source>Look at the event in the planes YZ (side view), YX (along the beam) and ZX (from above).</source>
        <translation>Voir l&apos;événement dans les plans YZ (de côté), YX (le long du faisceau) et ZX (de dessus).</translation>
    </message>
    <message>
        <source>Particle Info</source>
        <translation>Information sur les particules</translation>
    </message>
    <message>
        <source>Click a track to read its name, mass, energy E, charge q, track-fit chi2 and momentum px, py, pz. &quot;Save Particle&quot; keeps it in &quot;My Particles&quot;.</source>
        <translation>Cliquez une trace pour lire son nom, sa masse, son énergie E, sa charge q, le chi2 de la trace et son impulsion px, py, pz. &quot;Sauver une particule&quot; la garde dans &quot;Mes particules&quot;.</translation>
    </message>
    <message>
        <source>My Particles</source>
        <translation>Mes particules</translation>
    </message>
    <message>
        <source>Your two particles. &quot;Calculate&quot; gives their invariant mass, &quot;Delete&quot; removes them.</source>
        <translation>Vos deux particules. &quot;Calculer&quot; donne leur masse invariante, &quot;Effacer&quot; les retire.</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histogramme</translation>
    </message>
    <message>
        <source>&quot;Add&quot; puts the mass into your histogram (one per event, near the D⁰ mass), &quot;Draw&quot; shows it, &quot;Save Histogram&quot; writes it to a file.</source>
        <translation>&quot;Ajouter&quot; met la masse dans votre histogramme (une par événement, proche de la masse du D⁰), &quot;Dessiner&quot; l&apos;affiche, &quot;Sauver l&apos;histogramme&quot; l&apos;enregistre dans un fichier.</translation>
    </message>
    <message>
        <source>Move on to D0 Exercise</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Closes the event display and makes the second exercise available in the launcher.</source>
        <translation>Ferme la visualisation et active le second exercice dans le lanceur.</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>Souris</translation>
    </message>
    <message>
        <source>Drag with the left button to rotate the view, turn the wheel to zoom, click a track to pick it.</source>
        <translation>Glisser avec le bouton gauche pour tourner, la molette pour zoomer, un clic sur une trace pour la choisir.</translation>
    </message>
    <message>
        <source>Press the hint: the bold lines are the D⁰ (black) and its decay products, a kaon and a pion.</source>
        <translation>Appuyez sur l&apos;indice : les traits épais sont le D⁰ (noir) et ses produits, un kaon et un pion.</translation>
    </message>
    <message>
        <source>Click the kaon (K+ blue, K− green) and press &quot;Save Particle&quot;.</source>
        <translation>Cliquez le kaon (K+ bleu, K− vert) et appuyez sur &quot;Sauver une particule&quot;.</translation>
    </message>
    <message>
        <source>Click the pion of opposite charge (π+ magenta, π− red) and press &quot;Save Particle&quot;.</source>
        <translation>Cliquez le pion de charge opposée (π+ magenta, π− rouge) et appuyez sur &quot;Sauver une particule&quot;.</translation>
    </message>
    <message>
        <source>Press &quot;Calculate&quot;: the invariant mass of the pair appears under &quot;My Particles&quot;.</source>
        <translation>Appuyez sur &quot;Calculer&quot; : la masse invariante de la paire s&apos;affiche sous &quot;Mes particules&quot;.</translation>
    </message>
    <message>
        <source>Is it close to the D⁰ mass, 1864.84 MeV/c²? Then press &quot;Add&quot;. If not, press &quot;Delete&quot; and try two other tracks.</source>
        <translation>Est-elle proche de la masse du D⁰, 1864,84 MeV/c² ? Alors appuyez sur &quot;Ajouter&quot;. Sinon, &quot;Effacer&quot; et essayez deux autres traces.</translation>
    </message>
    <message>
        <source>Go to the next event with the right arrow and do the same for every event.</source>
        <translation>Passez à l&apos;événement suivant avec la flèche droite et recommencez pour chaque événement.</translation>
    </message>
    <message>
        <source>At the end press &quot;Draw&quot; to see your mass peak, &quot;Save Histogram&quot;, then &quot;Move on to D0 Exercise&quot;.</source>
        <translation>À la fin, &quot;Dessiner&quot; pour voir votre pic de masse, &quot;Sauver l&apos;histogramme&quot;, puis &quot;Quitter&quot;.</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>1</source>
        <comment>number of the help picture</comment>
        <extracomment>The number of this language&apos;s help picture Icons/help&lt;number&gt;.png, which also tells the language apart inside the program: 1 English, 2 French, 3 German, 4 Italian, 5 Romanian, 6 Spanish; a new language takes the next free number.</extracomment>
        <translation>2</translation>
    </message>
    <message>
        <source>English</source>
        <comment>name of this language</comment>
        <extracomment>The language&apos;s name in its own language, as a student who speaks it would write it.</extracomment>
        <translation>Français</translation>
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
        <translation>Nom</translation>
    </message>
    <message>
        <source>Surname</source>
        <extracomment>Row of the student&apos;s family name; 72 pixels wide.</extracomment>
        <translation>Prenom</translation>
    </message>
    <message>
        <source>Grade</source>
        <extracomment>Row of the student&apos;s class or year at school; 72 pixels wide.</extracomment>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer l&apos;exercice</translation>
    </message>
    <message>
        <source>About</source>
        <comment>button</comment>
        <translation>Infos</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>button</comment>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Enter your details</source>
        <translation>Entrez vos coordonnees</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Vexel Lumora: particle-physics exercises on Vexel data, written by the Vexel Lumora team for school classes.</source>
        <translation>Vexel Lumora : exercices de physique des particules sur les données de Vexel, écrits par l&apos;équipe Vexel Lumora pour les classes.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Please create it or choose another one.</source>
        <translation>Le dossier %1 n&apos;existe pas. Créez-le ou choisissez-en un autre.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be written to. Please choose another one.</source>
        <translation>Impossible d&apos;écrire dans le dossier %1. Choisissez-en un autre.</translation>
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
        <translation>Le dossier %1 a été créé. Vos fichiers y seront enregistrés.</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <extracomment>The one button of the launcher&apos;s message boxes.</extracomment>
        <translation>Dismiss</translation>
    </message>
    <message>
        <source>Teacher&apos;s guide</source>
        <extracomment>Button of the About box that opens the teacher&apos;s guide (HTML) in the web browser.</extracomment>
        <translation>Guide de l&apos;enseignant</translation>
    </message>
    <message>
        <source>The teacher&apos;s guide is not installed on this computer. It belongs in the folder %1. The program works without it.</source>
        <extracomment>Added to the About text when the teacher&apos;s guide is not installed; %1 is a folder.</extracomment>
        <translation>Le guide de l&apos;enseignant n&apos;est pas installé sur cet ordinateur. Sa place est dans le dossier %1. Le programme fonctionne sans lui.</translation>
    </message>
    <message>
        <source>No program on this computer opens web pages. The teacher&apos;s guide is the file %1: open it with a web browser, or copy it to another computer.</source>
        <extracomment>Shown when no web browser opens the guide; %1 is the guide&apos;s HTML file.</extracomment>
        <translation>Aucun programme de cet ordinateur n&apos;ouvre les pages web. Le guide de l&apos;enseignant est le fichier %1 : ouvrez-le avec un navigateur web, ou copiez-le sur un autre ordinateur.</translation>
    </message>
</context>
<context>
    <name>LessonDay</name>
    <message>
        <source>Classes of the day</source>
        <translation>Classes de la journée</translation>
    </message>
    <message>
        <source>Add class folder...</source>
        <translation>Ajouter un dossier de classe...</translation>
    </message>
    <message>
        <source>Add class export...</source>
        <translation>Ajouter un export de classe...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Class label</source>
        <translation>Étiquette de la classe</translation>
    </message>
    <message>
        <source>School</source>
        <translation>École</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Export class...</source>
        <translation>Exporter la classe...</translation>
    </message>
    <message>
        <source>Choose a class folder in the list first.</source>
        <translation>Choisissez d&apos;abord un dossier de classe dans la liste.</translation>
    </message>
    <message>
        <source>Class exported: %1</source>
        <translation>Classe exportée : %1</translation>
    </message>
    <message>
        <source>Hand out data sets...</source>
        <translation>Distribuer les jeux de données...</translation>
    </message>
    <message>
        <source>Projector view</source>
        <translation>Vue pour le projecteur</translation>
    </message>
    <message>
        <source>Esc: back to the window</source>
        <translation>Échap : retour à la fenêtre</translation>
    </message>
    <message>
        <source>Count every file (also a combination analysed twice)</source>
        <translation>Compter chaque fichier (aussi une combinaison analysée deux fois)</translation>
    </message>
    <message>
        <source>Rule: a combination analysed by two students counts once (the first saved).</source>
        <translation>Règle : une combinaison analysée par deux élèves compte une fois (la première enregistrée).</translation>
    </message>
    <message>
        <source>Rule: every file counts, also a combination analysed twice.</source>
        <translation>Règle : chaque fichier compte, aussi une combinaison analysée deux fois.</translation>
    </message>
    <message>
        <source>Class lifetime: the mean of the students&apos; values, their spread (standard deviation, lowest and highest) and the statistical error of one analysis. All students analyse the same candidates, so no error of the mean is given.</source>
        <translation>Durée de vie de la classe : la moyenne des valeurs des élèves, leur dispersion (écart type, plus petite et plus grande) et l&apos;erreur statistique d&apos;une analyse. Tous les élèves analysent les mêmes candidats : aucune erreur de la moyenne n&apos;est donnée.</translation>
    </message>
    <message>
        <source>Classes</source>
        <translation>Classes</translation>
    </message>
    <message>
        <source>Class|Students|Entries|Mass (MeV/c²)|Width σ (MeV/c²)|Lifetime at each cut (ps)</source>
        <extracomment>Column titles of the classes table, separated by |.</extracomment>
        <translation>Classe|Élèves|Entrées|Masse (MeV/c²)|Largeur σ (MeV/c²)|Durée de vie à chaque coupure (ps)</translation>
    </message>
    <message>
        <source>Class|Trend|Cut|Mean (ps)|Spread: standard deviation (ps)|Lowest ... highest (ps)|Error of one analysis (ps)|Students</source>
        <extracomment>Column titles of the class lifetime table, separated by |.</extracomment>
        <translation>Classe|Tendance|Coupure|Moyenne (ps)|Dispersion : écart type (ps)|Plus petite ... plus grande (ps)|Erreur d&apos;une analyse (ps)|Élèves</translation>
    </message>
    <message>
        <source>Class</source>
        <comment>column of the students&apos; table</comment>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Same combination as another</source>
        <translation>Même combinaison qu&apos;un autre</translation>
    </message>
    <message>
        <source>yes, counted</source>
        <translation>oui, comptée</translation>
    </message>
    <message>
        <source>yes, not counted</source>
        <translation>oui, non comptée</translation>
    </message>
    <message>
        <source>All classes</source>
        <translation>Toutes les classes</translation>
    </message>
    <message>
        <source>Analysed more than once: %1</source>
        <translation>Analysées plus d&apos;une fois : %1</translation>
    </message>
    <message>
        <source>All classes: mass %1 ± %2 MeV/c², σ %3 ± %4 MeV/c²</source>
        <extracomment>%1 the mass, %2 its error, %3 the width, %4 its error.</extracomment>
        <translation>Toutes les classes : masse %1 ± %2 MeV/c², σ %3 ± %4 MeV/c²</translation>
    </message>
    <message>
        <source>%1: %2 ± %3 MeV/c²</source>
        <extracomment>%1 the class, %2 its mass, %3 the error.</extracomment>
        <translation>%1 : %2 ± %3 MeV/c²</translation>
    </message>
    <message>
        <source>Bars: spread of the students&apos; values (standard deviation)</source>
        <translation>Barres : dispersion des valeurs des élèves (écart type)</translation>
    </message>
    <message>
        <source>%1: %2 (spread %3)</source>
        <extracomment>%1 the cut, %2 the class mean, %3 the spread.</extracomment>
        <translation>%1 : %2 (dispersion %3)</translation>
    </message>
    <message>
        <source>written by a newer version of the program</source>
        <translation>écrit par une version plus récente du programme</translation>
    </message>
    <message>
        <source>Fit (Gaussian and straight line)</source>
        <translation>Ajustement (gaussienne et droite)</translation>
    </message>
    <message>
        <source>Hand out data sets</source>
        <translation>Distribuer les jeux de données</translation>
    </message>
    <message>
        <source>Students&apos; names, one a line:</source>
        <translation>Noms des élèves, un par ligne :</translation>
    </message>
    <message>
        <source>Or a number of groups:</source>
        <translation>Ou un nombre de groupes :</translation>
    </message>
    <message>
        <source>Assign to the names</source>
        <translation>Attribuer aux noms</translation>
    </message>
    <message>
        <source>Assign to the groups</source>
        <translation>Attribuer aux groupes</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Save sheet (PDF)...</source>
        <translation>Enregistrer la feuille (PDF)...</translation>
    </message>
    <message>
        <source>Save list (CSV)...</source>
        <translation>Enregistrer la liste (CSV)...</translation>
    </message>
    <message>
        <source>Data sets: %1</source>
        <extracomment>%1 the class.</extracomment>
        <translation>Jeux de données : %1</translation>
    </message>
    <message>
        <source>Open the data set with your combination number in the event exercise.</source>
        <translation>Ouvrez le jeu de données de votre numéro de combinaison dans l&apos;exercice des événements.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Combination</source>
        <translation>Combinaison</translation>
    </message>
    <message>
        <source>There are no names: type one name a line.</source>
        <translation>Il n&apos;y a aucun nom : tapez un nom par ligne.</translation>
    </message>
    <message>
        <source>These names appear more than once: %1. Make each name unique, for example with an initial.</source>
        <translation>Ces noms apparaissent plus d&apos;une fois : %1. Rendez chaque nom unique, par exemple avec une initiale.</translation>
    </message>
    <message>
        <source>%1 names, but there are only %2 data sets: let students work in groups.</source>
        <extracomment>%1 the names, %2 the data sets.</extracomment>
        <translation>%1 noms, mais il n&apos;y a que %2 jeux de données : faites travailler les élèves en groupes.</translation>
    </message>
    <message>
        <source>The number of groups must be from 1 to %1.</source>
        <translation>Le nombre de groupes doit être de 1 à %1.</translation>
    </message>
    <message>
        <source>%1 blank lines skipped.</source>
        <translation>%1 lignes vides ignorées.</translation>
    </message>
    <message>
        <source>Only %1 data sets were not analysed yet today: %2 are handed out again.</source>
        <extracomment>%1 the data sets not analysed yet, %2 those handed out again.</extracomment>
        <translation>Seuls %1 jeux de données n&apos;ont pas encore été analysés aujourd&apos;hui : %2 sont distribués une deuxième fois.</translation>
    </message>
    <message>
        <source>%1 data sets handed out.</source>
        <translation>%1 jeux de données distribués.</translation>
    </message>
    <message>
        <source>Teacher&apos;s guide</source>
        <extracomment>Button that opens the teacher&apos;s guide (HTML) in the web browser.</extracomment>
        <translation>Guide de l&apos;enseignant</translation>
    </message>
    <message>
        <source>The teacher&apos;s guide is not installed on this computer. It belongs in the folder %1. The program works without it.</source>
        <extracomment>%1 is a folder.</extracomment>
        <translation>Le guide de l&apos;enseignant n&apos;est pas installé sur cet ordinateur. Sa place est dans le dossier %1. Le programme fonctionne sans lui.</translation>
    </message>
    <message>
        <source>No program on this computer opens web pages. The teacher&apos;s guide is the file %1: open it with a web browser, or copy it to another computer.</source>
        <extracomment>%1 is the guide&apos;s HTML file.</extracomment>
        <translation>Aucun programme de cet ordinateur n&apos;ouvre les pages web. Le guide de l&apos;enseignant est le fichier %1 : ouvrez-le avec un navigateur web, ou copiez-le sur un autre ordinateur.</translation>
    </message>
</context>
<context>
    <name>SaveCanvas</name>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The file name is too long: %1 bytes, at most %2 fit. Nothing was saved; please type a shorter name.</source>
        <extracomment>%1 the bytes of the typed name, %2 the most that fit.</extracomment>
        <translation>Le nom de fichier est trop long : %1 octets, %2 au plus. Rien n&apos;a été enregistré ; tapez un nom plus court.</translation>
    </message>
    <message>
        <source>The directory %1 does not exist. Nothing was saved.</source>
        <translation>Le dossier %1 n&apos;existe pas. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>The directory %1 is not writable. Nothing was saved.</source>
        <translation>Le dossier %1 est protégé en écriture. Rien n&apos;a été enregistré.</translation>
    </message>
    <message>
        <source>Saved:</source>
        <extracomment>Heading of the list of files saved, one a line below it.</extracomment>
        <translation>Enregistrés :</translation>
    </message>
    <message>
        <source>Not saved (an earlier file of the same name is kept):</source>
        <extracomment>Heading of the list of files not saved, one a line below it.</extracomment>
        <translation>Non enregistrés (un fichier antérieur du même nom est conservé) :</translation>
    </message>
</context>
<context>
    <name>StudentFiles</name>
    <message>
        <source>The current folder cannot be written to. Your files are saved in %1</source>
        <translation>Le dossier courant est protégé en écriture. Vos fichiers sont enregistrés dans %1</translation>
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
