#pragma once

#include <string>

namespace classroom {

// A CSV field: quoted (with doubled quotes) when it holds a comma, quote or line break.
inline std::string csvField(const std::string& s) {
    if (s.find_first_of(",\"\n\r") == std::string::npos)
        return s;
    std::string out = "\"";
    for (char c : s)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

} // namespace classroom
