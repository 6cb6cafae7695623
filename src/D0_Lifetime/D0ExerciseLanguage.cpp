#include "HelpTextDialog.h"
#include "Languages.h"
#include "Vexel_D0_Exercise.h"

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

void TVSDReader::useLanguage(int number) {
    const vexel::Language& language = vexel::Languages::installed().byNumber(number);
    setTexts(D0ExerciseTexts::forLanguage(language));
    messages_ = D0ExerciseMessages::forLanguage(language);
}

const vexel::Language& TVSDReader::language() const {
    return vexel::Languages::installed().byNumber(lang1);
}

D0ExerciseDrawing::PlotWords TVSDReader::plotWords() const {
    const D0ExerciseMessages& m = messages_;
    return {m.plotTotal,
            m.plotBackground,
            m.plotSignal,
            m.plotMean,
            m.plotLifetime,
            m.legendBackground,
            m.legendSignal,
            [language = &language()](const QString& title) {
                return D0ExerciseMessages::axisTitle(*language, title);
            },
            language().decimalSign()};
}

void TVSDReader::EN() {
    useLanguage(1);
}

void TVSDReader::FR() {
    useLanguage(2);
}

void TVSDReader::DE() {
    useLanguage(3);
}

void TVSDReader::IT() {
    useLanguage(4);
}

void TVSDReader::RO() {
    useLanguage(5);
}

void TVSDReader::Instructions() {
    vexel::popUpHelpText(messages_.instructionsTitle, D0ExerciseTexts::instructions(language()),
                         700, 600, messages_.close);
}

void TVSDReader::VexelInfo() {
    vexel::popUpHelpText(messages_.infoTitle, i6, 360, 150, messages_.close);
}

void TVSDReader::showPlotMessage(const QString& text, int height) {
    vexel::popUpHelpText(messages_.plotTitle, text, 350, height, messages_.close);
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
        showPlotMessage(messages_.plotMassFirst, 65);
        return;
    case Code::NoDistributions:
        showPlotMessage(messages_.plotDistributionsFirst, 65);
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
