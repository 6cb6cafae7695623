#include "classroom/ClassLabel.h"

namespace classroom {

std::string ClassLabel::shown() const {
    std::string out;
    for (const std::string* part : {&school, &className, &date})
        if (!part->empty())
            out += (out.empty() ? "" : ", ") + *part;
    return out;
}

std::string ClassLabel::exportFileName() const {
    std::string name;
    for (const std::string* part : {&school, &className, &date}) {
        if (part->empty())
            continue;
        if (!name.empty())
            name += '_';
        for (unsigned char c : *part) {
            const bool unsafe = c < 0x20 || c == 0x7f || c == ' ' ||
                                std::string("/\\:*?\"<>|").find(char(c)) != std::string::npos;
            name += unsafe ? '_' : char(c);
        }
    }
    // No hidden file, no "." or "..".
    while (!name.empty() && name.front() == '.')
        name.front() = '_';
    constexpr std::size_t kMaxBytes = 120;
    if (name.size() > kMaxBytes) {
        std::size_t cut = kMaxBytes;
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
            --cut; // not inside a UTF-8 character
        name.resize(cut);
    }
    return (name.empty() ? "class" : name) + ".root";
}

} // namespace classroom
