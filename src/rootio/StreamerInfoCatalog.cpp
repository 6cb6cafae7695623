#include "rootio/StreamerInfoCatalog.h"

#include "rootio/BasicType.h"
#include "rootio/Error.h"
#include "rootio/TrackRecord.h"
#include "rootio/WriteBuffer.h"

#include <algorithm>
#include <functional>
#include <set>

namespace rootio {

namespace {

using Kind = StreamerElementSpec::Kind;

StreamerElementSpec base(const std::string& name, int type, int version, const std::string& title) {
    StreamerElementSpec e;
    e.kind = Kind::Base;
    e.name = name;
    e.title = title;
    e.type = type;
    e.typeName = "BASE";
    e.baseVersion = version;
    return e;
}

StreamerElementSpec basic(const std::string& name, int type, const std::string& typeName,
                          const std::string& title) {
    StreamerElementSpec e;
    e.kind = Kind::BasicType;
    e.name = name;
    e.title = title;
    e.type = type;
    e.size = basicTypeWidth(type);
    e.typeName = typeName;
    return e;
}

StreamerElementSpec pointer(const std::string& name, int type, const std::string& typeName,
                            const std::string& countName, const std::string& countClass,
                            int countVersion, const std::string& title) {
    StreamerElementSpec e;
    e.kind = Kind::BasicPointer;
    e.name = name;
    e.title = title;
    e.type = type;
    e.size = 8;
    e.typeName = typeName;
    e.countName = countName;
    e.countClass = countClass;
    e.countVersion = countVersion;
    return e;
}

StreamerElementSpec member(Kind kind, const std::string& name, int type, int size,
                           const std::string& typeName, const std::string& title) {
    StreamerElementSpec e;
    e.kind = kind;
    e.name = name;
    e.title = title;
    e.type = type;
    e.size = size;
    e.typeName = typeName;
    return e;
}

StreamerElementSpec tstring(const std::string& name, const std::string& title) {
    return member(Kind::String, name, 65, 24, "TString", title);
}

StreamerElementSpec objectPointer(const std::string& name, const std::string& typeName,
                                  const std::string& title, int type = 64) {
    return member(Kind::ObjectPointer, name, type, 8, typeName, title);
}

const char* kTNamedTitle = "The basis for a named object (name, title)";

std::vector<ClassSpec> definitions() {
    std::vector<ClassSpec> c;
    c.push_back({"TObject",
                 1,
                 {basic("fUniqueID", 13, "unsigned int", "object unique identifier"),
                  basic("fBits", 15, "unsigned int", "bit field status word")},
                 {}});
    c.push_back({"TNamed",
                 1,
                 {base("TObject", 66, 1, "Basic ROOT object"),
                  tstring("fName", "object identifier"), tstring("fTitle", "object title")},
                 {}});
    c.push_back({"TAttLine",
                 2,
                 {basic("fLineColor", 2, "short", "Line color"),
                  basic("fLineStyle", 2, "short", "Line style"),
                  basic("fLineWidth", 2, "short", "Line width")},
                 {}});
    c.push_back({"TAttFill",
                 2,
                 {basic("fFillColor", 2, "short", "Fill area color"),
                  basic("fFillStyle", 2, "short", "Fill area style")},
                 {}});
    c.push_back({"TAttMarker",
                 2,
                 {basic("fMarkerColor", 2, "short", "Marker color"),
                  basic("fMarkerStyle", 2, "short", "Marker style"),
                  basic("fMarkerSize", 5, "float", "Marker size")},
                 {}});
    c.push_back({"TAttAxis",
                 4,
                 {basic("fNdivisions", 3, "int", "Number of divisions(10000*n3 + 100*n2 + n1)"),
                  basic("fAxisColor", 2, "short", "Color of the line axis"),
                  basic("fLabelColor", 2, "short", "Color of labels"),
                  basic("fLabelFont", 2, "short", "Font for labels"),
                  basic("fLabelOffset", 5, "float", "Offset of labels"),
                  basic("fLabelSize", 5, "float", "Size of labels"),
                  basic("fTickLength", 5, "float", "Length of tick marks"),
                  basic("fTitleOffset", 5, "float", "Offset of axis title"),
                  basic("fTitleSize", 5, "float", "Size of axis title"),
                  basic("fTitleColor", 2, "short", "Color of axis title"),
                  basic("fTitleFont", 2, "short", "Font for axis title")},
                 {}});
    c.push_back(
        {"TAxis",
         10,
         {base("TNamed", 67, 1, kTNamedTitle), base("TAttAxis", 0, 4, "Axis attributes"),
          basic("fNbins", 3, "int", "Number of bins"),
          basic("fXmin", 8, "double", "low edge of first bin"),
          basic("fXmax", 8, "double", "upper edge of last bin"),
          member(Kind::ObjectAny, "fXbins", 62, 24, "TArrayD", "Bin edges array in X"),
          basic("fFirst", 3, "int", "first bin to display"),
          basic("fLast", 3, "int", "last bin to display"),
          basic("fBits2", 12, "unsigned short", "second bit status word"),
          basic("fTimeDisplay", 18, "bool", "on/off displaying time values instead of numerics"),
          tstring("fTimeFormat", "Date&time format, ex: 09/12/99 12:34:00"),
          objectPointer("fLabels", "THashList*", "List of labels"),
          objectPointer("fModLabs", "TList*", "List of modified labels")},
         {"THashList", "TList"}});
    c.push_back({"TArray", 1, {basic("fN", 3, "int", "Number of array elements")}, {}});
    c.push_back({"TArrayF",
                 1,
                 {base("TArray", 0, 1, "Abstract array base class"),
                  pointer("fArray", 45, "float*", "fN", "TArray", 1, "[fN] Array of fN floats")},
                 {}});
    c.push_back({"TArrayD",
                 1,
                 {base("TArray", 0, 1, "Abstract array base class"),
                  pointer("fArray", 48, "double*", "fN", "TArray", 1, "[fN] Array of fN doubles")},
                 {}});
    c.push_back(
        {"TCollection",
         3,
         {base("TObject", 66, 1, "Basic ROOT object"), tstring("fName", "name of the collection"),
          basic("fSize", 3, "int", "number of elements in collection")},
         {}});
    c.push_back({"TSeqCollection",
                 0,
                 {base("TCollection", 0, 3, "Collection abstract base class")},
                 {},
                 0,
                 0xfc6c3bc6u}); // ROOT folds in the unstreamed fSorted
    c.push_back({"TList", 5, {base("TSeqCollection", 0, 0, "Sequenceable collection ABC")}, {}});
    c.push_back({"THashList",
                 0,
                 {base("TList", 0, 5, "Doubly linked list")},
                 {},
                 0,
                 0xcc7e49c1u}); // ROOT folds in the unstreamed fTable
    c.push_back({"TObjArray",
                 3,
                 {base("TSeqCollection", 0, 0, "Sequenceable collection ABC"),
                  basic("fLowerBound", 3, "int", "Lower bound of the array"),
                  basic("fLast", 3, "int", "Last element in array containing an object")},
                 {}});
    c.push_back(
        {"TH1",
         8,
         {base("TNamed", 67, 1, kTNamedTitle),
          base("TAttLine", 0, 2, "Line attributes"),
          base("TAttFill", 0, 2, "Fill area attributes"),
          base("TAttMarker", 0, 2, "Marker attributes"),
          basic("fNcells", 3, "int", "Number of bins(1D), cells (2D) +U/Overflows"),
          member(Kind::Object, "fXaxis", 61, 216, "TAxis", "X axis descriptor"),
          member(Kind::Object, "fYaxis", 61, 216, "TAxis", "Y axis descriptor"),
          member(Kind::Object, "fZaxis", 61, 216, "TAxis", "Z axis descriptor"),
          basic("fBarOffset", 2, "short", "(1000*offset) for bar charts or legos"),
          basic("fBarWidth", 2, "short", "(1000*width) for bar charts or legos"),
          basic("fEntries", 8, "double", "Number of entries"),
          basic("fTsumw", 8, "double", "Total Sum of weights"),
          basic("fTsumw2", 8, "double", "Total Sum of squares of weights"),
          basic("fTsumwx", 8, "double", "Total Sum of weight*X"),
          basic("fTsumwx2", 8, "double", "Total Sum of weight*X*X"),
          basic("fMaximum", 8, "double", "Maximum value for plotting"),
          basic("fMinimum", 8, "double", "Minimum value for plotting"),
          basic("fNormFactor", 8, "double", "Normalization factor"),
          member(Kind::ObjectAny, "fContour", 62, 24, "TArrayD", "Array to display contour levels"),
          member(Kind::ObjectAny, "fSumw2", 62, 24, "TArrayD",
                 "Array of sum of squares of weights"),
          tstring("fOption", "Histogram options"),
          objectPointer("fFunctions", "TList*", "->Pointer to list of functions (fits and user)",
                        63),
          basic("fBufferSize", 6, "int", "fBuffer size"),
          pointer("fBuffer", 48, "double*", "fBufferSize", "TH1", 8, "[fBufferSize] entry buffer"),
          basic("fBinStatErrOpt", 3, "TH1::EBinErrorOpt", "Option for bin statistical errors"),
          basic("fStatOverflows", 3, "TH1::EStatOverflows",
                "Per object flag to use under/overflows in statistics")},
         {"TAxis", "TArrayD", "TList"}});
    c.push_back({"TH1F",
                 3,
                 {base("TH1", 0, 8, "1-Dim histogram base class"),
                  base("TArrayF", 0, 1, "Array of floats")},
                 {}});
    c.push_back({"TH1D",
                 3,
                 {base("TH1", 0, 8, "1-Dim histogram base class"),
                  base("TArrayD", 0, 1, "Array of doubles")},
                 {}});
    c.push_back(
        {"TGraph",
         4,
         {base("TNamed", 67, 1, kTNamedTitle), base("TAttLine", 0, 2, "Line attributes"),
          base("TAttFill", 0, 2, "Fill area attributes"),
          base("TAttMarker", 0, 2, "Marker attributes"),
          basic("fNpoints", 6, "int", "Number of points <= fMaxSize"),
          pointer("fX", 48, "double*", "fNpoints", "TGraph", 4, "[fNpoints] array of X points"),
          pointer("fY", 48, "double*", "fNpoints", "TGraph", 4, "[fNpoints] array of Y points"),
          objectPointer("fFunctions", "TList*", "Pointer to list of functions (fits and user)"),
          objectPointer("fHistogram", "TH1F*", "Pointer to histogram used for drawing axis"),
          basic("fMinimum", 8, "double", "Minimum value for plotting along y"),
          basic("fMaximum", 8, "double", "Maximum value for plotting along y")},
         {"TList", "TH1F"}});
    c.push_back({"ROOT::TIOFeatures", 1, {basic("fIOBits", 11, "unsigned char", "")}, {}});
    const char* clusterTitle = "[fNClusterRange] Last entry of a cluster range.";
    c.push_back(
        {"TTree",
         20,
         {base("TNamed", 67, 1, kTNamedTitle),
          base("TAttLine", 0, 2, "Line attributes"),
          base("TAttFill", 0, 2, "Fill area attributes"),
          base("TAttMarker", 0, 2, "Marker attributes"),
          basic("fEntries", 16, "Long64_t", "Number of entries"),
          basic("fTotBytes", 16, "Long64_t",
                "Total number of bytes in all branches before compression"),
          basic("fZipBytes", 16, "Long64_t",
                "Total number of bytes in all branches after compression"),
          basic("fSavedBytes", 16, "Long64_t", "Number of autosaved bytes"),
          basic("fFlushedBytes", 16, "Long64_t", "Number of auto-flushed bytes"),
          basic("fWeight", 8, "double", "Tree weight (see TTree::SetWeight)"),
          basic("fTimerInterval", 3, "int", "Timer interval in milliseconds"),
          basic("fScanField", 3, "int", "Number of runs before prompting in Scan"),
          basic("fUpdate", 3, "int", "Update frequency for EntryLoop"),
          basic("fDefaultEntryOffsetLen", 3, "int",
                "Initial Length of fEntryOffset table in the basket buffers"),
          basic("fNClusterRange", 6, "int",
                "Number of Cluster range in addition to the one defined by 'AutoFlush'"),
          basic("fMaxEntries", 16, "Long64_t",
                "Maximum number of entries in case of circular buffers"),
          basic("fMaxEntryLoop", 16, "Long64_t", "Maximum number of entries to process"),
          basic("fMaxVirtualSize", 16, "Long64_t", "Maximum total size of buffers kept in memory"),
          basic("fAutoSave", 16, "Long64_t",
                "Autosave tree when fAutoSave entries written or -fAutoSave (compressed) bytes "
                "produced"),
          basic("fAutoFlush", 16, "Long64_t",
                "Auto-flush tree when fAutoFlush entries written or -fAutoFlush (compressed) bytes "
                "produced"),
          basic("fEstimate", 16, "Long64_t", "Number of entries to estimate histogram limits"),
          pointer("fClusterRangeEnd", 56, "Long64_t*", "fNClusterRange", "TTree", 20, clusterTitle),
          pointer("fClusterSize", 56, "Long64_t*", "fNClusterRange", "TTree", 20,
                  "[fNClusterRange] Number of entries in each cluster for a given range."),
          member(Kind::ObjectAny, "fIOFeatures", 62, 1, "ROOT::TIOFeatures",
                 "IO features to define for newly-written baskets and branches."),
          member(Kind::Object, "fBranches", 61, 64, "TObjArray", "List of Branches"),
          member(Kind::Object, "fLeaves", 61, 64, "TObjArray",
                 "Direct pointers to individual branch leaves"),
          objectPointer("fAliases", "TList*",
                        "List of aliases for expressions based on the tree branches."),
          member(Kind::ObjectAny, "fIndexValues", 62, 24, "TArrayD", "Sorted index values"),
          member(Kind::ObjectAny, "fIndex", 62, 24, "TArrayI", "Index of sorted values"),
          objectPointer("fTreeIndex", "TVirtualIndex*", "Pointer to the tree Index (if any)"),
          objectPointer("fFriends", "TList*", "pointer to list of friend elements"),
          objectPointer("fUserInfo", "TList*",
                        "pointer to a list of user objects associated to this Tree"),
          objectPointer("fBranchRef", "TBranchRef*", "Branch supporting the TRefTable (if any)")},
         {"ROOT::TIOFeatures", "TObjArray", "TList", "TBranch"}});
    const char* maxBaskets = "fMaxBaskets";
    c.push_back(
        {"TBranch",
         13,
         {base("TNamed", 67, 1, kTNamedTitle),
          base("TAttFill", 0, 2, "Fill area attributes"),
          basic("fCompress", 3, "int", "Compression level and algorithm"),
          basic("fBasketSize", 3, "int", "Initial Size of  Basket Buffer"),
          basic("fEntryOffsetLen", 3, "int",
                "Initial Length of fEntryOffset table in the basket buffers"),
          basic("fWriteBasket", 3, "int", "Last basket number written"),
          basic("fEntryNumber", 16, "Long64_t",
                "Current entry number (last one filled in this branch)"),
          member(Kind::ObjectAny, "fIOFeatures", 62, 1, "ROOT::TIOFeatures",
                 "IO features for newly-created baskets."),
          basic("fOffset", 3, "int", "Offset of this branch"),
          basic("fMaxBaskets", 6, "int", "Maximum number of Baskets so far"),
          basic("fSplitLevel", 3, "int", "Branch split level"),
          basic("fEntries", 16, "Long64_t", "Number of entries"),
          basic("fFirstEntry", 16, "Long64_t", "Number of the first entry in this branch"),
          basic("fTotBytes", 16, "Long64_t",
                "Total number of bytes in all leaves before compression"),
          basic("fZipBytes", 16, "Long64_t",
                "Total number of bytes in all leaves after compression"),
          member(Kind::Object, "fBranches", 61, 64, "TObjArray",
                 "-> List of Branches of this branch"),
          member(Kind::Object, "fLeaves", 61, 64, "TObjArray", "-> List of leaves of this branch"),
          member(Kind::Object, "fBaskets", 61, 64, "TObjArray",
                 "-> List of baskets of this branch"),
          pointer("fBasketBytes", 43, "int*", maxBaskets, "TBranch", 13,
                  "[fMaxBaskets] Length of baskets on file"),
          pointer("fBasketEntry", 56, "Long64_t*", maxBaskets, "TBranch", 13,
                  "[fMaxBaskets] Table of first entry in each basket"),
          pointer("fBasketSeek", 56, "Long64_t*", maxBaskets, "TBranch", 13,
                  "[fMaxBaskets] Addresses of baskets on file"),
          tstring("fFileName",
                  "Name of file where buffers are stored (\"\" if in same file as Tree header)")},
         {"ROOT::TIOFeatures", "TObjArray"}});
    c.push_back(
        {"TLeaf",
         2,
         {base("TNamed", 67, 1, kTNamedTitle),
          basic("fLen", 3, "int", "Number of fixed length elements in the leaf's data."),
          basic("fLenType", 3, "int", "Number of bytes for this data type"),
          basic("fOffset", 3, "int", "Offset in ClonesArray object (if one)"),
          basic("fIsRange", 18, "bool", "(=kTRUE if leaf has a range, kFALSE otherwise)"),
          basic("fIsUnsigned", 18, "bool", "(=kTRUE if unsigned, kFALSE otherwise)"),
          objectPointer("fLeafCount", "TLeaf*",
                        "Pointer to Leaf count if variable length (we do not own the counter)")},
         {}});
    c.push_back({"TLeafD",
                 1,
                 {base("TLeaf", 0, 2, "Leaf: description of a Branch data type"),
                  basic("fMinimum", 8, "double", "Minimum value if leaf range is specified"),
                  basic("fMaximum", 8, "double", "Maximum value if leaf range is specified")},
                 {}});
    c.push_back({"TBranchObject",
                 1,
                 {base("TBranch", 0, 13, "Branch descriptor"),
                  tstring("fClassName", "Class name of referenced object")},
                 {}});
    c.push_back({"TLeafObject",
                 4,
                 {base("TLeaf", 0, 2, "Leaf: description of a Branch data type"),
                  basic("fVirtual", 18, "bool",
                        "Support for polymorphism, when set classname is written with object.")},
                 {}});
    c.push_back(
        {"TObjString",
         1,
         {base("TObject", 66, 1, "Basic ROOT object"), tstring("fString", "wrapped TString")},
         {}});
    c.push_back({"TPoints3DABC", 1, {base("TObject", 66, 1, "Basic ROOT object")}, {}});
    c.push_back(
        {"TPointsArray3D",
         1,
         {base("TPoints3DABC", 0, 1, "A 3-D Points"), basic("fN", 6, "int", "Number of points"),
          pointer("fP", 45, "float*", "fN", "TPointsArray3D", 1,
                  "[3*fN] Array of 3-D coordinates (x,y,z)"),
          tstring("fOption", "options"),
          basic("fGLList", 13, "unsigned int", "The list number for OpenGL view"),
          basic("fLastPoint", 3, "int", "The index of the last filled point")},
         {}});
    std::vector<StreamerElementSpec> track{base("TObject", 66, 1, "Basic ROOT object")};
#define VXLUMO_NUMBER_ELEMENT(member, initial, title)                                              \
    track.push_back(basic(#member, 8, "double", title));
    VXLUMO_TRACK_LEADING_NUMBERS(VXLUMO_NUMBER_ELEMENT)
    track.push_back(objectPointer(kTrackParticleIdMember, "TObjString*", ""));
    track.push_back(objectPointer(kTrackPointsMember, "TPointsArray3D*", ""));
    VXLUMO_TRACK_TRAILING_NUMBERS(VXLUMO_NUMBER_ELEMENT)
#undef VXLUMO_NUMBER_ELEMENT
    c.push_back({"VxLumoTrack", 1, std::move(track), {}});
    return c;
}

std::string pointee(const std::string& typeName) {
    std::string t = typeName;
    while (!t.empty() && (t.back() == '*' || t.back() == ' '))
        t.pop_back();
    return t;
}

void writeElement(WriteBuffer& b, const StreamerElementSpec& e) {
    static const char* classNames[] = {
        "TStreamerBase",      "TStreamerBasicType",     "TStreamerBasicPointer", "TStreamerObject",
        "TStreamerObjectAny", "TStreamerObjectPointer", "TStreamerString"};
    const auto slot = b.openObjectSlot(classNames[static_cast<int>(e.kind)]);
    const auto outer = b.openByteCount();
    b.i16(e.kind == Kind::Base ? 3 : 2);
    const auto inner = b.openByteCount();
    b.i16(4);
    b.tnamed(e.name, e.title);
    b.i32(e.type);
    b.i32(e.size);
    b.i32(0); // fArrayLength
    b.i32(0); // fArrayDim
    for (int i = 0; i < 5; ++i)
        b.u32(i == 1 && e.kind == Kind::Base ? e.baseChecksum : 0);
    b.string(e.typeName);
    b.closeByteCount(inner);
    if (e.kind == Kind::Base) {
        b.i32(e.baseVersion);
    } else if (e.kind == Kind::BasicPointer) {
        b.i32(e.countVersion);
        b.string(e.countName);
        b.string(e.countClass);
    }
    b.closeByteCount(outer);
    b.closeByteCount(slot);
}

} // namespace

std::uint32_t classChecksum(const std::string& className,
                            const std::vector<StreamerElementSpec>& elements) {
    std::uint32_t id = 0;
    auto fold = [&id](const std::string& s) {
        for (unsigned char ch : s)
            id = id * 3 + ch;
    };
    fold(className);
    for (const auto& e : elements) {
        if (e.kind != Kind::Base)
            continue;
        fold(e.name);
        id = id * 3 + e.baseChecksum;
    }
    static const std::set<std::string> primitives = {"int",  "unsigned int", "Int_t", "UInt_t",
                                                     "long", "short",        "char",  "bool"};
    for (const auto& e : elements) {
        if (e.kind == Kind::Base)
            continue;
        if (e.type == 3 && !primitives.count(e.typeName))
            id = id * 3 + 1;
        fold(e.name);
        fold(e.typeName);
        std::size_t i = e.title.find_first_not_of(" \t/");
        if (i != std::string::npos && e.title[i] == '[') {
            const std::size_t close = e.title.find(']', i);
            if (close != std::string::npos)
                fold(e.title.substr(i + 1, close - i - 1));
        }
    }
    return id;
}

StreamerInfoCatalog::StreamerInfoCatalog() : classes_(definitions()) {
    // Checksums in definition order: every base is defined before its users.
    for (auto& cls : classes_) {
        for (auto& e : cls.elements) {
            if (e.kind == Kind::Base)
                e.baseChecksum = get(e.name).checksum;
        }
        cls.checksum =
            cls.fixedChecksum != 0 ? cls.fixedChecksum : classChecksum(cls.name, cls.elements);
    }
}

bool StreamerInfoCatalog::contains(const std::string& name) const {
    return std::any_of(classes_.begin(), classes_.end(),
                       [&](const ClassSpec& c) { return c.name == name; });
}

const ClassSpec& StreamerInfoCatalog::get(const std::string& name) const {
    for (const auto& c : classes_)
        if (c.name == name)
            return c;
    throw Error("no class description for " + name);
}

std::vector<std::string> StreamerInfoCatalog::closure(const std::vector<std::string>& roots) const {
    std::vector<std::string> out;
    std::set<std::string> seen;
    std::function<void(const std::string&)> visit = [&](const std::string& name) {
        if (!contains(name) || !seen.insert(name).second)
            return;
        out.push_back(name);
        const ClassSpec& c = get(name);
        for (const auto& e : c.elements) {
            if (e.kind == Kind::Base || e.kind == Kind::Object || e.kind == Kind::ObjectAny ||
                e.kind == Kind::ObjectPointer)
                visit(pointee(e.kind == Kind::Base ? e.name : e.typeName));
        }
        for (const auto& u : c.uses)
            visit(u);
    };
    for (const auto& r : roots)
        visit(r);
    return out;
}

std::vector<std::uint8_t> StreamerInfoCatalog::serialize(const std::vector<std::string>& classes,
                                                         std::size_t origin) const {
    WriteBuffer b(origin);
    const auto list = b.openByteCount();
    b.i16(5);
    b.tobject();
    b.string("");
    b.i32(static_cast<std::int32_t>(classes.size()));
    for (const auto& name : classes) {
        const ClassSpec& c = get(name);
        const auto slot = b.openObjectSlot("TStreamerInfo");
        const auto info = b.openByteCount();
        b.i16(9);
        b.tnamed(c.name, "", 0x00010000u);
        b.u32(c.checksum);
        b.i32(c.version);
        const auto arraySlot = b.openObjectSlot("TObjArray");
        const auto array = b.openByteCount();
        b.i16(3);
        b.tobject();
        b.string("");
        b.i32(static_cast<std::int32_t>(c.elements.size()));
        b.i32(0);
        for (const auto& e : c.elements)
            writeElement(b, e);
        b.closeByteCount(array);
        b.closeByteCount(arraySlot);
        b.closeByteCount(info);
        b.closeByteCount(slot);
        b.u8(0); // option
    }
    b.closeByteCount(list);
    return std::move(b.bytes());
}

} // namespace rootio
