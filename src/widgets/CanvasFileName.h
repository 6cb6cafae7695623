#pragma once

#include <cstddef>
#include <string>

namespace vexel {

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

} // namespace vexel
