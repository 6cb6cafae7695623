#include "RootListing.h"

#include "rootio/Error.h"
#include "rootio/FileReader.h"

#include <cstdio>
#include <cstdlib>
#include <iomanip>
#include <ostream>
#include <sstream>

namespace rootlisting {

const char* const kUsage =
    "Usage: vexel-rootls FILE [TREE [BRANCH...]]\n"
    "\n"
    "Looks into a ROOT file.\n"
    "  vexel-rootls FILE                 lists the objects of the file: name;cycle, class, "
    "title\n"
    "  vexel-rootls FILE TREE            the tree's number of entries and its branches with "
    "their types\n"
    "  vexel-rootls FILE TREE BRANCH...  the values of the branches, one entry per line\n"
    "                                    (columns separated by tabs, arrays as [a b c];\n"
    "                                    an event branch shows the particle names of its "
    "records)\n"
    "\n"
    "Types: bool, int8, uint8, int16, uint16, int32, uint32, int64, uint64, float, double,\n"
    "string; [N] marks a fixed-size array, [n] an array whose length is given by branch n.\n"
    "Exit status: 0 on success, 1 when the file cannot be read, 2 on wrong usage.\n";

std::string formatNumber(double v) {
    char buf[64];
    for (int precision = 6; precision <= 17; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*g", precision, v);
        if (std::strtod(buf, nullptr) == v)
            break;
    }
    return buf;
}

void listKeys(const std::string& file, std::ostream& out) {
    rootio::FileReader reader(file);
    const auto keys = reader.keys();
    std::size_t nameWidth = 4, classWidth = 5;
    for (const auto& k : keys) {
        nameWidth = std::max(nameWidth, k.name.size() + 1 + std::to_string(k.cycle).size());
        classWidth = std::max(classWidth, k.className.size());
    }
    for (const auto& k : keys) {
        out << std::left << std::setw(static_cast<int>(nameWidth))
            << (k.name + ";" + std::to_string(k.cycle)) << "  "
            << std::setw(static_cast<int>(classWidth)) << k.className << "  " << k.title << "\n";
    }
}

void listTree(const std::string& file, const std::string& tree, std::ostream& out) {
    rootio::FileReader reader(file);
    const long long entries = reader.treeEntries(tree);
    const auto branches = reader.branches(tree);
    out << tree << ": " << entries << " entries, " << branches.size() << " branches\n";
    std::size_t width = 6;
    for (const auto& b : branches)
        width = std::max(width, b.name.size());
    for (const auto& b : branches)
        out << "  " << std::left << std::setw(static_cast<int>(width)) << b.name << "  "
            << b.typeName << "\n";
}

void listValues(const std::string& file, const std::string& tree,
                const std::vector<std::string>& names, std::ostream& out) {
    rootio::FileReader reader(file);
    const long long entries = reader.treeEntries(tree);
    const auto infos = reader.branches(tree);
    std::vector<std::vector<std::string>> columns;
    for (const auto& name : names) {
        std::string type;
        for (const auto& b : infos)
            if (b.name == name || b.name.substr(0, b.name.find('[')) == name)
                type = b.typeName;
        std::vector<std::string> cells;
        if (type == "string") {
            cells = reader.readStringColumn(tree, name);
        } else if (type == "TObjArray") {
            // Event records: the particle names of each entry.
            for (long long e = 0; e < entries; ++e) {
                std::string cell = "[";
                const auto tracks = reader.readEvent(tree, e);
                for (std::size_t i = 0; i < tracks.size(); ++i)
                    cell += (i ? " " : "") +
                            (tracks[i].hasParticleId ? tracks[i].particleId : std::string("-"));
                cells.push_back(cell + "]");
            }
        } else {
            const bool scalar =
                type.find('[') == std::string::npos && type.find(':') == std::string::npos;
            for (const auto& row : reader.readRows(tree, name)) {
                std::string cell = scalar ? "" : "[";
                for (std::size_t i = 0; i < row.size(); ++i)
                    cell += (i ? " " : "") + formatNumber(row[i]);
                if (!scalar)
                    cell += "]";
                cells.push_back(cell);
            }
        }
        if (static_cast<long long>(cells.size()) != entries)
            throw rootio::Error(file, "branch \"" + name + "\" has " +
                                          std::to_string(cells.size()) + " entries, the tree " +
                                          std::to_string(entries));
        columns.push_back(std::move(cells));
    }
    for (std::size_t i = 0; i < names.size(); ++i)
        out << (i ? "\t" : "") << names[i];
    out << "\n";
    for (long long e = 0; e < entries; ++e) {
        for (std::size_t i = 0; i < columns.size(); ++i)
            out << (i ? "\t" : "") << columns[i][static_cast<std::size_t>(e)];
        out << "\n";
    }
}

int run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    for (const auto& a : args)
        if (a == "--help" || a == "-h") {
            out << kUsage;
            return 0;
        }
    if (args.empty() || (!args.empty() && args[0].rfind("-", 0) == 0)) {
        err << kUsage;
        return 2;
    }
    try {
        if (args.size() == 1)
            listKeys(args[0], out);
        else if (args.size() == 2)
            listTree(args[0], args[1], out);
        else
            listValues(args[0], args[1], std::vector<std::string>(args.begin() + 2, args.end()),
                       out);
    } catch (const std::exception& e) {
        out.flush();
        err << "vexel-rootls: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

} // namespace rootlisting
