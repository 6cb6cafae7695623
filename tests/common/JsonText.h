#pragma once

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

// JSON text of the values a test wrote, for the JSROOT checks to compare with.
namespace vexel::test::json {

// A number with every digit a double holds; "nan", "inf", "-inf" as strings.
inline std::string num(double v) {
    if (std::isnan(v))
        return "\"nan\"";
    if (std::isinf(v))
        return v > 0 ? "\"inf\"" : "\"-inf\"";
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

// A quoted string, quotes, backslashes and control characters escaped.
inline std::string str(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

// An array of numbers.
inline std::string nums(const std::vector<double>& v) {
    std::string out = "[";
    for (std::size_t i = 0; i < v.size(); ++i)
        out += (i ? "," : "") + num(v[i]);
    return out + "]";
}

} // namespace vexel::test::json
