#pragma once

#include "rootio/StreamedObject.h"

#include <cstdint>
#include <string>
#include <vector>

namespace rootio {

class RecordSource;
class StreamerInfoSet;

struct LeafModel {
    std::string name, title, className;
    int len = 1;
    bool isUnsigned = false;
    std::string countLeaf;  // name of the counter leaf of a variable-size array
    bool isVirtual = false; // TLeafObject: class name written before each object
};

// What a branch holds, as far as reading columns goes.
struct BranchType {
    enum class Kind { Numbers, Strings, Object, Unsupported };
    Kind kind = Kind::Unsupported;
    int code = 0;          // basic type code (1 char ... 18 bool) for Numbers
    int perEntry = 1;      // fixed number of values per entry; 0 for variable-size arrays
    bool flagged = false;  // variable arrays of split objects: a flag byte starts the entry
    std::string typeName;  // e.g. "double", "int32[3]", "float[n]", "string", "TObjArray"
    std::string className; // object branches: the class of each entry
};

struct BranchModel {
    std::string name, title, className;
    std::vector<LeafModel> leaves;
    int writeBasket = 0;
    std::vector<std::int32_t> basketBytes;
    std::vector<std::int64_t> basketEntry, basketSeek;
    std::int64_t entries = 0;
    int entryOffsetLen = 0;
    int streamerType = -1, type = 0, id = -1;
    std::string elementClass;
    std::vector<BranchModel> children;
    BranchType valueType;
};

// A tree read from its TTree record: branch descriptions and basket-by-basket reading.
class TreeReader {
public:
    TreeReader(const RecordSource& source, const StreamerInfoSet& infos,
               const StreamedObject& tree);

    std::int64_t entries() const { return entries_; }
    // All branches, depth first, sub-branches after their parent.
    std::vector<const BranchModel*> branches() const;
    const BranchModel* find(const std::string& name) const;

    std::vector<double> readColumn(const BranchModel& b) const;
    std::vector<std::string> readStrings(const BranchModel& b) const;
    // Per entry, the values of a numeric branch (arrays flattened within the entry).
    std::vector<std::vector<double>> readRows(const BranchModel& b) const;
    // The object stored in an object branch at `entry`.
    StreamedObjectPtr readObjectEntry(const BranchModel& b, std::int64_t entry) const;

private:
    struct Basket {
        std::vector<std::uint8_t> payload; // uncompressed, starts at the key length
        std::int32_t keylen = 0;
        std::int32_t last = 0; // end of entry data, record-relative
        std::int32_t nevBuf = 0;
        std::vector<std::int32_t> offsets; // record-relative entry starts, empty if fixed size
    };
    void loadBasket(const BranchModel& b, int index, Basket& out) const;
    // Calls `entry(data, size)` for each entry of the branch, basket by basket.
    template <typename F> void forEachEntry(const BranchModel& b, F&& entry) const;

    const RecordSource& source_;
    const StreamerInfoSet& infos_;
    std::string name_;
    std::int64_t entries_ = 0;
    std::vector<BranchModel> branches_;
};

} // namespace rootio
