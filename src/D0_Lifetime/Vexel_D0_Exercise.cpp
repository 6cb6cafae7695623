#include "Vexel_D0_Exercise.h"

#include "Browser.h"
#include "Canvas.h"
#include "CanvasSaveMessages.h"
#include "CanvasSavePlan.h"
#include "D0ExerciseDrawing.h"
#include "D0WindowGeometry.h"
#include "DataFiles.h"
#include "Messages.h"
#include "RangeSlider.h"
#include "StudentFilesFolder.h"
#include "analysis/CandidateFileLoader.h"
#include "analysis/ExerciseRanges.h"
#include "analysis/LifetimeResultsFile.h"
#include "rootio/Error.h"
#include "studentfiles/StudentFileName.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QTabWidget>
#include <cmath>
#include <iostream>
#include <utility>

// The D0 exercise's wiring: the controls' values go to analysis::D0Analysis, its results to
// the canvases and the result fields. The layout, the canvas tabs and the texts are in the
// D0Exercise* files beside this one.

TVSDReader* gVSDReader = nullptr;

TVSDReader::TVSDReader(const char* file_name)
    : lang1(0), combination(0), fPTRangeMin(analysis::ExerciseRanges::transverseMomentum.min),
      fPTRangeMax(analysis::ExerciseRanges::transverseMomentum.max),
      fTAURangeMin(analysis::ExerciseRanges::decayTime.min),
      fTAURangeMax(analysis::ExerciseRanges::decayTime.max),
      fIPRangeMin(analysis::ExerciseRanges::logImpactParameter.min),
      fIPRangeMax(analysis::ExerciseRanges::logImpactParameter.max),
      fileName_(file_name ? file_name : "") {
    LoadD0Ntuple(fileName_.c_str());
    SetD0NtupleBranches();
}

TVSDReader::~TVSDReader() {
    // At the program's end the window goes with the event loop (see browser()).
    if (window_ && !QCoreApplication::closingDown()) {
        window_->removeEventFilter(this);
        delete window_;
    }
}

void TVSDReader::LoadD0Ntuple(const char* file_name) {
    try {
        columns_ = analysis::CandidateFileLoader::load(file_name);
    } catch (const analysis::CandidateFileError& e) {
        // Missing, unreadable, or without the candidate tree: the exercise cannot run.
        std::cerr << e.what() << std::endl;
        throw MissingDataFile(file_name, e.problem(), e.branch());
    }
}

void TVSDReader::SetD0NtupleBranches() {
    fAnalysis = std::make_unique<analysis::D0Analysis>(std::move(columns_));
    columns_ = analysis::CandidateColumns();
}

void TVSDReader::setLang1(int lang) {
    lang1 = lang;
}

analysis::CandidateCuts TVSDReader::currentCuts() const {
    analysis::CandidateCuts cuts;
    cuts.pt = {fD0PTCut->GetMin(), fD0PTCut->GetMax()};
    cuts.tau = {fD0TAUCut->GetMin(), fD0TAUCut->GetMax()};
    cuts.logIP = {fD0IPCut->GetMin(), fD0IPCut->GetMax()};
    return cuts;
}

analysis::MassWindows TVSDReader::currentWindows() const {
    analysis::MassWindows windows;
    windows.signal = {fFitRangeGaus->GetMin(), fFitRangeGaus->GetMax()};
    windows.background = {fFitRangePoly->GetMin(), fFitRangePoly->GetMax()};
    return windows;
}

double TVSDReader::fieldValue(const QLineEdit* field) {
    double value = std::nan("");
    if (field)
        vexel::parseTypedNumber(field->text(), value);
    return value;
}

void TVSDReader::setFieldValue(QLineEdit* field, double value) {
    if (field)
        field->setText(QString::number(value, 'f', 4).replace('.', language().decimalSign()));
}

double TVSDReader::Background_Integral(double xmin, double xmax) {
    return fAnalysis->backgroundIntegral(xmin, xmax);
}

void TVSDReader::ToStudent() {
    AutomaticMenu();
}

void TVSDReader::DeleteHistograms() {
    fAnalysis->deleteHistograms();
}

void TVSDReader::ResetExercise() {
    // A canvas whose tab was closed is gone: treat it as never made.
    QTabWidget* right = browser()->tabs(vexel::Browser::Right);
    if (fPad && OpenTab(right, messages_.massTab)) {
        for (int i = 1; i <= 4; ++i)
            fPad->clearPad(i);
        fPad->update();
    }
    for (vexel::Canvas* canvas :
         {fTrendPad && OpenTab(right, messages_.trendTab) ? fTrendPad.data() : nullptr,
          fFitPad && OpenTab(right, messages_.fitTab) ? fFitPad.data() : nullptr}) {
        if (!canvas)
            continue;
        for (int i = 1; i <= 4; ++i)
            canvas->clearPad(i);
        canvas->update();
    }
    DeleteHistograms();
    fD0PTCut->setValues(float(fPTRangeMin), float(fPTRangeMax), false);
    fD0TAUCut->setValues(float(fTAURangeMin), float(fTAURangeMax), false);
    fD0IPCut->setValues(float(fIPRangeMin), float(fIPRangeMax), false);
    const analysis::CutRange mass = analysis::ExerciseRanges::candidateMass;
    fFitRangeGaus->setValues(mass.min, mass.max, false);
    fFitRangePoly->setValues(mass.min, mass.max, false);
    setFieldValue(fFitErr, 0);
    setFieldValue(fFitResult, 0);
    fAnalysis->resetExercise(); // flags, histograms, saved trend points
    trendPads_.restart();
}

void TVSDReader::SetFileName() {
    if (fName1)
        filetosave = fName1->text();
}

void TVSDReader::PlotD0Mass() {
    VarPad();
    for (int i = 1; i <= 4; ++i)
        fPad->clearPad(i);
    fPad->cd(1);
    const auto status = fAnalysis->plotMass(currentCuts());
    if (!status.ok()) {
        showStatus(status);
        fPad->update();
        return;
    }
    D0ExerciseDrawing::drawMassHistogram(*fPad, *fAnalysis->histograms().mass, plotWords());
    fPad->update();
}

void TVSDReader::FitInvariantMass() {
    const auto status = fAnalysis->fitMass(currentWindows());
    if (!status.ok()) {
        showStatus(status);
        return;
    }
    // The pad shows the histogram with this fit only (also when the tab had been closed).
    VarPad();
    D0ExerciseDrawing::drawMassHistogram(*fPad, *fAnalysis->histograms().mass, plotWords());
    D0ExerciseDrawing::drawMassFit(*fPad, fAnalysis->massFitter(), *fAnalysis->lastMassFit(),
                                   plotWords());
    fPad->update();
    showStatus(status); // a warning, if any, over the drawn fit
}

void TVSDReader::PlotVarDists() {
    massCanvas();
    const auto status = fAnalysis->plotDistributions(currentCuts(), currentWindows());
    if (!status.ok()) {
        showStatus(status);
        return;
    }
    D0ExerciseDrawing::drawDistributions(*fPad, fAnalysis->histograms(), plotWords());
    fPad->update();
}

void TVSDReader::FitDecayTime() {
    const auto status = fAnalysis->fitLifetime({fD0TAUCut->GetMin(), fD0TAUCut->GetMax()});
    if (!status.ok()) {
        showStatus(status);
        return;
    }
    FitPad();
    const auto& fit = *fAnalysis->lastLifetimeFit();
    D0ExerciseDrawing::drawLifetimeFit(*fFitPad, *fAnalysis->histograms().decayTimeSignalForFit,
                                       fit, plotWords());
    setFieldValue(fFitResult, fit.tau);
    setFieldValue(fFitErr, fit.tauError);
    fFitPad->update();
    showStatus(status); // a warning, if any, over the drawn fit
}

void TVSDReader::SaveFitResult() {
    const int id = fVarToTrend->currentData().isValid() ? fVarToTrend->currentData().toInt() : -1;
    // The result as the fields show it; text that is not a number is not saved as 0.
    const double value = fieldValue(fFitResult), error = fieldValue(fFitErr);
    if (fAnalysis->fittedTime() && (!std::isfinite(value) || !std::isfinite(error))) {
        showPlotMessage(messages_.fieldNotANumber, 120);
        return;
    }
    const auto status = fAnalysis->saveFitResult(id, value, error);
    showStatus(status);
    if (status.ok())
        writeLifetimeResults();
}

QString TVSDReader::lifetimeResultsPath() const {
    return QString::fromStdString(studentfiles::lifetimeResultsPath(
        StudentFilesFolder::forSaving(pathSaveD0, lang1).toStdString(), combination,
        identity.toStdString()));
}

void TVSDReader::writeLifetimeResults() {
    const QString path = lifetimeResultsPath();
    try {
        analysis::writeLifetimeResults(
            path.toStdString(),
            analysis::lifetimeResultsFrom(fAnalysis->trends().all(), fAnalysis->lastMassFit()));
    } catch (const rootio::Error& e) {
        // The results stay saved in memory; the next save writes them all again.
        std::cerr << e.what() << std::endl;
        showPlotMessage(messages_.resultsNotSaved.arg(path), 120);
    }
}

bool TVSDReader::CheckTrend(const int choice) {
    const auto check = fAnalysis->trends().check(choice);
    if (check == analysis::SavedTrendPoints::Check::BothEdgesVarying)
        showPlotMessage(i4, 65);
    return check == analysis::SavedTrendPoints::Check::Consistent;
}

void TVSDReader::PlotFitResultsVsVar() {
    TrendPad();
    const int id = fVarToTrend->currentData().isValid() ? fVarToTrend->currentData().toInt() : -1;
    analysis::TrendPlot plot;
    const auto status = fAnalysis->plotTrend(id, plot);
    if (!status.ok()) {
        showStatus(status);
        return;
    }
    if (plot.bothEdgesVarying)
        showPlotMessage(i4, 65); // a warning: the plot is still made
    D0ExerciseDrawing::drawTrend(*fTrendPad, plot, trendPads_.padFor(id), plotWords());
    fTrendPad->update();
}

void TVSDReader::ClearTrend() {
    const int id = fVarToTrend->currentData().isValid() ? fVarToTrend->currentData().toInt() : -1;
    fAnalysis->clearTrend(id);
    const auto pad = trendPads_.assignedPad(id);
    // Nothing to clear when the trend tab was closed.
    if (pad && fTrendPad && OpenTab(browser()->tabs(vexel::Browser::Right), messages_.trendTab)) {
        fTrendPad->clearPad(static_cast<int>(*pad));
        fTrendPad->update();
    }
}

void TVSDReader::SaveCanvas() {
    massCanvas();
    using namespace vexel::CanvasSaveMessages;
    using Outcome = vexel::CanvasSavePlan::Outcome;
    const QString folder = StudentFilesFolder::forSaving(pathSaveD0, lang1);
    const QFileInfo directory(folder.isEmpty() ? QString(".") : folder);
    // The field names a file, not a path; the default name stands in for the placeholder.
    const vexel::CanvasSavePlan plan =
        vexel::planCanvasSave(filetosave.toStdString(), f_name.toStdString(), combination,
                              identity.toStdString(), directory.isDir(), directory.isWritable());
    switch (plan.outcome) {
    case Outcome::NameTooLong:
        vexel::showMessage(title(language()),
                           nameTooLong(language(), plan.nameBytes, plan.maxNameBytes),
                           messages_.dismiss);
        return;
    case Outcome::FolderMissing:
        vexel::showMessage(title(language()), directoryMissing(language(), folder),
                           messages_.dismiss);
        return;
    case Outcome::FolderNotWritable:
        vexel::showMessage(title(language()), directoryNotWritable(language(), folder),
                           messages_.dismiss);
        return;
    case Outcome::Save:
        break;
    }
    QStringList saved, notSaved;
    for (const std::string& name : plan.files) {
        const QString file = QString::fromStdString(name);
        QString error;
        if (fPad->saveAs(folder + file, &error))
            saved.append(file);
        else
            notSaved.append(file + ": " + error);
    }
    if (!notSaved.isEmpty())
        vexel::showMessage(title(language()), report(language(), saved, notSaved),
                           messages_.dismiss);
}

std::string candidateFilePath() {
    // Missing everywhere: the message names the last place tried.
    const std::string relative = DataFiles::candidates();
    return DataFiles::find(relative).value_or(DataFiles::placesFor(relative).back());
}

void Vexel_D0_Exercise(int lang, QString saveDir, int choice, int mode, int dataset, QString name1,
                       QString name2) {
    Q_UNUSED(choice);
    Q_UNUSED(mode);
    Q_UNUSED(name2);
    const std::string path = candidateFilePath();
    // MissingDataFile leaves here, and the earlier exercise object stays.
    auto reader = std::make_unique<TVSDReader>(path.c_str());
    reader->pathSaveD0 = std::move(saveDir);
    reader->combination = dataset;
    reader->identity = std::move(name1);
    // The application frees the object at its end; a later start replaces it and takes over
    // its window.
    reader->setParent(QCoreApplication::instance());
    if (gVSDReader)
        reader->takeWindowOf(*gVSDReader);
    delete gVSDReader;
    gVSDReader = reader.release();
    QObject::connect(gVSDReader, &QObject::destroyed, [object = gVSDReader] {
        if (gVSDReader == object)
            gVSDReader = nullptr;
    });
    gVSDReader->setLang1(lang);
    switch (lang) {
    case 2:
        gVSDReader->FR();
        break;
    case 3:
        gVSDReader->DE();
        break;
    case 4:
        gVSDReader->IT();
        break;
    case 5:
        gVSDReader->RO();
        break;
    default:
        // Languages beyond the five have numbers above 5; anything else is English.
        if (lang > 5)
            gVSDReader->useLanguage(lang);
        else
            gVSDReader->EN();
        break;
    }
    gVSDReader->ToStudent();
    gVSDReader->browser()->setGeometry(d0WindowGeometry());
}
