#include "D0ExerciseTexts.h"

#include "Languages.h"

namespace D0ExerciseAddresses {
const char* const kPublicPages = "https://www.vexel-experiment.org";
const char* const kCollaborationPages = "https://collaboration.vexel-experiment.org";
const char* const kParticleData = "https://pdg.lbl.gov";
} // namespace D0ExerciseAddresses

D0ExerciseTexts D0ExerciseTexts::forLanguage(const vexel::Language& l) {
    D0ExerciseTexts t;
    t.var_ranges = l.translated("D0Exercise", "Variable ranges");
    t.an_tools = l.translated("D0Exercise", "Analysis tools");
    t.tools = l.translated("D0Exercise", "Tools");
    t.bg_sub = l.translated("D0Exercise", "Background subtraction");
    t.t_fit = l.translated("D0Exercise", "Time fit");
    t.save_res = l.translated("D0Exercise", "Save results");
    t.plt_mass = l.translated("D0Exercise", "Plot D0 mass");
    t.plt_distr = l.translated("D0Exercise", "Plot distributions");
    t.fit_sign = l.translated("D0Exercise", "Fit signal decay time");
    t.f_name = l.translated("D0Exercise", "Filename");
    t.s_exit = l.translated("D0Exercise", "Exit");
    t.reset_exe = l.translated("D0Exercise", "Reset Exercise");
    t.read_inst = l.translated("D0Exercise", "Read Instructions");
    t.sv_canv = l.translated("D0Exercise", "Save Canvas");
    t.cl_trend = l.translated("D0Exercise", "Clear Trend");
    t.pl_trend = l.translated("D0Exercise", "Plot trend");
    t.sv_res_fit = l.translated("D0Exercise", "Save result and fit");
    t.fit_mass_dis = l.translated("D0Exercise", "Fit mass distribution");
    //: Shown in a message window 350 pixels wide.
    t.i1 = l.translated("D0Exercise",
                        "You cannot set the signal range to be the same as the total mass "
                        "range.\nThe background range must always contain\nat least some area "
                        "which is not\nin the signal range, so that you have\nsome pure "
                        "background events to subtract.\n");
    //: Shown in a message window 350 pixels wide.
    t.i2 = l.translated("D0Exercise", "You must save at least one result of the\nlifetime fit "
                                      "before making the trend plot.");
    //: Shown in a message window 350 pixels wide.
    t.i3 = l.translated("D0Exercise", "You must fit the lifetime distribution before\n"
                                      "attempting to save the results of this fit.");
    t.i4 = l.translated("D0Exercise", "WARNING: Max and min cut are both varying");
    //: Shown in a message window 350 pixels wide.
    t.i5 = l.translated(
        "D0Exercise",
        "You must fit the mass distribution\nbefore plotting the variable distributions.\nThe fit "
        "to the mass distribution allows\nyou to measure the number of background\nevents under "
        "the signal peak. This\nin turn means that you know how many background\nevents to "
        "subtract from the signal region\nto get the signal variable distributions.\n");
    //: %1 the experiment's public web pages, %2 its collaboration's pages.
    t.i6 = l.translated("D0Exercise", "For more details on the Vexel experiment, \nplease visit "
                                      "the Vexel pages at: \n%1 \n and \n %2")
               .arg(D0ExerciseAddresses::kPublicPages, D0ExerciseAddresses::kCollaborationPages);
    return t;
}

D0ExerciseTexts D0ExerciseTexts::forLanguage(int number) {
    return forLanguage(vexel::Languages::installed().byNumber(number));
}
