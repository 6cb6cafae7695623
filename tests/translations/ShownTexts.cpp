#include "ShownTexts.h"

#include "CanvasSaveMessages.h"
#include "ClassResultsTexts.h"
#include "D0ExerciseMessages.h"
#include "D0ExerciseTexts.h"
#include "FrameTexts.h"
#include "HelpPage.h"
#include "LauncherTexts.h"
#include "LessonDayTexts.h"
#include "MissingDataFile.h"
#include "StudentFilesFolder.h"
#include "analysis/TrendAxis.h"

std::map<QString, QString> shownTexts(const vexel::Language& l) {
    std::map<QString, QString> t;
    const LauncherTexts lt = LauncherTexts::forLanguage(l);
    for (const auto& [key, text] : std::initializer_list<std::pair<const char*, QString>>{
             {"name", lt.name},
             {"surname", lt.surname},
             {"grade", lt.grade},
             {"save", lt.save},
             {"about", lt.about},
             {"exit", lt.exit},
             {"detailsTitle", lt.detailsTitle},
             {"languagesTitle", lt.languagesTitle},
             {"aboutText", lt.aboutText},
             {"folderMissing", lt.folderMissing},
             {"folderNotWritable", lt.folderNotWritable},
             {"folderCreated", lt.folderCreated},
             {"errorTitle", lt.errorTitle},
             {"dismiss", lt.dismiss},
             {"savedInDismiss", l.translated("StudentFiles", "Dismiss")},
             {"aboutTitle", lt.aboutTitle},
             {"windowTitle", lt.windowTitle},
             {"iconsMissing", lt.iconsMissing},
             {"geometryMissing", lt.geometryMissing},
             {"tracksMissing", lt.tracksMissing},
             {"fieldsEmpty", lt.fieldsEmpty},
             {"pathInvalid", lt.pathInvalid},
             {"number", lt.number},
             {"combination", lt.combination},
             {"eventDisplay", lt.eventDisplay},
             {"d0Exercise", lt.d0Exercise},
             {"groupI", lt.groupI},
             {"groupII", lt.groupII},
             {"outputTitle", lt.outputTitle},
             {"ok", lt.ok},
             {"exitTitle", lt.exitTitle},
             {"savedIn", StudentFilesFolder::savedInMessage(l, "%1")},
             {"infoTitle", l.translated("StudentFiles", "Info")}})
        t[QString("launcher.") + key] = text;

    const FrameWidgetTexts fw = frameWidgetTexts(l);
    const FrameMessageTexts fm = frameMessageTexts(l);
    const FrameNoticeTexts fn = frameNoticeTexts(l);
    for (const auto& [key, text] : std::initializer_list<std::pair<const char*, QString>>{
             {"help", fw.help},
             {"exit", fw.exit},
             {"saveParticle", fw.saveParticle},
             {"calculate", fw.calculate},
             {"deleteParticle", fw.deleteParticle},
             {"add", fw.add},
             {"draw", fw.draw},
             {"saveHistogram", fw.saveHistogram},
             {"mass", fw.mass},
             {"name", fw.name},
             {"eventNumber", fw.eventNumber},
             {"myParticles", fw.myParticles},
             {"particleInfo", fw.particleInfo},
             {"zoom", fw.zoom},
             {"eventManager", fw.eventManager},
             {"view", fw.view},
             {"legend", fw.legend},
             {"histogram", fw.histogram},
             {"hideGeometry", fw.hideGeometry},
             {"transparency", fw.transparency},
             {"e1", fm.e1},
             {"e2", fm.e2},
             {"h1", fm.h1},
             {"e3", fm.e3},
             {"e4", fm.e4},
             {"h2", fm.h2},
             {"h3_a", fm.h3_a},
             {"h3_b", fm.h3_b},
             {"windowTitle", fn.windowTitle},
             {"dataSetUnreadable", fn.dataSetUnreadable},
             {"noEvents", fn.noEvents},
             {"eventUnreadable", fn.eventUnreadable},
             {"geometryUnreadable", fn.geometryUnreadable},
             {"helpPictureMissing", fn.helpPictureMissing},
             {"nameTooLong", fn.nameTooLong},
             {"unsavedHistogram", fn.unsavedHistogram},
             {"yes", fn.yes},
             {"no", fn.no},
             {"errorTitle", fn.errorTitle},
             {"dismiss", fn.dismiss},
             {"infoTitle", fn.infoTitle},
             {"hintTitle", fn.hintTitle},
             {"accessDenied", fn.accessDenied},
             {"eventControl", fn.eventControl},
             {"viewer", fn.viewer},
             {"histogramTab", fn.histogramTab},
             {"helpTab", fn.helpTab},
             {"particlePrefix", fn.particlePrefix},
             {"questionTitle", fn.questionTitle},
             {"massUnit", fn.massUnit},
             {"energyUnit", fn.energyUnit},
             {"momentumUnit", fn.momentumUnit},
             {"statisticsEntries", fn.statisticsEntries},
             {"statisticsMean", fn.statisticsMean},
             {"statisticsRms", fn.statisticsRms},
             {"histogramTitle", fn.histogramTitle}})
        t[QString("frame.") + key] = text;

    const D0ExerciseTexts d = D0ExerciseTexts::forLanguage(l);
    const D0ExerciseMessages m = D0ExerciseMessages::forLanguage(l);
    for (const auto& [key, text] : std::initializer_list<std::pair<const char*, QString>>{
             {"var_ranges", d.var_ranges},
             {"an_tools", d.an_tools},
             {"tools", d.tools},
             {"bg_sub", d.bg_sub},
             {"t_fit", d.t_fit},
             {"save_res", d.save_res},
             {"plt_mass", d.plt_mass},
             {"plt_distr", d.plt_distr},
             {"fit_sign", d.fit_sign},
             {"f_name", d.f_name},
             {"s_exit", d.s_exit},
             {"reset_exe", d.reset_exe},
             {"read_inst", d.read_inst},
             {"sv_canv", d.sv_canv},
             {"cl_trend", d.cl_trend},
             {"pl_trend", d.pl_trend},
             {"sv_res_fit", d.sv_res_fit},
             {"fit_mass_dis", d.fit_mass_dis},
             {"i1", d.i1},
             {"i2", d.i2},
             {"i3", d.i3},
             {"i4", d.i4},
             {"i5", d.i5},
             {"i6", d.i6},
             {"instructions", D0ExerciseTexts::instructions(l)},
             {"plotMassFirst", m.plotMassFirst},
             {"plotDistributionsFirst", m.plotDistributionsFirst},
             {"instructionsTitle", m.instructionsTitle},
             {"infoTitle", m.infoTitle},
             {"plotTitle", m.plotTitle},
             {"windowTitle", m.windowTitle},
             {"massTab", m.massTab},
             {"trendTab", m.trendTab},
             {"fitTab", m.fitTab},
             {"ptSlider", m.ptSlider},
             {"tauSlider", m.tauSlider},
             {"ipSlider", m.ipSlider},
             {"bkgSlider", m.bkgSlider},
             {"sigSlider", m.sigSlider},
             {"fitResult", m.fitResult},
             {"fitError", m.fitError},
             {"trendMaxIP", m.trendMaxIP},
             {"close", m.close},
             {"dismiss", m.dismiss},
             {"errorTitle", m.errorTitle},
             {"emptySignalRange", m.emptySignalRange},
             {"emptyDecayTimeRange", m.emptyDecayTimeRange},
             {"noSidebandBackground", m.noSidebandBackground},
             {"nothingToFit", m.nothingToFit},
             {"fitFailed", m.fitFailed},
             {"approximateErrors", m.approximateErrors},
             {"fieldNotANumber", m.fieldNotANumber},
             {"resultsNotSaved", m.resultsNotSaved},
             {"cannotOpenFile", m.cannotOpenFile},
             {"fileMissing", m.fileMissing},
             {"fileUnreadable", m.fileUnreadable},
             {"fileNotRoot", m.fileNotRoot},
             {"fileDamaged", m.fileDamaged},
             {"noCandidateTree", m.noCandidateTree},
             {"candidateTreeNotATree", m.candidateTreeNotATree},
             {"missingBranch", m.missingBranch},
             {"badBranch", m.badBranch},
             {"plotTotal", m.plotTotal},
             {"plotBackground", m.plotBackground},
             {"plotSignal", m.plotSignal},
             {"plotMean", m.plotMean},
             {"plotLifetime", m.plotLifetime},
             {"legendBackground", m.legendBackground},
             {"legendSignal", m.legendSignal},
             {"missingDataFile",
              MissingDataFile("share/x.root", MissingDataFile::Problem::MissingBranch, "D0_MM")
                  .studentMessage(l)}})
        t[QString("d0.") + key] = text;

    // The axis titles of the analysis's plots.
    int axis = 0;
    for (const char* title : {"D^{0} Invariant Mass (MeV/c^{2})", "D^{0} Candidates/(0.5 MeV)",
                              "D^{0} Candidate Fraction", "D^{0} P_{T} (GeV/c^{2})",
                              "D^{0} decay time (ps)", "log_{10}(D^{0} IP)", analysis::kTrendYTitle,
                              "D^{0} PT (GeV)", "log_{10}( D^{0} IP [mm] )"})
        t[QString("d0axis.%1").arg(axis++)] = D0ExerciseMessages::axisTitle(l, title);

    using namespace vexel::CanvasSaveMessages;
    t["canvas.title"] = title(l);
    t["canvas.nameTooLong"] = nameTooLong(l, 301, 255);
    t["canvas.directoryMissing"] = directoryMissing(l, "/tmp/x/");
    t["canvas.directoryNotWritable"] = directoryNotWritable(l, "/tmp/x/");
    t["canvas.report"] = report(l, {"a.png", "a.pdf"}, {"a.eps: no room"});

    const ClassResultsTexts c = ClassResultsTexts::forLanguage(l);
    for (const auto& [key, text] : std::initializer_list<std::pair<const char*, QString>>{
             {"windowTitle", c.windowTitle},
             {"languagesTitle", c.languagesTitle},
             {"folderTitle", c.folderTitle},
             {"chooseFolder", c.chooseFolder},
             {"noFolder", c.noFolder},
             {"folderUnreadable", c.folderUnreadable},
             {"exportPlots", c.exportPlots},
             {"exportTable", c.exportTable},
             {"exportFailed", c.exportFailed},
             {"dismiss", c.dismiss},
             {"exported", c.exported},
             {"studentsTab", c.studentsTab},
             {"unusedTab", c.unusedTab},
             {"lifetimesTab", c.lifetimesTab},
             {"studentColumns", c.studentColumns.join('|')},
             {"unusedColumns", c.unusedColumns.join('|')},
             {"trendLabel", c.trendLabel},
             {"status", c.status},
             {"noFit", c.noFit},
             {"massPadTitle", c.massPadTitle},
             {"entriesAxis", c.entriesAxis},
             {"trueMass", c.trueMass},
             {"trueLifetime", c.trueLifetime},
             {"classMean", c.classMean},
             {"oneStudentPoints", c.oneStudentPoints},
             {"signal", c.signal},
             {"entries", c.entries},
             {"trendNames", c.trendNames.join('|')},
             {"mean", c.mean},
             {"lifetimeAxis", c.lifetimeAxis},
             {"combinationsUsed", c.combinationsUsed}})
        t[QString("class.") + key] = text;
    for (int r = 0; r < 8; ++r)
        t[QString("class.reason%1").arg(r)] = c.reasons[r];

    {
        const LessonDayTexts d = LessonDayTexts::forLanguage(l);
        for (const auto& [key, text] : std::initializer_list<std::pair<const char*, QString>>{
                 {"classesTitle", d.classesTitle},
                 {"addFolder", d.addFolder},
                 {"addExport", d.addExport},
                 {"removeClass", d.removeClass},
                 {"labelTitle", d.labelTitle},
                 {"school", d.school},
                 {"className", d.className},
                 {"date", d.date},
                 {"exportClass", d.exportClass},
                 {"exportClassNeedsFolder", d.exportClassNeedsFolder},
                 {"classExported", d.classExported},
                 {"handOut", d.handOut},
                 {"projector", d.projector},
                 {"closeProjector", d.closeProjector},
                 {"countEveryFile", d.countEveryFile},
                 {"ruleOnce", d.ruleOnce},
                 {"ruleEvery", d.ruleEvery},
                 {"lifetimeRule", d.lifetimeRule},
                 {"classesTab", d.classesTab},
                 {"classColumns", d.classColumns.join('|')},
                 {"lifetimeColumns", d.lifetimeColumns.join('|')},
                 {"studentClass", d.studentClass},
                 {"sameCombination", d.sameCombination},
                 {"sharedCounted", d.sharedCounted},
                 {"sharedNotCounted", d.sharedNotCounted},
                 {"allClasses", d.allClasses},
                 {"twice", d.twice},
                 {"totalFit", d.totalFit},
                 {"classFit", d.classFit},
                 {"spreadLegend", d.spreadLegend},
                 {"lifetimeCell", d.lifetimeCell},
                 {"newerFormat", d.newerFormat},
                 {"fitLegend", d.fitLegend},
                 {"handOutTitle", d.handOutTitle},
                 {"namesPrompt", d.namesPrompt},
                 {"groupsPrompt", d.groupsPrompt},
                 {"assignNames", d.assignNames},
                 {"assignGroups", d.assignGroups},
                 {"groupWord", d.groupWord},
                 {"saveSheet", d.saveSheet},
                 {"saveList", d.saveList},
                 {"sheetTitle", d.sheetTitle},
                 {"sheetNote", d.sheetNote},
                 {"nameColumn", d.nameColumn},
                 {"combinationColumn", d.combinationColumn},
                 {"noNames", d.noNames},
                 {"duplicateNames", d.duplicateNames},
                 {"tooManyNames", d.tooManyNames},
                 {"tooManyGroups", d.tooManyGroups},
                 {"blankLines", d.blankLines},
                 {"reused", d.reused},
                 {"assigned", d.assigned}})
            t[QString("lesson.") + key] = text;
    }

    const auto h = vexelgen::HelpPage::texts(l);
    t["help.title"] = h.title;
    t["help.controlsHeading"] = h.controlsHeading;
    t["help.stepsHeading"] = h.stepsHeading;
    t["help.formulaCaption"] = h.formulaCaption;
    for (size_t i = 0; i < h.controls.size(); ++i) {
        t[QString("help.control%1.name").arg(i)] = h.controls[i].name;
        t[QString("help.control%1.text").arg(i)] = h.controls[i].text;
    }
    t["help.mouseHeading"] = h.mouseHeading;
    t["help.mouseText"] = h.mouseText;
    for (size_t i = 0; i < h.steps.size(); ++i)
        t[QString("help.step%1").arg(i)] = h.steps[i];
    return t;
}
