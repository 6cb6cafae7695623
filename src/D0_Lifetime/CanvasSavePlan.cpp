#include "CanvasSavePlan.h"

namespace vexel {

namespace {

std::string trimmed(const std::string& s) {
    const auto blank = " \t\r\n\f\v";
    const auto first = s.find_first_not_of(blank);
    if (first == std::string::npos)
        return {};
    return s.substr(first, s.find_last_not_of(blank) - first + 1);
}

} // namespace

std::string safeFileStem(const std::string& typed) {
    const std::string text = trimmed(typed);
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0;
        if (c == '/' || c == '\\' || c < 0x20 || c == 0x7f) {
            out += '_';
        } else if (c == 0xc2 && next >= 0x80 && next <= 0x9f) {
            out += '_'; // a control character of the Latin-1 range in UTF-8
            ++i;
        } else if (c == '.' && next == '.') {
            out += '_';
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    for (char& c : out) {
        if (c != '.')
            break;
        c = '_';
    }
    return out;
}

CanvasFileName canvasFileName(const std::string& typed, const std::string& placeholder,
                              int combination, const std::string& identity) {
    const std::string stem = safeFileStem(typed);
    if (!stem.empty() && trimmed(typed) != trimmed(placeholder))
        return {stem, stem.size() <= kMaxCanvasStemBytes};
    std::string fallback = "D0Canvas";
    if (combination > 0)
        fallback += "_" + std::to_string(combination);
    const std::string withIdentity = fallback + "_" + safeFileStem(identity);
    if (!safeFileStem(identity).empty() && withIdentity.size() <= kMaxCanvasStemBytes)
        fallback = withIdentity;
    return {fallback, true};
}

CanvasSavePlan planCanvasSave(const std::string& typed, const std::string& placeholder,
                              int combination, const std::string& identity, bool folderExists,
                              bool folderWritable) {
    using Outcome = CanvasSavePlan::Outcome;
    CanvasSavePlan plan;
    const CanvasFileName name = canvasFileName(typed, placeholder, combination, identity);
    plan.stem = name.stem;
    if (!name.fits) {
        plan.outcome = Outcome::NameTooLong;
        plan.nameBytes = static_cast<int>(name.stem.size() + 5);
        plan.maxNameBytes = static_cast<int>(kMaxCanvasStemBytes + 5);
    } else if (!folderExists) {
        plan.outcome = Outcome::FolderMissing;
    } else if (!folderWritable) {
        plan.outcome = Outcome::FolderNotWritable;
    } else {
        for (const char* extension : {".root", ".eps", ".pdf", ".png"})
            plan.files.push_back(name.stem + extension);
    }
    return plan;
}

} // namespace vexel
