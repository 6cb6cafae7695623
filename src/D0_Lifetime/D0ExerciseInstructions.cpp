#include "D0ExerciseTexts.h"

namespace {

QString englishInstructions() {
    const QString pdg = D0ExerciseAddresses::kParticleData;
    QString text;
    text += "Welcome to the Vexel lumora exercise on measuring the lifetime of the D0 meson. \n";
    text += "The goal of this exercise is to measure the lifetime of the D0 meson, a fundamental\n";
    text += "particle made of a charm quark and an up anti-quark. In order to do so, you will\n";
    text += "first learn how to separate signal D0 mesons from backgrounds. Finally, you will\n";
    text += QString("compare your results to the values found by the Particle Data Group (") + pdg +
            ").\n";
    text += "Step-by-step instructions :\n";
    text += "1. Plot the D0 mass distribution. The mass of the D0 is a fundamendal variable\n";
    text += "which separates signal (the peaking structure in the middle) from the flat\n";
    text += "background.\n";
    text += "2. Read the results of the fit and use them to determine the signal range. The\n";
    text += "function being fitted to the signal is a Gaussian, whose width, indicated by\n";
    text += "the greek letter sigma, is related to how far the signal extends from the mean\n";
    text += "(or most probable) value. In particular, an interval of +-1 sigma around the mean\n";
    text += "value contains 68% of the signal, while +-3 sigma contains 99.7% of the signal.\n";
    text += "Use the slider to set the signal range to be +-3 sigma around the mean value.\n";
    text += "3. Plot the variable distributions. You will see three further plots appearing, and\n";
    text +=
        "in each one the blue points represent the distribution of the signal in that variable\n";
    text += "while the red points represent the distribution of the background. The plot is "
            "logarithmic\n";
    text +=
        "in the Y axis, and each point represents the fraction of the total signal in that bin.\n";
    text +=
        "Which regions of each variable contain mostly signal? Which contain mostly background?\n";
    text += "4. Fit the lifetime distribution. Save the results\n";
    text += "of your fit and compare them to the PDG value. Do they agree?\n";
    text += "5. Repeat step 4 but now varying the upper D0 log(IP) variable range\n";
    text += "from 1.5 to -2 in steps of 0.2. Do you notice a pattern?\n";
    text += "6. Talk to a demonstrator about your results. Does the D0 lifetime with an log(IP) "
            "cut of\n";
    text +=
        "-1.5 agree better or worse with the PDG than the lifetime with an log(IP) cut of 1.5?\n";
    return text;
}

QString frenchInstructions() {
    const QString pdg = D0ExerciseAddresses::kParticleData;
    QString text;
    text += "Bienvenue dans l'exercice de lumora Vexel sur la mesure du temps de vie \n";
    text += "du meson D0.\n";
    text += "\n";
    text += "Le but de cet exercice est de mesurer le temps de vie du meson D0, une particule\n";
    text += "fondamentale composee d'un quark charme et d'un anti-quark up. Pour cela, vous\n";
    text += "apprendrez d'abord a separer les mesons D0 du signal des bruits de fond. Enfin,\n";
    text += QString("vous comparerez vos resultats aux valeurs du Particle Data Group (") + pdg +
            ").\n";
    text += "\n";
    text += "Instructions pas a pas :\n";
    text += "\n";
    text += "1. Tracez la distribution de masse du D0. La masse du D0 est une variable\n";
    text += "fondamentale qui separe le signal (la structure en pic au milieu) du bruit\n";
    text += "de fond plat.\n";
    text += "\n";
    text += "2. Lisez les resultats de l'ajustement et utilisez-les pour determiner le domaine\n";
    text += "du signal. La fonction ajustee au signal est une gaussienne, dont la largeur,\n";
    text += "indiquee par la lettre grecque sigma, indique jusqu'ou le signal s'etend autour\n";
    text += "de la valeur moyenne (ou la plus probable). En particulier, un intervalle de\n";
    text += "+-1 sigma autour de la moyenne contient 68% du signal, et +-3 sigma en contient\n";
    text += "99.7%. Utilisez le curseur pour fixer le domaine du signal a +-3 sigma autour\n";
    text += "de la valeur moyenne.\n";
    text += "\n";
    text += "3. Tracez les distributions des variables. Trois autres graphiques apparaissent ;\n";
    text += "dans chacun, les points bleus representent la distribution du signal pour cette\n";
    text += "variable et les points rouges celle du bruit de fond. L'axe Y est logarithmique\n";
    text += "et chaque point represente la fraction du signal total dans cet intervalle.\n";
    text += "Quelles regions de chaque variable contiennent surtout du signal ? Lesquelles\n";
    text += "contiennent surtout du bruit de fond ?\n";
    text += "\n";
    text += "4. Ajustez la distribution du temps de vie. Enregistrez les resultats de votre\n";
    text += "ajustement et comparez-les a la valeur du PDG. Sont-ils en accord ?\n";
    text += "\n";
    text += "5. Repetez l'etape 4 en faisant varier la borne superieure de la variable\n";
    text += "log(IP) du D0 de 1.5 a -2 par pas de 0.2. Remarquez-vous une tendance ?\n";
    text += "\n";
    text += "6. Discutez de vos resultats avec un encadrant. Le temps de vie du D0 avec une\n";
    text += "coupure log(IP) a -1.5 est-il plus ou moins en accord avec le PDG que le temps\n";
    text += "de vie avec une coupure log(IP) a 1.5 ?\n";
    text += "\n";
    text += "Bon travail !\n";
    text += "\n";
    return text;
}

QString germanInstructions() {
    const QString pdg = D0ExerciseAddresses::kParticleData;
    QString text;
    text += "Herzlich Willkommen bei den Vexel-Lumoraes Uebungen zur Messung\n";
    text += "der Lebensdauer des D0-Mesons.\n";
    text += "\n";
    text += "Ziel dieser Uebung ist es, die Lebensdauer des D0-Mesons zu messen, eines\n";
    text += "fundamentalen Teilchens aus einem Charm-Quark und einem Anti-Up-Quark. Dazu\n";
    text += "lernst du zuerst, Signal-D0-Mesonen vom Untergrund zu trennen. Zum Schluss\n";
    text += "vergleichst du deine Ergebnisse mit den Werten der Particle Data Group\n";
    text += QString("(") + pdg + ").\n";
    text += "\n";
    text += "Schritt-fuer-Schritt-Anleitung:\n";
    text += "\n";
    text += "1. Plotte die D0-Massenverteilung. Die Masse des D0 ist eine grundlegende\n";
    text += "Variable, die das Signal (die Spitze in der Mitte) vom flachen Untergrund\n";
    text += "trennt.\n";
    text += "\n";
    text += "2. Lies die Ergebnisse des Fits ab und bestimme damit das Signal-Intervall.\n";
    text += "Die an das Signal angepasste Funktion ist eine Gauss-Funktion, deren Breite\n";
    text += "(der griechische Buchstabe Sigma) angibt, wie weit sich das Signal um den\n";
    text += "Mittelwert (den wahrscheinlichsten Wert) erstreckt. Ein Intervall von +-1 Sigma\n";
    text += "um den Mittelwert enthaelt 68% des Signals, +-3 Sigma enthalten 99.7%.\n";
    text += "Stelle das Signal-Intervall mit dem Schieberegler auf +-3 Sigma um den\n";
    text += "Mittelwert ein.\n";
    text += "\n";
    text += "3. Plotte die Variablen-Verteilungen. Es erscheinen drei weitere Plots; in\n";
    text += "jedem zeigen die blauen Punkte die Verteilung des Signals in dieser Variablen\n";
    text += "und die roten Punkte die Verteilung des Untergrunds. Die Y-Achse ist\n";
    text += "logarithmisch, und jeder Punkt gibt den Anteil am gesamten Signal in diesem\n";
    text += "Intervall an. Welche Bereiche jeder Variablen enthalten vor allem Signal?\n";
    text += "Welche vor allem Untergrund?\n";
    text += "\n";
    text += "4. Fitte die Lebensdauer-Verteilung. Speichere die Ergebnisse deines Fits und\n";
    text += "vergleiche sie mit dem PDG-Wert. Stimmen sie ueberein?\n";
    text += "\n";
    text += "5. Wiederhole Schritt 4 und veraendere dabei die obere Grenze der Variablen\n";
    text += "log(IP) des D0 von 1.5 bis -2 in Schritten von 0.2. Erkennst du ein Muster?\n";
    text += "\n";
    text += "6. Sprich mit einer Betreuerin oder einem Betreuer ueber deine Ergebnisse.\n";
    text += "Stimmt die D0-Lebensdauer mit einem log(IP)-Schnitt von -1.5 besser oder\n";
    text += "schlechter mit dem PDG-Wert ueberein als die mit einem Schnitt von 1.5?\n";
    text += "\n";
    text += "Viel Erfolg!\n";
    return text;
}

QString italianInstructions() {
    const QString pdg = D0ExerciseAddresses::kParticleData;
    QString text;
    text += "Benvenuto nell'esercizio di Vexel per le lumora: la misura della vita media della\n";
    text += "particella D0.\n";
    text +=
        "Lo scopo di questo esercizio e' misurare la vita media del mesone D0, una particella\n";
    text += "fondamentale formata da un quark charm e da un anti-quark up. Per farlo imparerai\n";
    text += "prima a separare i mesoni D0 di segnale dal fondo. Infine confronterai i tuoi\n";
    text += QString("risultati con i valori del Particle Data Group (") + pdg + ").\n";
    text += "Istruzioni passo per passo:\n";
    text += "1. Fai il grafico della distribuzione di massa del D0. La massa del D0 e' una\n";
    text += "variabile fondamentale che separa il segnale (il picco al centro) dal fondo piatto.\n";
    text += "2. Leggi i risultati del fit e usali per stabilire l'intervallo del segnale. La\n";
    text += "funzione adattata al segnale e' una gaussiana, la cui larghezza, indicata dalla\n";
    text += "lettera greca sigma, dice quanto il segnale si estende attorno al valore medio\n";
    text += "(o piu' probabile). Un intervallo di +-1 sigma attorno alla media contiene il 68%\n";
    text += "del segnale, mentre +-3 sigma ne contengono il 99.7%. Usa il cursore per porre\n";
    text += "l'intervallo del segnale a +-3 sigma attorno al valore medio.\n";
    text += "3. Fai i grafici delle distribuzioni delle variabili. Compariranno altri tre\n";
    text += "grafici: in ognuno i punti blu rappresentano la distribuzione del segnale in quella\n";
    text += "variabile e i punti rossi quella del fondo. L'asse Y e' logaritmico e ogni punto\n";
    text += "rappresenta la frazione del segnale totale in quell'intervallo. Quali regioni di\n";
    text += "ogni variabile contengono soprattutto segnale? Quali soprattutto fondo?\n";
    text += "4. Fai il fit della distribuzione della vita media. Salva i risultati del fit e\n";
    text += "confrontali con il valore del PDG. Sono in accordo?\n";
    text += "5. Ripeti il passo 4 variando il limite superiore della variabile log(IP) del D0\n";
    text += "da 1.5 a -2 a passi di 0.2. Noti un andamento?\n";
    text += "6. Parla dei tuoi risultati con un tutore. La vita media del D0 con un taglio\n";
    text += "log(IP) a -1.5 e' in accordo migliore o peggiore con il PDG rispetto a quella\n";
    text += "con un taglio log(IP) a 1.5?\n";
    text += "\n";
    text += "Buon lavoro!\n";
    text += "\n";
    return text;
}

QString romanianInstructions() {
    const QString pdg = D0ExerciseAddresses::kParticleData;
    QString text;
    text += "Bine ati venit la exercitiul de masurare a timpului de viata a mezonului \n";
    text += "D0 din lumora Vexel.\n";
    text += "\n";
    text += "Scopul acestui exercitiu este masurarea timpului de viata al mezonului D0, o\n";
    text += "particula fundamentala formata dintr-un quark charm si un anti-quark up.\n";
    text += "Pentru aceasta, veti invata mai intai sa separati mezonii D0 de semnal de\n";
    text += "evenimentele de fond. La final, veti compara rezultatele voastre cu valorile\n";
    text += QString("gasite de Particle Data Group (") + pdg + ").\n";
    text += "\n";
    text += "Instructiuni pas cu pas:\n";
    text += "\n";
    text += "1. Afisati distributia de masa a D0. Masa D0 este o variabila fundamentala\n";
    text += "care separa semnalul (structura cu varf din mijloc) de fondul plat.\n";
    text += "\n";
    text += "2. Cititi rezultatele fit-ului si folositi-le pentru a stabili domeniul de\n";
    text += "semnal. Functia fitata pe semnal este o gaussiana, a carei latime, notata cu\n";
    text += "litera greceasca sigma, arata cat de departe se intinde semnalul in jurul\n";
    text += "valorii medii (sau celei mai probabile). Un interval de +-1 sigma in jurul\n";
    text += "mediei contine 68% din semnal, iar +-3 sigma contin 99.7% din semnal.\n";
    text += "Folositi cursorul pentru a stabili domeniul de semnal la +-3 sigma in jurul\n";
    text += "valorii medii.\n";
    text += "\n";
    text += "3. Afisati distributiile variabilelor. Vor aparea inca trei grafice; in\n";
    text += "fiecare, punctele albastre reprezinta distributia semnalului in acea variabila,\n";
    text += "iar punctele rosii distributia fondului. Axa Y este logaritmica, iar fiecare\n";
    text += "punct reprezinta fractiunea din semnalul total aflata in acel interval.\n";
    text += "Ce regiuni ale fiecarei variabile contin mai ales semnal? Care contin mai ales\n";
    text += "fond?\n";
    text += "\n";
    text += "4. Fitati distributia timpului de viata. Salvati rezultatele fit-ului si\n";
    text += "comparati-le cu valoarea PDG. Sunt in acord?\n";
    text += "\n";
    text += "5. Repetati pasul 4, variind acum limita superioara a variabilei log(IP) a\n";
    text += "D0 de la 1.5 la -2 in pasi de 0.2. Observati o tendinta?\n";
    text += "\n";
    text += "6. Discutati rezultatele cu un indrumator. Este timpul de viata al D0 cu o\n";
    text += "selectie log(IP) la -1.5 in acord mai bun sau mai slab cu valoarea PDG decat\n";
    text += "timpul de viata cu o selectie log(IP) la 1.5?\n";
    text += "\n";
    text += "Succes!\n";
    text += "\n";
    text += "\n";
    text += "\n";
    return text;
}

} // namespace

QString D0ExerciseTexts::instructions(int lang) {
    switch (lang) {
    case 2:
        return frenchInstructions();
    case 3:
        return germanInstructions();
    case 4:
        return italianInstructions();
    case 5:
        return romanianInstructions();
    default:
        return englishInstructions();
    }
}
