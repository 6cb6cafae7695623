#include "D0ExerciseTexts.h"

#include "analysis/AnalysisMessages.h"

namespace D0ExerciseAddresses {
const char* const kPublicPages = "https://www.vexel-experiment.org";
const char* const kCollaborationPages = "https://collaboration.vexel-experiment.org";
const char* const kParticleData = "https://pdg.lbl.gov";
} // namespace D0ExerciseAddresses

D0ExerciseTexts D0ExerciseTexts::english() {
    D0ExerciseTexts t;
    t.var_ranges = QString::fromUtf8("Variable ranges");
    t.an_tools = QString::fromUtf8("Analysis tools");
    t.tools = QString::fromUtf8("Tools");
    t.bg_sub = QString::fromUtf8("Background subtraction");
    t.t_fit = QString::fromUtf8("Time fit");
    t.save_res = QString::fromUtf8("Save results");
    t.plt_mass = QString::fromUtf8("Plot D0 mass");
    t.plt_distr = QString::fromUtf8("Plot distributions");
    t.fit_sign = QString::fromUtf8("Fit signal decay time");
    t.f_name = QString::fromUtf8("Filename");
    t.s_exit = QString::fromUtf8("Exit");
    t.reset_exe = QString::fromUtf8("Reset Exercise");
    t.read_inst = QString::fromUtf8("Read Instructions");
    t.sv_canv = QString::fromUtf8("Save Canvas");
    t.cl_trend = QString::fromUtf8("Clear Trend");
    t.pl_trend = QString::fromUtf8("Plot trend");
    t.sv_res_fit = QString::fromUtf8("Save result and fit");
    t.fit_mass_dis = QString::fromUtf8("Fit mass distribution");
    // The analysis's own English messages.
    t.i1 = QString::fromUtf8(analysis::AnalysisMessages::kSignalRangeFillsMassRange);
    t.i2 = QString::fromUtf8(analysis::AnalysisMessages::kSaveResultBeforeTrend);
    t.i3 = QString::fromUtf8(analysis::AnalysisMessages::kFitLifetimeBeforeSaving);
    t.i4 = QString::fromUtf8(analysis::AnalysisMessages::kBothCutEdgesVarying);
    t.i5 = QString::fromUtf8(analysis::AnalysisMessages::kFitMassBeforeDistributions);
    t.i6 = QString::fromUtf8(
               "For more details on the Vexel experiment, \nplease visit the Vexel pages at: \n") +
           D0ExerciseAddresses::kPublicPages + QString::fromUtf8(" \n and \n ") +
           D0ExerciseAddresses::kCollaborationPages + QString::fromUtf8("");
    return t;
}

D0ExerciseTexts D0ExerciseTexts::french() {
    D0ExerciseTexts t;
    t.var_ranges = QString::fromUtf8("Intrevalles des variables");
    t.an_tools = QString::fromUtf8("Outils d'analyses");
    t.tools = QString::fromUtf8("Outils");
    t.bg_sub = QString::fromUtf8("Soustraction du bruit de fond");
    t.t_fit = QString::fromUtf8("Ajustement du temps");
    t.save_res = QString::fromUtf8("Sauvegarde des resultats");
    t.plt_mass = QString::fromUtf8("Tracer la masse du D0");
    t.plt_distr = QString::fromUtf8("Tracer les distributions");
    t.fit_sign = QString::fromUtf8("Ajust. le tps de desint. du sig.");
    t.f_name = QString::fromUtf8("Nom du fichier");
    t.s_exit = QString::fromUtf8("Quitter");
    t.reset_exe = QString::fromUtf8("Redemarrer l'exercice");
    t.read_inst = QString::fromUtf8("Lire les instructions");
    t.sv_canv = QString::fromUtf8("Enregistrer le canevas");
    t.cl_trend = QString::fromUtf8("Effacer");
    t.pl_trend = QString::fromUtf8("Trac. la tend.");
    t.sv_res_fit = QString::fromUtf8("Enregistrer et ajuster");
    t.fit_mass_dis = QString::fromUtf8("Ajuster la distribution de masse");
    t.i1 =
        QString::fromUtf8("Le domaine de masse pour le signal doit etre different du domaine de "
                          "masse total.\nLe domaine de masse pour le bruit de fond doit toujours "
                          "contenir au moins une region en\ndehors du domaine de masse du signal "
                          "afin d'avoir des evenements de pur bruit de fond 'a soustraire.\n");
    t.i2 = QString::fromUtf8("Vous devez sauvez au moins un des resultats de l'ajustement du temps "
                             "de vie avant d'afficher la tendance.");
    t.i3 = QString::fromUtf8("Vous devez ajuster la distribution du temps de vie avant d'essayer "
                             "d'enregistrer les resultats de l'ajustement.");
    t.i4 =
        QString::fromUtf8("ATTENTION: les coupures maximales et minimales changent en meme temps");
    t.i5 = QString::fromUtf8(
        "La distribution en masse doit etre ajustee avant d'afficher les distributions des "
        "variables.\nL'ajustement de la distribution en masse permet d'evaluer le nombre "
        "d'evenement de bruit de fond sous\n le signal. Cela permet de savoir combien d'evenements "
        "de bruit de fond il \nfaut soustraire de la region du signal pour obtenir la distribution "
        "du signal.\n");
    t.i6 =
        QString::fromUtf8(
            "Pour plus de details sur l'experience Vexel, vous pouvez vous rendre sur le site:\n") +
        D0ExerciseAddresses::kPublicPages + QString::fromUtf8(" et ") +
        D0ExerciseAddresses::kCollaborationPages + QString::fromUtf8(" \n");
    return t;
}

D0ExerciseTexts D0ExerciseTexts::german() {
    D0ExerciseTexts t;
    t.var_ranges = QString::fromUtf8("Variablen-Intervall");
    t.an_tools = QString::fromUtf8("Analyse-Werkzeuge");
    t.tools = QString::fromUtf8("Werkzeuge");
    t.bg_sub = QString::fromUtf8("Untergrund-Subtraktion");
    t.t_fit = QString::fromUtf8("Lebenszeit-Fit");
    t.save_res = QString::fromUtf8("Ergebnisse speichern");
    t.plt_mass = QString::fromUtf8("D0-Masse plotten");
    t.plt_distr = QString::fromUtf8("Verteilungen plotten");
    t.fit_sign = QString::fromUtf8(" Signal Zerfallszeit fitten ");
    t.f_name = QString::fromUtf8("Dateiname");
    t.s_exit = QString::fromUtf8("Beenden");
    t.reset_exe = QString::fromUtf8("Aufgaben zuruecksetzen");
    t.read_inst = QString::fromUtf8("Anleitungen lesen");
    t.sv_canv = QString::fromUtf8("Plot speichern");
    t.cl_trend = QString::fromUtf8("Trend entfernen");
    t.pl_trend = QString::fromUtf8("Trend zeichnen");
    t.sv_res_fit = QString::fromUtf8(" Fit-Ergebnis speichern");
    t.fit_mass_dis = QString::fromUtf8("Massen-Verteilung fitten");
    t.i1 =
        QString::fromUtf8("Du kannst das Signal-Interval nicht gleich dem gesamten "
                          "Massen-Intervall setzen.\nDas Untergrund-Intervall muss immer einen "
                          "Bereich enthalten, der nicht im Signal-Interval liegt.\nNur so bekommst "
                          "du einige reine Untergrund-Ereignisse die du subtrahieren kannst.\n");
    t.i2 = QString::fromUtf8("Du musst mindestens ein Fit-Ergebnis speichern\n befor du einen "
                             "Trend plotten einzeichnen kannst.");
    t.i3 = QString::fromUtf8(
        "Du musst die Lebenszeit zunaechst fitten bevor \n du die Ergebnisse speichern kannst.");
    t.i4 =
        QString::fromUtf8("WARNUNG: Der Maximum-  und Minimum-Schnitt sind beide veraenderlich.");
    t.i5 = QString::fromUtf8(
        "Du musst die Massen-Verteilung zunaechst fitten bevor du die Variablen-Verteilungen "
        "plottest.\nDer Massen-Fit erlaubt dir die Anzahl der Untergrund-Ereignisse unter dem "
        "Signal-Peak zu bestimmen.\nJetzt weisst du wieviele Untergrund-Ereignisse du im "
        "Signal-Intervall abziehen musst, um die Signal-Verteilung zu erhalten.\n");
    t.i6 = QString::fromUtf8("Fuer mehr Informationen ueber das Vexel-Experiment,\n besuche die "
                             "Vexel Webseiten:\n") +
           D0ExerciseAddresses::kPublicPages + QString::fromUtf8(" und ") +
           D0ExerciseAddresses::kCollaborationPages + QString::fromUtf8("");
    return t;
}

D0ExerciseTexts D0ExerciseTexts::italian() {
    D0ExerciseTexts t;
    t.var_ranges = QString::fromUtf8("Intervalli delle variabili");
    t.an_tools = QString::fromUtf8("Strumenti di analisi");
    t.tools = QString::fromUtf8("Strumenti");
    t.bg_sub = QString::fromUtf8("Sottrazione del fondo");
    t.t_fit = QString::fromUtf8("Fit vita media");
    t.save_res = QString::fromUtf8("Salva risultati");
    t.plt_mass = QString::fromUtf8("Grafico massa D0");
    t.plt_distr = QString::fromUtf8("Grafici distribuzioni");
    t.fit_sign = QString::fromUtf8("Fit tempo decadimento");
    t.f_name = QString::fromUtf8("Nome del file");
    t.s_exit = QString::fromUtf8("Esci");
    t.reset_exe = QString::fromUtf8("Azzera esercizio");
    t.read_inst = QString::fromUtf8("Istruzioni");
    t.sv_canv = QString::fromUtf8("Salva finestra");
    t.cl_trend = QString::fromUtf8("Azzera grafico");
    t.pl_trend = QString::fromUtf8("Grafico");
    t.sv_res_fit = QString::fromUtf8("Salva risultati fit");
    t.fit_mass_dis = QString::fromUtf8("Fit distribuzione massa");
    t.i1 = QString::fromUtf8(
        "Non e' possibile che l'intervallo del segnale sia uguale a tutto l'intervallo di massa. "
        "L'intervallo del fondo deve sempre comprendere una parte al di fuori dell'intervallo del "
        "segnale, in modo da avere degli eventi di solo fondo da sottrarre.");
    t.i2 = QString::fromUtf8("E' necessario salvare almeno un risultato del fit di vita media "
                             "prima di fare il plot dell'andamento.");
    t.i3 = QString::fromUtf8("E' necessario fare il fit della distribuzione della vita media prima "
                             "di salvare il risultato.");
    t.i4 = QString::fromUtf8("ATTENZIONE: Variano sia il valore minimo che il valore massimo");
    t.i5 = QString::fromUtf8(
        "E' necessario fare il fit della distribuzione di massa prima di fare i grafici delle "
        "distribuzioni delle variabili. Il fit della distribuzione di massa permette di misurare "
        "il numero di eventi di fondo presenti sotto il picco del segnale;  permette quindi di "
        "sapere quanti eventi di fondo bisogna sottrarre dalla regione di segnale per avere le "
        "distribuzioni delle variabili dei soli eventi di segnale.");
    t.i6 =
        QString::fromUtf8("Potete trovare maggiori dettagli sull'esperimento Vexel alla pagina: ") +
        D0ExerciseAddresses::kPublicPages + QString::fromUtf8(" and ") +
        D0ExerciseAddresses::kCollaborationPages + QString::fromUtf8("");
    return t;
}

D0ExerciseTexts D0ExerciseTexts::romanian() {
    D0ExerciseTexts t;
    t.var_ranges = QString::fromUtf8("Domenii variabile");
    t.an_tools = QString::fromUtf8("Instrumente analiza");
    t.tools = QString::fromUtf8("Instrumente");
    t.bg_sub = QString::fromUtf8("Eliminare fond");
    t.t_fit = QString::fromUtf8("Fit timp de viata");
    t.save_res = QString::fromUtf8("Salvare rezultate");
    t.plt_mass = QString::fromUtf8("Afiseaza masa D0");
    t.plt_distr = QString::fromUtf8("Afiseaza distributii");
    t.fit_sign = QString::fromUtf8("Fit timp viata semnal");
    t.f_name = QString::fromUtf8("Nume fisier");
    t.s_exit = QString::fromUtf8("Iesire");
    t.reset_exe = QString::fromUtf8("Resetare exercitiu");
    t.read_inst = QString::fromUtf8("Citeste instructiuni");
    t.sv_canv = QString::fromUtf8("Salveaza grafice");
    t.cl_trend = QString::fromUtf8("Reset tendinta");
    t.pl_trend = QString::fromUtf8("Afiseaza tendinta");
    t.sv_res_fit = QString::fromUtf8("Salvare rezultat si fit");
    t.fit_mass_dis = QString::fromUtf8("Fit distributie masa");
    t.i1 = QString::fromUtf8(
        "Nu puteti stabili un domeniu de semnal\n egal cu intregul spectru de masa. \nDomeniul "
        "evenimentelor de fond trebuie\n sa cuprinda si cel putin o zona care \nnu face parte din "
        "domeniul de semnal, \nastfel incat sa existe evenimente exclusiv \nde fond ce pot fi "
        "extrase din zona\n de semnal. \n");
    t.i2 = QString::fromUtf8("Trebuie sa salvati cel putin un rezultat al fit-ului \n timpului de "
                             "viata, inainte de a face afisa tendinta masuratorii.");
    t.i3 = QString::fromUtf8("Trebuie sa fitati distributia timpului de viata inainte \n de a "
                             "incerca sa salvati rezultatele acestui fit.");
    t.i4 =
        QString::fromUtf8("ATENTIE: Si maximul si minimul domeniului de selectie pot fi variate.");
    t.i5 = QString::fromUtf8(
        "Trebuie sa fitati distributia de masa inainte\n de reprezentarea grafica a distributiilor "
        "\nvariabilelor. Fit-ul distributiei de masa va\n permite sa masurati numarul de "
        "evenimente \nde fond aflate sub varful (peak-ul) de semnal.\n Aceasta inseamna ca veti "
        "stii cate \nevenimente de semnal sa extrageti din \n regiunea de semnal pentru a obtine "
        "\ndistributiile variabilelor pentru semnal. \n");
    t.i6 = QString::fromUtf8("Pentru mai multe detalii despre experimentul Vexel, \nva rugam sa "
                             "vizitati pagina web la adresa: ") +
           D0ExerciseAddresses::kPublicPages + QString::fromUtf8(" and ") +
           D0ExerciseAddresses::kCollaborationPages + QString::fromUtf8(" ");
    return t;
}

D0ExerciseTexts D0ExerciseTexts::forLanguage(int lang) {
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
