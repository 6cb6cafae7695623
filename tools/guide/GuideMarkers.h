#pragma once

#include "GuideNumbers.h"

#include <string>
#include <vector>

// The marked numbers of a guide: "<!--vx:KEY-->VALUE", VALUE with "." or "," as decimal sign.
class GuideMarkers {
public:
    // The value with that many decimals and "." as decimal sign.
    static std::string rounded(double value, int decimals);

    // Adds a line to problems for every marker whose key is unknown or whose value differs
    // from the computed one rounded as written, and for every key the text lacks.
    static void check(const std::string& name, const std::string& text,
                      const std::vector<GuideNumber>& numbers, std::vector<std::string>& problems);

    // Checks every *.md file of a folder; returns how many there were.
    static int checkFolder(const std::string& folder, const std::vector<GuideNumber>& numbers,
                           std::vector<std::string>& problems);
};
