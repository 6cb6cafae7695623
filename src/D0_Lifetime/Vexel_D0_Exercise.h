#pragma once

#include "D0ExerciseDrawing.h"
#include "D0ExerciseMessages.h"
#include "D0ExerciseTexts.h"
#include "D0ExerciseTrendPads.h"
#include "MissingDataFile.h"
#include "analysis/CandidateCuts.h"
#include "analysis/CandidateFileLoader.h"
#include "analysis/D0Analysis.h"
#include "analysis/MassWindows.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <string>

class QComboBox;
class QLineEdit;
class QWidget;
class QTabWidget;
class QVBoxLayout;

namespace vexel {
class Browser;
class Canvas;
class RangeSlider;
} // namespace vexel

// The D0 lifetime exercise: the analysis window and the state of one exercise run. The
// numbers come from analysis::D0Analysis; this class reads the controls, calls it, draws the
// results and shows the messages.
class TVSDReader : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE explicit TVSDReader(const char* file_name);
    ~TVSDReader() override;

    // The mass distribution, the decay-time distribution has been fitted.
    bool fittedMass() const { return fAnalysis->fittedMass(); }
    bool fittedTime() const { return fAnalysis->fittedTime(); }
    int lang1;                                       // language code of the launcher
    std::unique_ptr<analysis::D0Analysis> fAnalysis; // candidates, histograms, fits, trends

    QString pathSaveD0; // output directory: "" (working directory) or ending in "/"
    int combination;    // the student's data set, part of the results file's name
    QString identity;   // name_surname_grade, part of the results file's name

    QPointer<vexel::Canvas> fPad;      // "Invariant Mass Distribution"
    QPointer<vexel::Canvas> fTrendPad; // "Lifetime trend"
    QPointer<vexel::Canvas> fFitPad;   // "Lifetime fit"

    QPointer<vexel::RangeSlider> fD0PTCut, fD0TAUCut, fD0IPCut; // cut sliders
    QPointer<vexel::RangeSlider> fFitRangeGaus;                 // "Sig range:"
    QPointer<vexel::RangeSlider> fFitRangePoly;                 // "Bkg range:" (never shown)
    QPointer<QLineEdit> fFitResult, fFitErr;                    // lifetime and error, four decimals
    QPointer<QLineEdit> fName1;                                 // output file name field
    QString filetosave;                                         // output file name stem
    QPointer<QComboBox> fVarToTrend;                            // trend variable chooser
    QPointer<QWidget> frmMain;                                  // the tool panel

    // The window of the exercise, made on first use; the object owns it.
    vexel::Browser* browser();
    // A later start reuses the window of the previous exercise object.
    void takeWindowOf(TVSDReader& previous);

    // The control values as read when a button is pressed.
    analysis::CandidateCuts currentCuts() const;
    analysis::MassWindows currentWindows() const;
    // The number a result field shows, read back with a decimal point or comma; not a
    // number when the field holds none.
    static double fieldValue(const QLineEdit* field);
    unsigned trendPadNumber() const { return trendPads_.nextPad(); }
    // The file that every "Save result and fit" rewrites with all results saved so far.
    QString lifetimeResultsPath() const;

public slots:
    void ToStudent();
    void Exit();
    void SaveCanvas();
    void SetFileName();
    void Instructions();
    void ResetExercise();
    void LoadD0Ntuple(const char* file_name);
    void SetD0NtupleBranches();
    void PlotFitResultsVsVar();
    void SaveFitResult();
    void PlotD0Mass();
    void PlotVarDists();
    void FitDecayTime();
    void FitInvariantMass();
    double Background_Integral(double xmin, double xmax);
    void AutomaticMenu();
    void TrendPad();
    void FitPad();
    void VarPad();
    void CloseWin();
    void VexelInfo();
    void IT();
    void RO();
    void EN();
    void FR();
    void setLang1(int lang);
    void DE();
    bool OpenTab(QTabWidget* tabs, const QString& str);
    // The texts of the language with this number (1 EN ... 5 RO, 6 ES, ...).
    void useLanguage(int number);
    void ClearTrend();
    bool CheckTrend(const int choice);
    void DeleteHistograms();

protected:
    // The window manager's close of the exercise window is ignored: only Exit hides it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setTexts(const D0ExerciseTexts& texts);
    const vexel::Language& language() const;
    D0ExerciseDrawing::PlotWords plotWords() const;
    void showPlotMessage(const QString& text, int height);
    void showStatus(const analysis::AnalysisStatus& status);
    // Writes every saved result and the last mass fit; tells the student when it fails.
    void writeLifetimeResults();
    void setFieldValue(QLineEdit* field, double value);
    QWidget* buildToolPanel();
    void addCutSliders(QVBoxLayout* panel);
    void addMassTools(QVBoxLayout* panel);
    void addSubtractionTools(QVBoxLayout* panel, QWidget* owner);
    void addLifetimeFitTools(QVBoxLayout* panel);
    void addResultTools(QVBoxLayout* panel);
    QWidget* buildButtonBar();
    // Makes sure the canvas of a right-hand tab exists and is in front; pad 1 current.
    vexel::Canvas* ensureCanvas(QPointer<vexel::Canvas>& member, const char* name,
                                const QString& title, bool* created);
    // The mass canvas; made anew with what the analysis holds when its tab was closed.
    vexel::Canvas* massCanvas();

    QPointer<vexel::Browser> window_;
    const double fPTRangeMin, fPTRangeMax;
    const double fTAURangeMin, fTAURangeMax;
    const double fIPRangeMin, fIPRangeMax;
    std::string fileName_;
    analysis::CandidateColumns columns_;
    D0ExerciseTrendPads trendPads_;
    D0ExerciseMessages messages_;

    QString var_ranges, an_tools, tools, bg_sub, t_fit, save_res, plt_mass, plt_distr, fit_sign,
        f_name, s_exit, reset_exe, read_inst, sv_canv, cl_trend, pl_trend, sv_res_fit, fit_mass_dis,
        i1, i2, i3, i4, i5, i6;
};

// The exercise object of the run; a later start replaces (and deletes) it.
extern TVSDReader* gVSDReader;

// Path of the candidate file: the working directory's copy, else the system-wide one.
std::string candidateFilePath();

// Starts the exercise: dataset is the student's combination and name1 their identity
// (name_surname_grade); choice, mode and name2 are not used.
void Vexel_D0_Exercise(int lang, QString saveDir, int choice, int mode, int dataset, QString name1,
                       QString name2);
