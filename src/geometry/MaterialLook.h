#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace vexel::geometry {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

// What a material looks like when the detector is loaded: a colour and a
// transparency in per cent (0 opaque, 100 invisible).
struct MaterialLook {
    Rgb colour;
    unsigned transparency = 0;
};

// Density in g/cm3 from a GDML density value and unit ("" means g/cm3);
// a negative value when the unit is unknown or the value is not a number.
double densityInGramPerCm3(const std::string& value, const std::string& unit);

// The default look of a material: by its name for the common detector materials,
// else by its atomic number when it has one (a simple material), else by its
// density. Materials lighter than 0.1 g/cm3 (gases, vacuum) are 60 % transparent.
// attributes are the GDML attributes of the material ("Z", "D", "Dunit", "state").
MaterialLook defaultMaterialLook(const std::string& name,
                                 const std::map<std::string, std::string>& attributes);

} // namespace vexel::geometry
