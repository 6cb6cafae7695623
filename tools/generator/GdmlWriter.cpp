#include "GdmlWriter.h"

#include <cstdio>
#include <sstream>

namespace vexelgen {

namespace {

// Shortest decimal text that reads back to the same double, independent of the locale.
std::string number(double v) {
    char buffer[40];
    for (int precision = 6; precision <= 17; ++precision) {
        std::snprintf(buffer, sizeof buffer, "%.*g", precision, v);
        double back = 0;
        std::sscanf(buffer, "%lf", &back);
        if (back == v)
            break;
    }
    return buffer;
}

} // namespace

std::string GdmlWriter::toGdml(const DetectorGeometry& g) {
    std::ostringstream out;
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<gdml>\n";

    out << "  <define/>\n  <materials>\n";
    for (const auto& e : g.elements())
        out << "    <element name=\"" << e.name << "\" formula=\"" << e.symbol << "\" Z=\"" << e.Z
            << "\"><atom unit=\"g/mole\" value=\"" << number(e.A) << "\"/></element>\n";
    for (const auto& m : g.materials()) {
        out << "    <material name=\"" << m.name << "\" state=\"" << m.state << "\">\n"
            << "      <D unit=\"g/cm3\" value=\"" << number(m.density) << "\"/>\n";
        for (const auto& c : m.components)
            out << "      <fraction n=\"" << number(c.massFraction) << "\" ref=\"" << c.ref
                << "\"/>\n";
        out << "    </material>\n";
    }
    out << "  </materials>\n  <solids>\n";
    for (const auto& s : g.solids()) {
        if (s.kind == DetectorGeometry::Solid::Kind::Box)
            out << "    <box name=\"" << s.name << "\" lunit=\"mm\" x=\"" << number(2 * s.a)
                << "\" y=\"" << number(2 * s.b) << "\" z=\"" << number(2 * s.c) << "\"/>\n";
        else
            out << "    <tube name=\"" << s.name << "\" lunit=\"mm\" aunit=\"deg\" rmin=\""
                << number(s.a) << "\" rmax=\"" << number(s.b) << "\" z=\"" << number(2 * s.c)
                << "\" startphi=\"0\" deltaphi=\"360\"/>\n";
    }
    out << "  </solids>\n  <structure>\n";
    for (const auto& v : g.volumes()) {
        out << "    <volume name=\"" << v.name << "\">\n"
            << "      <materialref ref=\"" << v.material << "\"/>\n"
            << "      <solidref ref=\"" << v.solid << "\"/>\n";
        for (const auto& p : v.daughters) {
            out << "      <physvol name=\"" << p.name << "\">\n"
                << "        <volumeref ref=\"" << p.volume << "\"/>\n"
                << "        <position name=\"" << p.name << "_pos\" unit=\"mm\" x=\"" << number(p.x)
                << "\" y=\"" << number(p.y) << "\" z=\"" << number(p.z) << "\"/>\n";
            if (p.rotationY != 0)
                out << "        <rotation name=\"" << p.name << "_rot\" unit=\"deg\" x=\"0\" y=\""
                    << number(p.rotationY) << "\" z=\"0\"/>\n";
            out << "      </physvol>\n";
        }
        out << "    </volume>\n";
    }
    out << "  </structure>\n  <setup name=\"Default\" version=\"1.0\">\n"
        << "    <world ref=\"" << g.worldName() << "\"/>\n  </setup>\n</gdml>\n";
    return out.str();
}

} // namespace vexelgen
