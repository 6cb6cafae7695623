#pragma once

#include <QString>

// Language codes of the program; any other value means English in the D0 exercise.
// The labels and messages of the D0 lifetime exercise in one language.
struct D0ExerciseTexts {
    QString var_ranges, an_tools, tools, bg_sub, t_fit, save_res;
    QString plt_mass, plt_distr, fit_sign, f_name, s_exit, reset_exe, read_inst, sv_canv;
    QString cl_trend, pl_trend, sv_res_fit, fit_mass_dis;
    QString i1, i2, i3, i4, i5, i6;

    static D0ExerciseTexts english();
    static D0ExerciseTexts french();
    static D0ExerciseTexts german();
    static D0ExerciseTexts italian();
    static D0ExerciseTexts romanian();
    // 2 French, 3 German, 4 Italian, 5 Romanian, anything else English.
    static D0ExerciseTexts forLanguage(int lang);
    // The step-by-step instructions of the exercise in the same languages.
    static QString instructions(int lang);
};

// Addresses named in the texts.
namespace D0ExerciseAddresses {
extern const char* const kPublicPages;
extern const char* const kCollaborationPages;
extern const char* const kParticleData;
} // namespace D0ExerciseAddresses
