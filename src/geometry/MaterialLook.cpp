#include "MaterialLook.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace vexel::geometry {

namespace {

double parseNumber(const std::string& text) {
    if (text.empty())
        return NAN;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    return (end && *end == '\0') ? value : NAN;
}

std::string attribute(const std::map<std::string, std::string>& attributes, const char* key) {
    const auto it = attributes.find(key);
    return it == attributes.end() ? std::string() : it->second;
}

// Colours by atomic number, in bands of similar elements.
Rgb colourForZ(int z) {
    if (z <= 2)
        return {230, 230, 250}; // hydrogen, helium
    if (z <= 5)
        return {255, 255, 204}; // light metals
    if (z <= 9)
        return {204, 255, 204}; // carbon, nitrogen, oxygen
    if (z <= 12)
        return {255, 204, 204};
    if (z == 13)
        return {176, 176, 190}; // aluminium
    if (z == 14)
        return {153, 153, 230}; // silicon
    if (z <= 25)
        return {255, 178, 102};
    if (z <= 28)
        return {140, 140, 160}; // iron, cobalt, nickel
    if (z == 29)
        return {204, 102, 51}; // copper
    if (z <= 72)
        return {204, 153, 102};
    if (z == 74)
        return {96, 96, 120}; // tungsten
    if (z == 82)
        return {102, 102, 102}; // lead
    return {128, 128, 128};
}

// Compounds and mixtures: colours by density.
Rgb colourForDensity(double density) {
    if (density < 0.1)
        return {220, 230, 245}; // gas
    if (density < 1.5)
        return {102, 204, 153}; // plastics, scintillators
    if (density < 3.0)
        return {153, 204, 255}; // glass, light alloys, silicon compounds
    if (density < 6.0)
        return {255, 178, 102};
    return {153, 153, 170}; // heavy metals and their alloys
}

std::string lowered(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Common detector materials by name.
bool colourForName(const std::string& name, Rgb* colour) {
    static const std::map<std::string, Rgb> table = {
        {"silicon", {153, 153, 230}},
        {"aluminium", {176, 176, 190}},
        {"aluminum", {176, 176, 190}},
        {"iron", {196, 120, 90}},
        {"steel", {150, 150, 165}},
        {"copper", {210, 120, 60}},
        {"lead", {110, 110, 125}},
        {"tungsten", {96, 96, 120}},
        {"scintillator", {102, 204, 153}},
        {"glass", {150, 210, 230}},
        {"leadfibre", {90, 130, 200}},
        {"leadscintillator", {120, 170, 220}},
        {"ironscintillator", {220, 160, 90}},
        {"beryllium", {220, 220, 170}},
        {"air", {220, 230, 245}},
        {"vacuum", {235, 235, 250}},
    };
    const auto found = table.find(lowered(name));
    if (found == table.end())
        return false;
    *colour = found->second;
    return true;
}

} // namespace

double densityInGramPerCm3(const std::string& value, const std::string& unit) {
    const double v = parseNumber(value);
    if (std::isnan(v) || v < 0)
        return -1;
    if (unit.empty() || unit == "g/cm3" || unit == "g/cm^3")
        return v;
    if (unit == "mg/cm3" || unit == "mg/cm^3" || unit == "kg/m3" || unit == "kg/m^3")
        return v * 1e-3;
    return -1;
}

MaterialLook defaultMaterialLook(const std::string& name,
                                 const std::map<std::string, std::string>& attributes) {
    MaterialLook look;
    const double density =
        densityInGramPerCm3(attribute(attributes, "D"), attribute(attributes, "Dunit"));
    const double z = parseNumber(attribute(attributes, "Z"));
    const bool gas = attribute(attributes, "state") == "gas" || (density >= 0 && density < 0.1);
    if (!colourForName(name, &look.colour)) {
        if (!std::isnan(z) && z >= 1)
            look.colour = colourForZ(static_cast<int>(z));
        else
            look.colour = colourForDensity(density < 0 ? 1.0 : density);
    }
    if (gas)
        look.transparency = 60;
    return look;
}

} // namespace vexel::geometry
