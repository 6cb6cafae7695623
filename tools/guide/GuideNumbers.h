#pragma once

#include <string>
#include <vector>

// The numbers the teacher's guide quotes, computed from the data files of the run directory
// (the working directory) with the exercises' own code.
struct GuideNumber {
    std::string key;
    double value = 0.0;
    int decimals = 0; // as the guide writes it
    std::string how;  // one line on how it was computed
};

class GuideNumbers {
public:
    // Throws std::runtime_error when a data file is missing or an analysis step fails.
    static std::vector<GuideNumber> compute();

    // The masses a student adds to the histogram of one data set when picking, in every
    // event, the kaon and the pion that start where the D0 ends (the genuine pair).
    static int candidatesInDataSet(int combination);
};
