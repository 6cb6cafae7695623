#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace rootio {

// Lays out a ROOT file in memory, append-only: header, top directory, object and basket
// records, StreamerInfo, keys list and free segments.
class FileAssembler {
public:
    FileAssembler(std::string fileName, int compressionLevel);

    // Key length of an ordinary record: payloads are built with it as buffer origin.
    static std::size_t objectKeyLength(const std::string& className, const std::string& name,
                                       const std::string& title);
    static std::size_t basketKeyLength(const std::string& branchName, const std::string& treeName);

    // Appends an object listed in the top directory (compressed when worthwhile).
    void addObject(const std::string& className, const std::string& name, const std::string& title,
                   const std::vector<std::uint8_t>& payload);

    struct BasketPlacement {
        std::int64_t seek = 0;
        std::int32_t nbytes = 0;
        std::int64_t keylenPlusObjlen = 0;
    };
    // Appends a basket record: entry data, and for variable-size entries their
    // record-relative offsets (empty for fixed-size entries).
    BasketPlacement addBasket(const std::string& branchName, const std::string& treeName,
                              int basketIndex, const std::uint8_t* data, std::size_t dataSize,
                              int entries, int fixedEntrySize,
                              const std::vector<std::int32_t>& offsets);

    // Objects added between these two calls go into subdirectory `name` of the current one.
    void beginDirectory(const std::string& name);
    void endDirectory();

    // Finishes the file with the given StreamerInfo payload builder and returns its bytes.
    std::vector<std::uint8_t> finish(const std::vector<std::string>& streamerInfoClasses);

    int compressionSetting() const { return level_ > 0 ? 100 + level_ : 0; }

private:
    struct KeyImage {
        std::string name;
        int cycle;
        std::vector<std::uint8_t> bytes;
    };
    struct Directory {
        std::string name;
        std::int64_t seek = 0;
        std::size_t keylen = 0;
        std::vector<KeyImage> keys;
        std::map<std::string, int> cycles;
    };
    std::int64_t appendRecord(const std::string& className, const std::string& name,
                              const std::string& title, const std::vector<std::uint8_t>& payload,
                              bool compress, int cycle, KeyImage* image, std::int64_t pdir);
    std::vector<std::uint8_t> keysList(const std::vector<KeyImage>& keys) const;
    void writeKeyHeader(std::vector<std::uint8_t>& out, std::int32_t nbytes, std::int32_t objlen,
                        std::int16_t keylen, std::int16_t cycle, std::int64_t seekKey,
                        std::int64_t seekPdir, const std::string& className,
                        const std::string& name, const std::string& title, bool large);

    std::string fileName_;
    int level_;
    std::vector<std::uint8_t> file_;
    std::vector<Directory> directories_; // [0] is the top directory
    std::size_t rootDirKeylen_ = 0;
    std::size_t nbytesName_ = 0;
};

} // namespace rootio
