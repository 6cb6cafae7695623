#include "HelpTextDialog.h"
#include "Vexel_D0_Exercise.h"
#include "analysis/AnalysisMessages.h"

#include <iostream>

// The exercise's texts in the student's language and the messages it shows.

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
