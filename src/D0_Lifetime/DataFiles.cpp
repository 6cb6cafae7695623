#include "DataFiles.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace DataFiles {

namespace {

const std::string kShare = "share/VexelLumora/";
const std::string kFallbackPrefix = "/usr/local";
const std::string kGuideFolder = "share/doc/vexel-lumora/guide/";

// Under a prefix the pictures live in the data folder too: Icons/x → share/VexelLumora/Icons/x.
std::string underPrefix(const std::string& prefix, const std::string& relative) {
    const bool inShare = relative.compare(0, kShare.size(), kShare) == 0;
    return (fs::path(dataDirectory(prefix)) / (inShare ? relative.substr(kShare.size()) : relative))
        .string();
}

bool isFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

} // namespace

std::string detector() {
    return kShare + "vexelfull.gdml";
}

std::string eventFile(int combination) {
    return kShare + "lumoeventv2_D0_" + std::to_string(combination) + ".root";
}

std::string candidates() {
    return kShare + "LumoraData_2012.root";
}

std::string logo() {
    return kShare + "vexel-logo.png";
}

std::string picture(const std::string& name) {
    return "Icons/" + name;
}

std::string helpPicture(int language) {
    return picture("help" + std::to_string(language) + ".png");
}

std::string translationsFolder() {
    return kShare + "translations";
}

std::string guide(const std::string& code) {
    return kGuideFolder + "guide-" + code + ".html";
}

std::vector<std::string> guidePlaces(const std::string& code, const std::string& program) {
    const std::string relative = guide(code);
    std::vector<std::string> places{relative};
    const fs::path prefix = fs::path(program).parent_path().parent_path();
    if (!program.empty() && !prefix.empty())
        places.push_back((prefix / relative).string());
    const std::string system = "/usr/" + relative;
    if (places.back() != system)
        places.push_back(system);
    return places;
}

std::optional<std::string> findGuide(const std::string& code, const std::string& program) {
    for (const std::string& language : {code, std::string("en")})
        for (const auto& place : guidePlaces(language, program))
            if (isFile(place))
                return place;
    return std::nullopt;
}

std::optional<std::string> findGuide(const std::string& code) {
    return findGuide(code, programFile());
}

std::string guideFolder(const std::string& program) {
    const fs::path prefix = fs::path(program).parent_path().parent_path();
    return ((program.empty() || prefix.empty() ? fs::path("/usr") : prefix) / kGuideFolder)
        .string();
}

std::string guideFolder() {
    return guideFolder(programFile());
}

std::string dataDirectory(const std::string& prefix) {
    return (fs::path(prefix) / kShare).parent_path().string();
}

std::vector<std::string> placesFor(const std::string& relative, const std::string& program) {
    std::vector<std::string> places{relative};
    if (fs::path(relative).is_absolute())
        return places;
    if (!program.empty()) {
        const fs::path prefix = fs::path(program).parent_path().parent_path();
        if (!prefix.empty())
            places.push_back(underPrefix(prefix.string(), relative));
    }
    const std::string fallback = underPrefix(kFallbackPrefix, relative);
    if (places.back() != fallback)
        places.push_back(fallback);
    return places;
}

std::vector<std::string> placesFor(const std::string& relative) {
    static const std::string program = programFile();
    return placesFor(relative, program);
}

std::optional<std::string> find(const std::string& relative, const std::string& program) {
    for (const auto& place : placesFor(relative, program))
        if (isFile(place))
            return place;
    return std::nullopt;
}

std::optional<std::string> find(const std::string& relative) {
    static const std::string program = programFile();
    return find(relative, program);
}

std::string locate(const std::string& relative) {
    return find(relative).value_or(relative);
}

std::string programFile() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : self.string();
}

} // namespace DataFiles
