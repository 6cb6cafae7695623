#include "D0ExerciseMessages.h"

#include "Languages.h"

#include <QtGlobal>

D0ExerciseMessages D0ExerciseMessages::forLanguage(int number) {
    return forLanguage(vexel::Languages::installed().byNumber(number));
}

D0ExerciseMessages D0ExerciseMessages::forLanguage(const vexel::Language& l) {
    D0ExerciseMessages m;
    m.close = l.translated("D0Exercise", "Close");
    m.dismiss = l.translated("D0Exercise", "Dismiss");
    m.errorTitle = l.translated("D0Exercise", "Error");
    //: Shown in a message window 350 pixels wide.
    m.emptySignalRange = l.translated(
        "D0Exercise", "The signal range is empty:\nits upper edge must lie above its lower edge.");
    m.emptyDecayTimeRange = l.translated(
        "D0Exercise",
        "The decay-time range is empty:\nits upper edge must lie above its lower edge.");
    m.noSidebandBackground = l.translated(
        "D0Exercise", "The fitted background line gives no positive\nbackground in the "
                      "sidebands, so the background\nunder the peak cannot be scaled from "
                      "them.\nChange the signal range or fit the mass again.");
    m.nothingToFit = l.translated(
        "D0Exercise", "There is nothing to fit:\nno bin in the fit range holds candidates.");
    m.fitFailed =
        l.translated("D0Exercise", "The fit did not converge.\nChange the ranges and try again.");
    m.approximateErrors = l.translated(
        "D0Exercise", "Warning: the error matrix of the fit was not positive definite\nand was "
                      "forced to be; the errors shown are approximate.");
    m.fieldNotANumber =
        l.translated("D0Exercise", "The fit result and its error must be numbers\n(for example "
                                   "0.4101 or 0,4101). Nothing was saved.");
    //: %1 is the file, on a line of its own. Keep the line breaks.
    m.resultsNotSaved = l.translated(
        "D0Exercise", "Your results could not be written to\n%1\nThey are kept in the program; "
                      "check the output directory\nand save again.");
    //: %1 the file; %2, on the next line, why it cannot be opened. Keep the line breaks.
    m.cannotOpenFile = l.translated("D0Exercise", "Cannot open file %1\n%2");
    m.fileMissing = l.translated("D0Exercise", "The file does not exist.");
    m.fileUnreadable = l.translated("D0Exercise", "The file cannot be read (no permission?).");
    m.fileNotRoot = l.translated("D0Exercise", "The file is not a ROOT file, or it is damaged.");
    m.fileDamaged = l.translated("D0Exercise", "The file is damaged or cut short.");
    m.noCandidateTree = l.translated("D0Exercise", "The file holds no tree \"DecayTree\".");
    m.candidateTreeNotATree =
        l.translated("D0Exercise", "\"DecayTree\" in the file is not a tree.");
    m.missingBranch = l.translated("D0Exercise", "The tree \"DecayTree\" has no branch \"%1\".");
    m.badBranch = l.translated(
        "D0Exercise", "The branches of \"DecayTree\" do not hold one number per candidate.");
    m.plotMassFirst =
        l.translated("D0Exercise",
                     "You must plot the invariant mass\ndistribution before attempting to fit it.");
    m.plotDistributionsFirst =
        l.translated("D0Exercise", "You must plot the variable distributions\nbefore "
                                   "attempting to fit the signal lifetime.");
    m.instructionsTitle = l.translated("D0Exercise", "INSTRUCTIONS");
    m.infoTitle = l.translated("D0Exercise", "Vexel Experiment");
    m.plotTitle = l.translated("D0Exercise", "Plot");
    m.windowTitle = l.translated("D0Exercise", "Vexel Lumora : D0 lifetime analysis");
    m.massTab = l.translated("D0Exercise", "Invariant Mass Distribution");
    m.trendTab = l.translated("D0Exercise", "Lifetime trend");
    m.fitTab = l.translated("D0Exercise", "Lifetime fit");
    //: Slider of the D0's transverse momentum.
    m.ptSlider = l.translated("D0Exercise", "D0 PT :");
    //: Slider of the D0's decay time.
    m.tauSlider = l.translated("D0Exercise", "D0 TAU :");
    //: Slider of the logarithm of the D0's impact parameter.
    m.ipSlider = l.translated("D0Exercise", "D0 IP :");
    //: Slider of the mass range of the background fit.
    m.bkgSlider = l.translated("D0Exercise", "Bkg range:");
    //: Slider of the signal's mass range.
    m.sigSlider = l.translated("D0Exercise", "Sig range:");
    m.fitResult = l.translated("D0Exercise", "Fit Result");
    m.fitError = l.translated("D0Exercise", "Fit Error");
    m.trendMaxIP = l.translated("D0Exercise", "Trend vs. max IP");
    //: Under the mass fit: the number of candidates in the fit range.
    m.plotTotal = l.translated("D0Exercise", "Total: %1");
    //: Under the mass fit: the background candidates under the peak.
    m.plotBackground = l.translated("D0Exercise", "Background: %1");
    m.plotSignal = l.translated("D0Exercise", "Signal: %1");
    //: Under the mass fit: the fitted mean with its error.
    m.plotMean = l.translated("D0Exercise", "Mean: %1");
    //: Over the lifetime fit: the fitted lifetime with its error. ^{0} raises the 0.
    m.plotLifetime = l.translated("D0Exercise", "D^{0} lifetime %1 (ps)");
    //: Legend of the distributions.
    m.legendBackground = l.translated("D0Exercise", "Background");
    //: Legend of the distributions.
    m.legendSignal = l.translated("D0Exercise", "Signal");
    return m;
}

// The axis titles of the analysis's plots (analysis/D0Analysis.cpp, VariableDistributions.cpp,
// TrendAxis.cpp), for the catalogues; "^{...}" raises and "_{...}" lowers the text in braces.
const char* const kAxisTitles[] = {QT_TRANSLATE_NOOP("D0Plots", "D^{0} Invariant Mass (MeV/c^{2})"),
                                   QT_TRANSLATE_NOOP("D0Plots", "D^{0} Candidates/(0.5 MeV)"),
                                   QT_TRANSLATE_NOOP("D0Plots", "D^{0} Candidate Fraction"),
                                   QT_TRANSLATE_NOOP("D0Plots", "D^{0} P_{T} (GeV/c^{2})"),
                                   QT_TRANSLATE_NOOP("D0Plots", "D^{0} decay time (ps)"),
                                   QT_TRANSLATE_NOOP("D0Plots", "log_{10}(D^{0} IP)"),
                                   QT_TRANSLATE_NOOP("D0Plots", "Fitted D^{0} lifetime (ps)"),
                                   QT_TRANSLATE_NOOP("D0Plots", "D^{0} PT (GeV)"),
                                   QT_TRANSLATE_NOOP("D0Plots", "log_{10}( D^{0} IP [mm] )")};

QString D0ExerciseMessages::axisTitle(const vexel::Language& language, const QString& title) {
    return language.translated("D0Plots", title.toUtf8().constData());
}
