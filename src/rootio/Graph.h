#pragma once

#include <string>
#include <vector>

namespace rootio {

// The stored content of a TGraph: points in the given order.
struct Graph {
    std::string name, title;
    std::vector<double> x, y;
    std::string xTitle, yTitle;
};

} // namespace rootio
