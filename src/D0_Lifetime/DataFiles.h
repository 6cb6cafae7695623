#pragma once

#include <optional>
#include <string>
#include <vector>

// The program's data files. Each has a path relative to the run directory; the file to open
// is found by trying, in order: that path in the working directory (a run from build/run),
// the data folder of the install prefix the program runs from (<prefix>/bin/program →
// <prefix>/share/VexelLumora/), and /usr/local/share/VexelLumora/.
namespace DataFiles {

std::string detector();                       // share/VexelLumora/vexelfull.gdml
std::string eventFile(int combination);       // share/VexelLumora/lumoeventv2_D0_<n>.root
std::string candidates();                     // share/VexelLumora/LumoraData_2012.root
std::string logo();                           // share/VexelLumora/vexel-logo.png
std::string picture(const std::string& name); // Icons/<name>
std::string helpPicture(int language);        // Icons/help<language>.png
std::string translationsFolder();             // share/VexelLumora/translations

// The teacher's guide of a language code: share/doc/vexel-lumora/guide/guide-<code>.html, found
// in the working directory, in the doc folder of the install prefix the program runs from, and
// in /usr/share/doc/vexel-lumora/guide/.
std::string guide(const std::string& code);
std::vector<std::string> guidePlaces(const std::string& code, const std::string& program);
// The guide of the language where there is one, else the English guide, else none.
std::optional<std::string> findGuide(const std::string& code, const std::string& program);
std::optional<std::string> findGuide(const std::string& code);
// The folder an installed program's guides belong in (ends in "/").
std::string guideFolder(const std::string& program);
std::string guideFolder();

// The data folder under an install prefix: <prefix>/share/VexelLumora.
std::string dataDirectory(const std::string& prefix);

// The places tried for a relative path, in order, for the program file given.
std::vector<std::string> placesFor(const std::string& relative, const std::string& program);
std::vector<std::string> placesFor(const std::string& relative);

// The first place where the file exists, if any.
std::optional<std::string> find(const std::string& relative, const std::string& program);
std::optional<std::string> find(const std::string& relative);

// The first place where the file exists; the relative path itself when it exists nowhere,
// so that a message names the file as the run directory knows it.
std::string locate(const std::string& relative);

// The running program's own file, from /proc/self/exe; "" when it cannot be read.
std::string programFile();

} // namespace DataFiles
