#pragma once

#include "Language.h"

#include <QString>

// The labels and messages of the D0 lifetime exercise in one language.
struct D0ExerciseTexts {
    QString var_ranges, an_tools, tools, bg_sub, t_fit, save_res;
    QString plt_mass, plt_distr, fit_sign, f_name, s_exit, reset_exe, read_inst, sv_canv;
    QString cl_trend, pl_trend, sv_res_fit, fit_mass_dis;
    QString i1, i2, i3, i4, i5, i6;

    static D0ExerciseTexts forLanguage(const vexel::Language& language);
    // By the number at the windows' boundary, among the installed languages.
    static D0ExerciseTexts forLanguage(int number);
    // The step-by-step instructions of the exercise.
    static QString instructions(const vexel::Language& language);
};

// Addresses named in the texts.
namespace D0ExerciseAddresses {
extern const char* const kPublicPages;
extern const char* const kCollaborationPages;
extern const char* const kParticleData;
} // namespace D0ExerciseAddresses
