// libFuzzer entry: any byte sequence given to the reader either reads or raises rootio::Error.
// Anything else (a crash, a sanitizer report, another exception, a time-out) is a finding.
#include "rootio/Error.h"
#include "rootio/FileReader.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

void readTree(const rootio::FileReader& r, const std::string& tree) {
    const long long entries = r.treeEntries(tree);
    for (const auto& b : r.branches(tree)) {
        try {
            if (b.typeName == "string")
                r.readStringColumn(tree, b.name);
            else if (b.typeName == "TObjArray")
                for (long long e = 0; e < entries && e < 4; ++e)
                    r.readEvent(tree, e);
            else
                r.readRows(tree, b.name);
        } catch (const rootio::Error&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const rootio::FileReader r("fuzz.root", std::vector<std::uint8_t>(data, data + size));
        r.streamerInfoClasses();
        for (const auto& k : r.keys()) {
            try {
                if (k.className == "TH1F" || k.className == "TH1D")
                    r.readHistogram(k.name);
                else if (k.className == "TGraph")
                    r.readGraph(k.name);
                else if (k.className == "TObjString")
                    r.readObjString(k.name);
                else if (k.className == "TDirectory" || k.className == "TDirectoryFile")
                    r.keys(k.name);
                else
                    readTree(r, k.name);
            } catch (const rootio::Error&) {
            }
        }
    } catch (const rootio::Error&) {
    }
    return 0;
}
