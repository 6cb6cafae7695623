#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace vexel {

// How the D0 exercise's analysis canvas is named when saved, and what Save Canvas writes.

// The name the analysis canvas is saved under, without its extension.
struct CanvasFileName {
    std::string stem;
    // False when the longest file name (stem and ".root") would exceed 255 bytes.
    bool fits = true;
};

// Longest stem: a file name has at most 255 bytes, the longest extension (".root") takes 5.
constexpr std::size_t kMaxCanvasStemBytes = 255 - 5;

// What the student typed (UTF-8) made a file name: path separators, "..", control characters
// and leading dots become "_"; blanks around it go.
std::string safeFileStem(const std::string& typed);

// The name for the canvas files. `typed` is the file-name field's text ("" while it still
// shows its placeholder); when it is empty, blank or the placeholder itself, the name is
// "D0Canvas" followed by the combination and the student's identity where they are known.
CanvasFileName canvasFileName(const std::string& typed, const std::string& placeholder,
                              int combination, const std::string& identity);

// What Save Canvas does with what the student typed and the state of the output folder.
struct CanvasSavePlan {
    enum class Outcome { Save, NameTooLong, FolderMissing, FolderNotWritable };
    Outcome outcome = Outcome::Save;
    std::string stem;
    // With Save: the file names to write, one per format (".root", ".eps", ".pdf", ".png").
    std::vector<std::string> files;
    // With NameTooLong: the length of the longest file name and the longest allowed.
    int nameBytes = 0, maxNameBytes = 0;
};

// The plan of Save Canvas: the name is checked first, then the folder (exists, writable).
CanvasSavePlan planCanvasSave(const std::string& typed, const std::string& placeholder,
                              int combination, const std::string& identity, bool folderExists,
                              bool folderWritable);

} // namespace vexel
