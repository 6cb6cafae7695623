#include "GuideMarkers.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

std::string GuideMarkers::rounded(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

void GuideMarkers::check(const std::string& name, const std::string& text,
                         const std::vector<GuideNumber>& numbers,
                         std::vector<std::string>& problems) {
    std::map<std::string, int> seen;
    for (const GuideNumber& n : numbers)
        seen[n.key] = 0;
    static const std::regex marker(R"(<!--\s*vx:([^>]*?)\s*-->(\d+(?:[.,]\d+)?)?)");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), marker);
         it != std::sregex_iterator(); ++it) {
        const std::string key = (*it)[1];
        const std::string written = (*it)[2];
        const auto line = std::count(text.begin(), text.begin() + it->position(), '\n') + 1;
        const std::string where = name + ":" + std::to_string(line) + ": ";
        const auto number = std::find_if(numbers.begin(), numbers.end(),
                                         [&](const GuideNumber& n) { return n.key == key; });
        if (number == numbers.end()) {
            problems.push_back(where + "unknown key \"" + key + "\"");
            continue;
        }
        ++seen[key];
        if (written.empty()) {
            problems.push_back(where + key + " is not followed by a number");
            continue;
        }
        std::string asPoint = written;
        std::replace(asPoint.begin(), asPoint.end(), ',', '.');
        const auto dot = asPoint.find('.');
        const int decimals = dot == std::string::npos ? 0 : int(asPoint.size() - dot - 1);
        const std::string expected = rounded(number->value, decimals);
        if (asPoint != expected)
            problems.push_back(where + key + " is " + written + ", the data give " + expected);
    }
    for (const auto& [key, count] : seen)
        if (count == 0)
            problems.push_back(name + ": no number marked " + key);
}

int GuideMarkers::checkFolder(const std::string& folder, const std::vector<GuideNumber>& numbers,
                              std::vector<std::string>& problems) {
    namespace fs = std::filesystem;
    std::vector<fs::path> guides;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error))
        if (entry.path().extension() == ".md")
            guides.push_back(entry.path());
    if (error) {
        problems.push_back(folder + ": " + error.message());
        return 0;
    }
    std::sort(guides.begin(), guides.end());
    for (const fs::path& guide : guides) {
        std::ifstream in(guide, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        check(guide.string(), text.str(), numbers, problems);
    }
    return int(guides.size());
}
