#include "D0ExerciseTexts.h"

QString D0ExerciseTexts::instructions(const vexel::Language& language) {
    //: The instructions window, 700 x 600 pixels with a fixed-width text; lay the lines out
    //: as the language needs. %1 is the address of the particle-data reference pages.
    return language
        .translated(
            "D0Exercise",
            "Welcome to the Vexel lumora exercise on measuring the lifetime of the D0 meson. \n"
            "The goal of this exercise is to measure the lifetime of the D0 meson, a fundamental\n"
            "particle made of a charm quark and an up anti-quark. In order to do so, you will\n"
            "first learn how to separate signal D0 mesons from backgrounds. Finally, you will\n"
            "compare your results to the values found by the Particle Data Group (%1).\n"
            "Step-by-step instructions :\n"
            "1. Plot the D0 mass distribution. The mass of the D0 is a fundamendal variable\n"
            "which separates signal (the peaking structure in the middle) from the flat\n"
            "background.\n"
            "2. Read the results of the fit and use them to determine the signal range. The\n"
            "function being fitted to the signal is a Gaussian, whose width, indicated by\n"
            "the greek letter sigma, is related to how far the signal extends from the mean\n"
            "(or most probable) value. In particular, an interval of +-1 sigma around the mean\n"
            "value contains 68% of the signal, while +-3 sigma contains 99.7% of the signal.\n"
            "Use the slider to set the signal range to be +-3 sigma around the mean value.\n"
            "3. Plot the variable distributions. You will see three further plots appearing, and\n"
            "in each one the blue points represent the distribution of the signal in that "
            "variable\n"
            "while the red points represent the distribution of the background. The plot is "
            "logarithmic\n"
            "in the Y axis, and each point represents the fraction of the total signal in that "
            "bin.\n"
            "Which regions of each variable contain mostly signal? Which contain mostly "
            "background?\n"
            "4. Fit the lifetime distribution. Save the results\n"
            "of your fit and compare them to the PDG value. Do they agree?\n"
            "5. Repeat step 4 but now varying the upper D0 log(IP) variable range\n"
            "from 1.5 to -2 in steps of 0.2. Do you notice a pattern?\n"
            "6. Talk to a demonstrator about your results. Does the D0 lifetime with an log(IP) "
            "cut of\n"
            "-1.5 agree better or worse with the PDG than the lifetime with an log(IP) cut of "
            "1.5?\n")
        .arg(D0ExerciseAddresses::kParticleData);
}
