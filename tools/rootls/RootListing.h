#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The listings of vexel-rootls, written to a stream so that tests can check them.
namespace rootlisting {

extern const char* const kUsage;

// Shortest decimal text that reads back as exactly `v`.
std::string formatNumber(double v);

// Keys of the top directory: "name;cycle  class  title", one per line.
void listKeys(const std::string& file, std::ostream& out);
// Entry count and branches of a tree with their types.
void listTree(const std::string& file, const std::string& tree, std::ostream& out);
// Values of the branches, one entry per line, separated by tabs; arrays as "[a b c]".
void listValues(const std::string& file, const std::string& tree,
                const std::vector<std::string>& branches, std::ostream& out);

// Runs the command line; returns the exit status. Errors go to `err`.
int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace rootlisting
