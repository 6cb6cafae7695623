#include "rootio/FileReader.h"

#include "rootio/Error.h"
#include "rootio/ObjectDecoder.h"
#include "rootio/ReadCursor.h"
#include "rootio/RecordSource.h"
#include "rootio/StreamerInfoSet.h"
#include "rootio/TrackRecord.h"
#include "rootio/TreeReader.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <map>
#include <set>

namespace rootio {

namespace {

std::vector<std::uint8_t> loadFile(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        throw Error(path, std::string("cannot open: ") + std::strerror(errno));
    std::vector<std::uint8_t> bytes;
    std::uint8_t chunk[1 << 16];
    if (std::fseek(f, 0, SEEK_END) == 0) {
        const long size = std::ftell(f);
        if (size > 0)
            bytes.reserve(static_cast<std::size_t>(size));
        std::fseek(f, 0, SEEK_SET);
    }
    for (;;) {
        const std::size_t n = std::fread(chunk, 1, sizeof chunk, f);
        bytes.insert(bytes.end(), chunk, chunk + n);
        if (n < sizeof chunk)
            break;
    }
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed)
        throw Error(path, "read error");
    return bytes;
}

template <typename F> auto guarded(const std::string& path, F&& f) -> decltype(f()) {
    try {
        return f();
    } catch (const Error&) {
        throw;
    } catch (const Malformed& e) {
        throw Error(path, e.what());
    } catch (const std::bad_alloc&) {
        throw Error(path, "out of memory (corrupt sizes?)");
    } catch (const std::exception& e) {
        throw Error(path, e.what());
    }
}

std::string quoted(const std::string& s) {
    return "\"" + s + "\"";
}

} // namespace

class FileReaderImpl {
public:
    FileReaderImpl(std::string path, std::vector<std::uint8_t> bytes)
        : path_(std::move(path)),
          source_(guarded(path_, [&] { return RecordSource(std::move(bytes)); })) {
        guarded(path_, [&] {
            top_ = readDirectory(source_.begin() + source_.nbytesName(), true);
            return 0;
        });
    }

    const std::string& path() const { return path_; }

    // Keys of the directory at `seekDirFields`: the directory fields of a record.
    std::vector<KeyHeader> readDirectory(std::int64_t fieldsOffset, bool top) const {
        if (fieldsOffset < 0 || fieldsOffset >= source_.end())
            throw Malformed("directory outside the file");
        ReadCursor c(source_.data() + fieldsOffset,
                     static_cast<std::size_t>(source_.end() - fieldsOffset));
        return parseDirectoryFields(c, top);
    }

    std::vector<KeyHeader> parseDirectoryFields(ReadCursor& c, bool top) const {
        (void)top;
        const std::int16_t version = c.i16();
        const bool large = version > 1000;
        c.u32();
        c.u32();
        c.i32(); // fNbytesKeys
        c.i32(); // fNbytesName
        if (large) {
            c.i64();
            c.i64();
        } else {
            c.i32();
            c.i32();
        }
        const std::int64_t seekKeys = large ? c.i64() : c.i32();
        if (seekKeys == 0)
            return {};
        const KeyHeader listKey = source_.keyAt(seekKeys);
        const std::vector<std::uint8_t> payload = source_.payload(listKey);
        ReadCursor list(payload.data(), payload.size());
        const std::int32_t count = list.i32();
        if (count < 0 || static_cast<std::size_t>(count) > list.remaining() / 26)
            throw Malformed("corrupt keys list");
        std::vector<KeyHeader> keys;
        for (std::int32_t i = 0; i < count; ++i) {
            KeyHeader k = RecordSource::parseKey(payload.data() + list.offset(), list.remaining());
            list.skip(k.headerEnd);
            keys.push_back(std::move(k));
        }
        return keys;
    }

    std::vector<KeyHeader> subdirectory(const std::vector<KeyHeader>& in,
                                        const std::string& name) const {
        const KeyHeader key = highest(in, name);
        if (key.className != "TDirectory" && key.className != "TDirectoryFile")
            throw Error(path_, quoted(name) + " is a " + key.className + ", not a directory");
        const KeyHeader record = source_.keyAt(key.seekKey);
        const std::vector<std::uint8_t> payload = source_.payload(record);
        ReadCursor c(payload.data(), payload.size());
        return parseDirectoryFields(c, false);
    }

    KeyHeader highest(const std::vector<KeyHeader>& keys, const std::string& name) const {
        std::string bare = name;
        int cycle = -1;
        const auto semi = name.find(';');
        if (semi != std::string::npos) {
            bare = name.substr(0, semi);
            cycle = std::atoi(name.c_str() + semi + 1);
        }
        const KeyHeader* best = nullptr;
        for (const auto& k : keys)
            if (k.name == bare && (cycle < 0 ? (!best || k.cycle > best->cycle) : k.cycle == cycle))
                best = &k;
        if (!best)
            throw Error(path_, "no object " + quoted(name));
        return *best;
    }

    // Keys of "dir/sub" (empty string: the top directory).
    std::vector<KeyHeader> directory(const std::string& dirPath) const {
        std::vector<KeyHeader> keys = top_;
        std::size_t start = 0;
        int depth = 0;
        while (start < dirPath.size()) {
            const auto slash = dirPath.find('/', start);
            const std::string part = dirPath.substr(
                start, slash == std::string::npos ? std::string::npos : slash - start);
            if (!part.empty()) {
                if (++depth > 64)
                    throw Error(path_, "directories nested too deeply");
                keys = subdirectory(keys, part);
            }
            if (slash == std::string::npos)
                break;
            start = slash + 1;
        }
        return keys;
    }

    KeyHeader find(const std::string& name) const {
        const auto slash = name.find_last_of('/');
        if (slash == std::string::npos)
            return highest(top_, name);
        return highest(directory(name.substr(0, slash)), name.substr(slash + 1));
    }

    bool has(const std::string& name) const {
        try {
            find(name);
            return true;
        } catch (const Error&) {
            return false;
        }
    }

    const StreamerInfoSet& infos() const {
        if (!infosLoaded_) {
            infosLoaded_ = true;
            if (source_.seekInfo() > source_.begin()) {
                try {
                    const KeyHeader key = source_.keyAt(source_.seekInfo());
                    const auto payload = source_.payload(key);
                    ReadCursor c(payload.data(), payload.size(),
                                 static_cast<std::size_t>(key.keylen));
                    infos_.parse(c);
                } catch (const Malformed& e) {
                    infoError_ = std::string("corrupt streamer information: ") + e.what();
                }
            }
        }
        if (!infoError_.empty())
            throw Error(path_, infoError_);
        return infos_;
    }

    StreamedObjectPtr decode(const KeyHeader& listed) const {
        const KeyHeader key = source_.keyAt(listed.seekKey);
        if (key.className != listed.className || key.name != listed.name)
            throw Malformed("keys list does not match the record of " + quoted(listed.name));
        const auto payload = source_.payload(key);
        ReadCursor c(payload.data(), payload.size(), static_cast<std::size_t>(key.keylen));
        ObjectDecoder decoder(infos());
        return decoder.readObject(c, key.className);
    }

    StreamedObjectPtr object(const std::string& name, const std::set<std::string>& classes,
                             const std::string& what) const {
        const KeyHeader key = find(name);
        if (!classes.count(key.className))
            throw Error(path_, quoted(name) + " is a " + key.className + ", not " + what);
        return decode(key);
    }

    const TreeReader& tree(const std::string& name) const {
        const auto it = trees_.find(name);
        if (it != trees_.end())
            return *it->second;
        KeyHeader key;
        try {
            key = find(name);
        } catch (const Error&) {
            throw Error(path_, "no tree " + quoted(name));
        }
        const StreamedObjectPtr obj = decode(key);
        if (!obj || !obj->has("fBranches"))
            throw Error(path_, quoted(name) + " is a " + key.className + ", not a tree");
        auto reader = std::make_unique<TreeReader>(source_, infos(), *obj);
        const TreeReader& ref = *reader;
        trees_[name] = std::move(reader);
        return ref;
    }

    const BranchModel& branch(const std::string& treeName, const std::string& name) const {
        const BranchModel* b = tree(treeName).find(name);
        if (!b)
            throw Error(path_, "tree " + quoted(treeName) + " has no branch " + quoted(name));
        return *b;
    }

    std::vector<KeyHeader> top_;

private:
    std::string path_;
    RecordSource source_;
    mutable bool infosLoaded_ = false;
    mutable std::string infoError_;
    mutable StreamerInfoSet infos_;
    mutable std::map<std::string, std::unique_ptr<TreeReader>> trees_;
};

namespace {

std::vector<KeyInfo> keyInfos(const std::vector<KeyHeader>& keys) {
    std::vector<KeyInfo> out;
    std::map<std::string, std::size_t> index;
    for (const auto& k : keys) {
        const auto it = index.find(k.name);
        if (it == index.end()) {
            index[k.name] = out.size();
            out.push_back({k.name, k.title, k.className, k.cycle});
        } else if (k.cycle > out[it->second].cycle) {
            out[it->second] = {k.name, k.title, k.className, k.cycle};
        }
    }
    return out;
}

float toFloat(double v) {
    if (v > 3.4e38)
        return std::numeric_limits<float>::infinity();
    if (v < -3.4e38)
        return -std::numeric_limits<float>::infinity();
    return static_cast<float>(v);
}

TrackRecord toTrackRecord(const StreamedObject& o) {
    TrackRecord t;
#define VXLUMO_READ_NUMBER(member, initial, title) t.member = o.number(#member);
    VXLUMO_TRACK_LEADING_NUMBERS(VXLUMO_READ_NUMBER)
    VXLUMO_TRACK_TRAILING_NUMBERS(VXLUMO_READ_NUMBER)
#undef VXLUMO_READ_NUMBER
    const StreamedObjectPtr id = o.object(kTrackParticleIdMember);
    t.hasParticleId = id != nullptr;
    if (id)
        t.particleId = id->text("fString");
    const StreamedObjectPtr track = o.object(kTrackPointsMember);
    t.hasTrack = track != nullptr;
    if (track) {
        const auto& p = track->numbers("fP");
        for (std::size_t i = 0; i + 2 < p.size(); i += 3)
            t.points.push_back({toFloat(p[i]), toFloat(p[i + 1]), toFloat(p[i + 2])});
    }
    return t;
}

} // namespace

FileReader::FileReader(const std::string& path)
    : impl_(std::make_unique<FileReaderImpl>(path, guarded(path, [&] { return loadFile(path); }))) {
}
FileReader::FileReader(const std::string& label, std::vector<std::uint8_t> bytes)
    : impl_(std::make_unique<FileReaderImpl>(label, std::move(bytes))) {}
FileReader::~FileReader() = default;
FileReader::FileReader(FileReader&&) noexcept = default;
FileReader& FileReader::operator=(FileReader&&) noexcept = default;

const std::string& FileReader::path() const {
    return impl_->path();
}

std::vector<KeyInfo> FileReader::keys() const {
    return keyInfos(impl_->top_);
}

std::vector<KeyInfo> FileReader::keys(const std::string& directory) const {
    return guarded(path(), [&] { return keyInfos(impl_->directory(directory)); });
}

bool FileReader::has(const std::string& name) const {
    return guarded(path(), [&] { return impl_->has(name); });
}

std::string FileReader::className(const std::string& name) const {
    return guarded(path(), [&] { return impl_->find(name).className; });
}

Histogram1D FileReader::readHistogram(const std::string& name) const {
    return guarded(path(), [&] {
        const StreamedObjectPtr o = impl_->object(name, {"TH1F", "TH1D"}, "a TH1F or TH1D");
        Histogram1D h;
        h.name = o->textOr("fName");
        h.title = o->textOr("fTitle");
        h.doublePrecision = o->className == "TH1D";
        const StreamedObjectPtr x = o->object("fXaxis");
        const StreamedObjectPtr y = o->object("fYaxis");
        if (!x || !y)
            throw Malformed("histogram " + quoted(name) + " without axes");
        const long long nbins = toInteger(x->number("fNbins"));
        if (nbins <= 0 || nbins > (1 << 28))
            throw Malformed("histogram " + quoted(name) + " has an invalid number of bins");
        h.nbins = static_cast<int>(nbins);
        h.xmin = x->number("fXmin");
        h.xmax = x->number("fXmax");
        if (x->has("fXbins") && x->object("fXbins") && x->object("fXbins")->has("fArray")) {
            // Bin edges are stored only for variable binning, which Histogram1D cannot hold.
            const auto& edges = x->object("fXbins")->numbers("fArray");
            const double width = (h.xmax - h.xmin) / nbins;
            for (std::size_t i = 0; i < edges.size(); ++i)
                if (std::fabs(edges[i] - (h.xmin + i * width)) > 1e-9 * std::fabs(width) * nbins)
                    throw Malformed("histogram " + quoted(name) +
                                    " has bins of different widths (not supported)");
        }
        h.xTitle = x->textOr("fTitle");
        h.yTitle = y->textOr("fTitle");
        h.contents = o->numbers("fArray");
        if (h.nbins <= 0 || h.contents.size() != static_cast<std::size_t>(h.nbins) + 2)
            throw Malformed("histogram " + quoted(name) + " has " +
                            std::to_string(h.contents.size()) + " cells for " +
                            std::to_string(h.nbins) + " bins");
        if (o->has("fSumw2"))
            h.sumw2 = o->object("fSumw2") ? o->object("fSumw2")->numbers("fArray")
                                          : std::vector<double>();
        if (!h.sumw2.empty() && h.sumw2.size() != h.contents.size())
            throw Malformed("histogram " + quoted(name) + " has a wrong number of squared weights");
        h.entries = o->number("fEntries");
        return h;
    });
}

Graph FileReader::readGraph(const std::string& name) const {
    return guarded(path(), [&] {
        const StreamedObjectPtr o =
            impl_->object(name, {"TGraph", "TGraphErrors", "TGraphAsymmErrors"}, "a TGraph");
        Graph g;
        g.name = o->textOr("fName");
        g.title = o->textOr("fTitle");
        const double n = o->number("fNpoints");
        const auto& x = o->numbers("fX");
        const auto& y = o->numbers("fY");
        if (!(n >= 0) || x.size() < n || y.size() < n)
            throw Malformed("graph " + quoted(name) + " has fewer values than points");
        g.x.assign(x.begin(), x.begin() + static_cast<std::ptrdiff_t>(n));
        g.y.assign(y.begin(), y.begin() + static_cast<std::ptrdiff_t>(n));
        if (o->has("fHistogram")) {
            if (const StreamedObjectPtr h = o->object("fHistogram")) {
                if (h->has("fXaxis") && h->object("fXaxis"))
                    g.xTitle = h->object("fXaxis")->textOr("fTitle");
                if (h->has("fYaxis") && h->object("fYaxis"))
                    g.yTitle = h->object("fYaxis")->textOr("fTitle");
            }
        }
        return g;
    });
}

std::string FileReader::readObjString(const std::string& name) const {
    return guarded(path(), [&] {
        return impl_->object(name, {"TObjString"}, "a TObjString")->text("fString");
    });
}

long long FileReader::treeEntries(const std::string& tree) const {
    return guarded(path(), [&] { return static_cast<long long>(impl_->tree(tree).entries()); });
}

std::vector<BranchInfo> FileReader::branches(const std::string& tree) const {
    return guarded(path(), [&] {
        std::vector<BranchInfo> out;
        for (const BranchModel* b : impl_->tree(tree).branches()) {
            BranchInfo info;
            info.name = b->name;
            info.typeName = b->valueType.typeName;
            if (b->valueType.kind == BranchType::Kind::Numbers)
                info.arrayLength = b->valueType.perEntry;
            out.push_back(info);
        }
        return out;
    });
}

std::vector<double> FileReader::readColumn(const std::string& tree,
                                           const std::string& branch) const {
    return guarded(path(),
                   [&] { return impl_->tree(tree).readColumn(impl_->branch(tree, branch)); });
}

std::vector<std::string> FileReader::readStringColumn(const std::string& tree,
                                                      const std::string& branch) const {
    return guarded(path(),
                   [&] { return impl_->tree(tree).readStrings(impl_->branch(tree, branch)); });
}

std::vector<std::vector<double>> FileReader::readRows(const std::string& tree,
                                                      const std::string& branch) const {
    return guarded(path(), [&] { return impl_->tree(tree).readRows(impl_->branch(tree, branch)); });
}

std::vector<TrackRecord> FileReader::readEvent(const std::string& tree, long long entry) const {
    return guarded(path(), [&] {
        const TreeReader& t = impl_->tree(tree);
        const BranchModel& b = impl_->branch(tree, "event");
        if (entry < 0 || entry >= b.entries)
            throw Error(path(), "tree " + quoted(tree) + " has no entry " + std::to_string(entry));
        const StreamedObjectPtr array = t.readObjectEntry(b, entry);
        if (!array || array->className != "TObjArray")
            throw Malformed("entry " + std::to_string(entry) + " of " + quoted(tree) +
                            " is not an object array");
        std::vector<TrackRecord> tracks;
        for (const auto& o : array->objects("fObjects")) {
            if (!o)
                continue;
            if (o->className != "VxLumoTrack")
                throw Malformed("entry " + std::to_string(entry) + " of " + quoted(tree) +
                                " holds a " + o->className + ", not a VxLumoTrack");
            tracks.push_back(toTrackRecord(*o));
        }
        return tracks;
    });
}

std::vector<std::string> FileReader::streamerInfoClasses() const {
    return guarded(path(), [&] { return impl_->infos().fileClasses(); });
}

} // namespace rootio
