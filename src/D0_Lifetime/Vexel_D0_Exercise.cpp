#include "Vexel_D0_Exercise.h"

#include "Browser.h"
#include "Canvas.h"
#include "CanvasFileName.h"
#include "CanvasSaveMessages.h"
#include "D0ExerciseDrawing.h"
#include "DataFiles.h"
#include "HelpTextDialog.h"
#include "HighDensityDisplay.h"
#include "Messages.h"
#include "RangeSlider.h"
#include "StudentFilesFolder.h"
#include "analysis/AnalysisMessages.h"
#include "analysis/CandidateFileLoader.h"
#include "analysis/ExerciseRanges.h"
#include "analysis/LifetimeResultsFile.h"
#include "rootio/Error.h"
#include "studentfiles/StudentFileName.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <fstream>
#include <iostream>
#include <utility>

TVSDReader* gVSDReader = nullptr;

namespace {

const char* const kWindowTitle = "Vexel Lumora : D0 lifetime analysis";
const char* const kMassTab = "Invariant Mass Distribution";
const char* const kTrendTab = "Lifetime trend";
const char* const kFitTab = "Lifetime fit";

// Widths of the panel's columns and rows.
constexpr int kColumnWidth = 200;

QWidget* fixedRow(QLayout*& layout, bool horizontal = true) {
    auto* row = new QWidget;
    if (horizontal)
        layout = new QHBoxLayout(row);
    else
        layout = new QVBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return row;
}

QPixmap logoPicture() {
    return vexel::loadSharpPicture(QString::fromStdString(DataFiles::locate(DataFiles::logo())));
}

} // namespace

MissingDataFile::MissingDataFile(std::string path, Problem problem, std::string branch)
    : path_(std::move(path)), message_("Cannot open file " + path_), problem_(problem),
      branch_(std::move(branch)) {}

QString MissingDataFile::studentMessage(int lang) const {
    const D0ExerciseMessages m = D0ExerciseMessages::forLanguage(lang);
    QString reason;
    switch (problem_) {
    case Problem::Missing:
        reason = m.fileMissing;
        break;
    case Problem::Unreadable:
        reason = m.fileUnreadable;
        break;
    case Problem::NotRootFile:
        reason = m.fileNotRoot;
        break;
    case Problem::Damaged:
        reason = m.fileDamaged;
        break;
    case Problem::NoTree:
        reason = m.noCandidateTree;
        break;
    case Problem::NotATree:
        reason = m.candidateTreeNotATree;
        break;
    case Problem::MissingBranch:
        reason = m.missingBranch.arg(QString::fromStdString(branch_));
        break;
    case Problem::BadBranch:
        reason = m.badBranch;
        break;
    }
    return m.cannotOpenFile.arg(QString::fromStdString(path_), reason);
}

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

TVSDReader::~TVSDReader() = default;

vexel::Browser* TVSDReader::browser() {
    static QPointer<vexel::Browser> window;
    if (!window) {
        window = new vexel::Browser;
        window->setObjectName("D0ExerciseBrowser");
        // Freed when the program's event loop ends.
        if (QCoreApplication* app = QCoreApplication::instance())
            QObject::connect(app, &QCoreApplication::aboutToQuit, window.data(),
                             &QObject::deleteLater);
    }
    return window;
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

void TVSDReader::setTexts(const D0ExerciseTexts& t) {
    var_ranges = t.var_ranges;
    an_tools = t.an_tools;
    tools = t.tools;
    bg_sub = t.bg_sub;
    t_fit = t.t_fit;
    save_res = t.save_res;
    plt_mass = t.plt_mass;
    plt_distr = t.plt_distr;
    fit_sign = t.fit_sign;
    f_name = t.f_name;
    s_exit = t.s_exit;
    reset_exe = t.reset_exe;
    read_inst = t.read_inst;
    sv_canv = t.sv_canv;
    cl_trend = t.cl_trend;
    pl_trend = t.pl_trend;
    sv_res_fit = t.sv_res_fit;
    fit_mass_dis = t.fit_mass_dis;
    i1 = t.i1;
    i2 = t.i2;
    i3 = t.i3;
    i4 = t.i4;
    i5 = t.i5;
    i6 = t.i6;
}

void TVSDReader::EN() {
    setTexts(D0ExerciseTexts::english());
    messages_ = D0ExerciseMessages::forLanguage(1);
}
void TVSDReader::FR() {
    setTexts(D0ExerciseTexts::french());
    messages_ = D0ExerciseMessages::forLanguage(2);
}
void TVSDReader::DE() {
    setTexts(D0ExerciseTexts::german());
    messages_ = D0ExerciseMessages::forLanguage(3);
}
void TVSDReader::IT() {
    setTexts(D0ExerciseTexts::italian());
    messages_ = D0ExerciseMessages::forLanguage(4);
}
void TVSDReader::RO() {
    setTexts(D0ExerciseTexts::romanian());
    messages_ = D0ExerciseMessages::forLanguage(5);
}

void TVSDReader::Instructions() {
    vexel::popUpHelpText("INSTRUCTIONS", D0ExerciseTexts::instructions(lang1), 700, 600,
                         messages_.close);
}

void TVSDReader::VexelInfo() {
    vexel::popUpHelpText("Vexel Experiment", i6, 360, 150, messages_.close);
}

void TVSDReader::showPlotMessage(const QString& text, int height) {
    vexel::popUpHelpText("Plot", text, 350, height, messages_.close);
}

void TVSDReader::showStatus(const analysis::AnalysisStatus& status) {
    using Code = analysis::AnalysisStatus::Code;
    if (!status.message.empty())
        std::cerr << status.message << std::endl;
    switch (status.code) {
    case Code::Ok:
        if (status.approximateErrors)
            showPlotMessage(messages_.approximateErrors, 120);
        return;
    case Code::NoMassHistogram:
        showPlotMessage(analysis::AnalysisMessages::kPlotMassFirst, 65);
        return;
    case Code::NoDistributions:
        showPlotMessage(analysis::AnalysisMessages::kPlotDistributionsFirst, 65);
        return;
    case Code::NoMassFit:
        showPlotMessage(i5, 120);
        return;
    case Code::SignalWindowAtEdge:
        showPlotMessage(i1, 120);
        return;
    case Code::NoLifetimeFit:
        showPlotMessage(i3, 65);
        return;
    case Code::NoSavedPoints:
        showPlotMessage(i2, 65);
        return;
    case Code::UnknownTrend:
        return;
    case Code::NoSidebandBackground:
        showPlotMessage(messages_.noSidebandBackground, 120);
        return;
    case Code::NothingToFit:
        showPlotMessage(messages_.nothingToFit, 120);
        return;
    case Code::FitFailed:
        showPlotMessage(messages_.fitFailed, 120);
        return;
    case Code::EmptySignalRange:
        showPlotMessage(messages_.emptySignalRange, 120);
        return;
    case Code::EmptyDecayTimeRange:
        showPlotMessage(messages_.emptyDecayTimeRange, 120);
        return;
    }
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
        field->setText(QString::number(value, 'f', 4));
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
    if (fPad && OpenTab(right, kMassTab)) {
        for (int i = 1; i <= 4; ++i)
            fPad->clearPad(i);
        fPad->update();
    }
    for (vexel::Canvas* canvas :
         {fTrendPad && OpenTab(right, kTrendTab) ? fTrendPad.data() : nullptr,
          fFitPad && OpenTab(right, kFitTab) ? fFitPad.data() : nullptr}) {
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

void TVSDReader::CloseWin() {
    browser()->hide();
}

bool TVSDReader::eventFilter(QObject* watched, QEvent* event) {
    if (watched == browser() && event->type() == QEvent::Close && event->spontaneous()) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TVSDReader::Exit() {
    CloseWin();
}

bool TVSDReader::OpenTab(QTabWidget* tabs, const char* str) {
    if (!tabs)
        return false;
    const QString title = QString::fromUtf8(str);
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabText(i) == title)
            return true;
    return false;
}

vexel::Canvas* TVSDReader::ensureCanvas(QPointer<vexel::Canvas>& member, const char* name,
                                        const QString& title, bool* created) {
    member = browser()->canvasTab(title, name, 2, 2, created);
    return member;
}

void TVSDReader::VarPad() {
    ensureCanvas(fPad, "fPad", kMassTab, nullptr);
}

vexel::Canvas* TVSDReader::massCanvas() {
    bool created = false;
    ensureCanvas(fPad, "fPad", kMassTab, &created);
    if (created) {
        // The tab had been closed: show again what the analysis holds.
        const auto& h = fAnalysis->histograms();
        if (h.mass) {
            D0ExerciseDrawing::drawMassHistogram(*fPad, *h.mass);
            if (fAnalysis->fittedMass() && fAnalysis->lastMassFit())
                D0ExerciseDrawing::drawMassFit(*fPad, fAnalysis->massFitter(),
                                               *fAnalysis->lastMassFit());
        }
        D0ExerciseDrawing::drawDistributions(*fPad, h);
        fPad->update();
        fPad->cd(1);
    }
    return fPad;
}

void TVSDReader::TrendPad() {
    bool created = false;
    ensureCanvas(fTrendPad, "fTrendPad", kTrendTab, &created);
    if (created)
        trendPads_.restart();
}

void TVSDReader::FitPad() {
    ensureCanvas(fFitPad, "fFitPad", kFitTab, nullptr);
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
    D0ExerciseDrawing::drawMassHistogram(*fPad, *fAnalysis->histograms().mass);
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
    D0ExerciseDrawing::drawMassHistogram(*fPad, *fAnalysis->histograms().mass);
    D0ExerciseDrawing::drawMassFit(*fPad, fAnalysis->massFitter(), *fAnalysis->lastMassFit());
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
    D0ExerciseDrawing::drawDistributions(*fPad, fAnalysis->histograms());
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
                                       fit);
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
    const auto status = fAnalysis->saveFitResult(id, currentCuts(), value, error);
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
    D0ExerciseDrawing::drawTrend(*fTrendPad, plot, trendPads_.padFor(id));
    fTrendPad->update();
}

void TVSDReader::ClearTrend() {
    const int id = fVarToTrend->currentData().isValid() ? fVarToTrend->currentData().toInt() : -1;
    fAnalysis->clearTrend(id);
    const auto pad = trendPads_.assignedPad(id);
    // Nothing to clear when the trend tab was closed.
    if (pad && fTrendPad && OpenTab(browser()->tabs(vexel::Browser::Right), kTrendTab)) {
        fTrendPad->clearPad(static_cast<int>(*pad));
        fTrendPad->update();
    }
}

void TVSDReader::SaveCanvas() {
    massCanvas();
    using namespace vexel::CanvasSaveMessages;
    const QString folder = StudentFilesFolder::forSaving(pathSaveD0, lang1);
    // The field names a file, not a path; the default name stands in for the placeholder.
    const vexel::CanvasFileName name = vexel::canvasFileName(
        filetosave.toStdString(), f_name.toStdString(), combination, identity.toStdString());
    if (!name.fits) {
        vexel::showMessage(title(lang1),
                           nameTooLong(lang1, static_cast<int>(name.stem.size() + 5),
                                       static_cast<int>(vexel::kMaxCanvasStemBytes + 5)));
        return;
    }
    const QFileInfo directory(folder.isEmpty() ? QString(".") : folder);
    if (!directory.isDir()) {
        vexel::showMessage(title(lang1), directoryMissing(lang1, folder));
        return;
    }
    if (!directory.isWritable()) {
        vexel::showMessage(title(lang1), directoryNotWritable(lang1, folder));
        return;
    }
    QStringList saved, notSaved;
    for (const char* extension : {".root", ".eps", ".pdf", ".png"}) {
        const QString file = QString::fromStdString(name.stem) + extension;
        QString error;
        if (fPad->saveAs(folder + file, &error))
            saved.append(file);
        else
            notSaved.append(file + ": " + error);
    }
    if (!notSaved.isEmpty())
        vexel::showMessage(title(lang1), report(lang1, saved, notSaved));
}

namespace {

vexel::RangeSlider* makeSlider(const QString& label, int entryLength, int labelWidth, float min,
                               float max, int decimals) {
    auto* slider = new vexel::RangeSlider(label, entryLength, labelWidth);
    slider->setBarWidth(190);
    slider->setLimits(min, max);
    slider->setDecimals(decimals);
    slider->setValues(min, max, true);
    return slider;
}

QPushButton* textButton(const QString& text) {
    auto* button = new QPushButton(text);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return button;
}

} // namespace

QWidget* TVSDReader::buildToolPanel() {
    auto* panel = new QWidget;
    panel->setObjectName("XX GUI");
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    auto group = [&](const QString& title) {
        auto* box = new QGroupBox(title);
        auto* layout = new QVBoxLayout(box);
        layout->setContentsMargins(4, 4, 4, 4);
        layout->setSpacing(0);
        panelLayout->addWidget(box);
        return layout;
    };
    auto spacer = [](QVBoxLayout* layout, int height) { layout->addSpacing(height); };

    // Cut sliders.
    QVBoxLayout* ranges = group(var_ranges);
    spacer(ranges, 10);
    fD0PTCut = makeSlider("D0 PT :", 5, 70, float(fPTRangeMin), float(fPTRangeMax), 1);
    fD0TAUCut = makeSlider("D0 TAU :", 5, 70, float(fTAURangeMin), float(fTAURangeMax), 2);
    fD0IPCut = makeSlider("D0 IP :", 5, 70, float(fIPRangeMin), float(fIPRangeMax), 1);
    for (vexel::RangeSlider* slider : {fD0PTCut.data(), fD0TAUCut.data(), fD0IPCut.data()}) {
        ranges->addWidget(slider);
        ranges->addSpacing(10);
    }

    // Mass plot and fit.
    QVBoxLayout* massTools = group(an_tools);
    massTools->addSpacing(5);
    auto* plotMass = textButton(plt_mass);
    auto* fitMass = textButton(fit_mass_dis);
    massTools->addWidget(plotMass);
    massTools->addWidget(fitMass);
    connect(plotMass, SIGNAL(clicked()), this, SLOT(PlotD0Mass()));
    connect(fitMass, SIGNAL(clicked()), this, SLOT(FitInvariantMass()));

    // Background subtraction; the background range is set up but never shown.
    QVBoxLayout* subtraction = group(bg_sub);
    spacer(subtraction, 10);
    const analysis::CutRange mass = analysis::ExerciseRanges::candidateMass;
    fFitRangePoly = makeSlider("Bkg range:", 6, 60, mass.min, mass.max, 1);
    fFitRangePoly->setParent(panel);
    fFitRangePoly->hide();
    fFitRangeGaus = makeSlider("Sig range:", 6, 60, mass.min, mass.max, 1);
    subtraction->addWidget(fFitRangeGaus);
    subtraction->addSpacing(10);
    auto* plotDistributions = textButton(plt_distr);
    subtraction->addWidget(plotDistributions);
    connect(plotDistributions, SIGNAL(clicked()), this, SLOT(PlotVarDists()));

    // Lifetime fit and its result.
    QVBoxLayout* timeFit = group(t_fit);
    timeFit->addSpacing(5);
    auto* fitTime = textButton(fit_sign);
    timeFit->addWidget(fitTime);
    connect(fitTime, SIGNAL(clicked()), this, SLOT(FitDecayTime()));
    QLayout* labelsLayout = nullptr;
    QWidget* labels = fixedRow(labelsLayout);
    QLayout* fieldsLayout = nullptr;
    QWidget* fields = fixedRow(fieldsLayout);
    for (const char* text : {"Fit Result", "Fit Error"}) {
        auto* label = new QLabel(text);
        label->setAlignment(Qt::AlignHCenter);
        label->setContentsMargins(1, 1, 1, 1);
        labelsLayout->addWidget(label);
    }
    fFitResult = new QLineEdit("0.0000");
    fFitErr = new QLineEdit("0.0000");
    for (QLineEdit* field : {fFitResult.data(), fFitErr.data()}) {
        field->setValidator(vexel::typedNumberValidator(field));
        field->setAlignment(Qt::AlignRight);
        fieldsLayout->addWidget(field);
    }
    timeFit->addWidget(labels);
    timeFit->addWidget(fields);

    // Saving results and trends.
    QVBoxLayout* results = group(save_res);
    fVarToTrend = new QComboBox;
    fVarToTrend->setStyleSheet("QComboBox { background: white; }");
    fVarToTrend->addItem("Trend vs. max IP", 2);
    fVarToTrend->setFixedWidth(kColumnWidth);
    {
        const QSignalBlocker quiet(fVarToTrend);
        fVarToTrend->setCurrentIndex(fVarToTrend->findData(2));
    }
    results->addWidget(fVarToTrend);
    results->addSpacing(10);
    auto* saveResult = textButton(sv_res_fit);
    results->addWidget(saveResult);
    connect(saveResult, SIGNAL(clicked()), this, SLOT(SaveFitResult()));
    QLayout* trendLayout = nullptr;
    QWidget* trendRow = fixedRow(trendLayout);
    auto* plotTrend = textButton(pl_trend);
    auto* clearTrend = textButton(cl_trend);
    trendLayout->addWidget(plotTrend);
    trendLayout->addWidget(clearTrend);
    connect(plotTrend, SIGNAL(clicked()), this, SLOT(PlotFitResultsVsVar()));
    connect(clearTrend, SIGNAL(clicked()), this, SLOT(ClearTrend()));
    results->addWidget(trendRow);
    auto* logo = new QPushButton;
    logo->setObjectName("VexelLogo");
    const QPixmap picture = logoPicture();
    if (!picture.isNull()) {
        logo->setIcon(QIcon(picture));
        logo->setIconSize(picture.size().scaled(kColumnWidth - 10, 80, Qt::KeepAspectRatio));
    }
    logo->setMinimumHeight(40);
    results->addSpacing(5);
    results->addWidget(logo);
    connect(logo, SIGNAL(clicked()), this, SLOT(VexelInfo()));

    panelLayout->addStretch(1);
    return panel;
}

QWidget* TVSDReader::buildButtonBar() {
    auto* bar = new QWidget;
    auto* layout = new QVBoxLayout(bar);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(2);
    const QString blue = "QPushButton { color: blue; font-weight: bold; font-size: 20px; }";
    const QString red = "QPushButton { color: red; font-weight: bold; font-size: 20px; }";
    auto row = [&] {
        auto* r = new QHBoxLayout;
        r->setSpacing(2);
        layout->addLayout(r);
        return r;
    };
    QHBoxLayout* first = row();
    auto* saveCanvas = new QPushButton(sv_canv);
    saveCanvas->setStyleSheet(blue);
    fName1 = new QLineEdit(f_name);
    fName1->setMaxLength(4096);
    auto* blank = new QPushButton(QString());
    for (QWidget* w : {static_cast<QWidget*>(saveCanvas), static_cast<QWidget*>(fName1.data()),
                       static_cast<QWidget*>(blank)}) {
        w->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        first->addWidget(w);
    }
    connect(saveCanvas, SIGNAL(clicked()), this, SLOT(SaveCanvas()));
    connect(fName1, SIGNAL(textChanged(QString)), this, SLOT(SetFileName()));

    QHBoxLayout* second = row();
    auto* instructions = new QPushButton(read_inst);
    auto* reset = new QPushButton(reset_exe);
    auto* exit = new QPushButton(s_exit);
    instructions->setStyleSheet(blue);
    reset->setStyleSheet(blue);
    exit->setStyleSheet(red);
    for (QPushButton* b : {instructions, reset, exit}) {
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        second->addWidget(b);
    }
    connect(instructions, SIGNAL(clicked()), this, SLOT(Instructions()));
    connect(reset, SIGNAL(clicked()), this, SLOT(ResetExercise()));
    connect(exit, SIGNAL(clicked()), this, SLOT(CloseWin()));
    return bar;
}

void TVSDReader::AutomaticMenu() {
    vexel::Browser* window = browser();
    window->setWindowTitle(kWindowTitle);
    // A later start rebuilds the window: the previous run's tabs go.
    for (auto area : {vexel::Browser::Right, vexel::Browser::Left, vexel::Browser::Bottom}) {
        QTabWidget* tabs = window->tabs(area);
        while (tabs->count() > 0) {
            QWidget* page = tabs->widget(0);
            window->removeTab(area, 0);
            delete page;
        }
    }
    frmMain = buildToolPanel();
    // The panel scrolls when the display is too low for it, so the button bar stays on screen.
    auto* panelScroll = new QScrollArea;
    panelScroll->setWidget(frmMain);
    panelScroll->setWidgetResizable(true);
    panelScroll->setFrameShape(QFrame::NoFrame);
    panelScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    window->addTab(vexel::Browser::Left, panelScroll, tools);
    window->tabs(vexel::Browser::Left)
        ->setMinimumWidth(frmMain->sizeHint().width() + 8 +
                          panelScroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    QWidget* buttons = buildButtonBar();
    window->addTab(vexel::Browser::Bottom, buttons, " ");
    window->tabs(vexel::Browser::Bottom)->setMaximumHeight(buttons->sizeHint().height() + 40);
    VarPad();
    window->installEventFilter(this);
    window->show();
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
    // The application frees the object at its end; a later start replaces it.
    reader->setParent(QCoreApplication::instance());
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
        gVSDReader->EN();
        break;
    }
    gVSDReader->ToStudent();
    // Display minus the margins of the exercise, but never too small to work in, and never
    // lower or wider than the screen's free area below y 30 and right of x 5 (a small screen
    // scaled up by the desktop).
    QSize display(1280, 1024);
    int freeHeight = 1024 - 30;
    int freeWidth = 1280 - 5;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        display = screen->geometry().size();
        freeHeight = screen->availableGeometry().bottom() + 1 - 30;
        freeWidth = screen->availableGeometry().right() + 1 - 5;
    }
    const int width = std::min(std::max(display.width() - 350, 1000), std::max(freeWidth, 640));
    const int height = std::min(std::max(display.height() - 200, 720), std::max(freeHeight, 400));
    TVSDReader::browser()->setGeometry(5, 30, width, height);
}
