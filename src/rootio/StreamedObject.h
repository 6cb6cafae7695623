#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace rootio {

struct StreamedObject;
using StreamedObjectPtr = std::shared_ptr<StreamedObject>;

// One member value of a decoded object.
struct StreamedValue {
    enum class Kind { None, Number, Text, Numbers, Object, Objects };
    Kind kind = Kind::None;
    double number = 0;
    std::string text;
    std::vector<double> numbers;
    StreamedObjectPtr object;               // may be null (a null pointer)
    std::vector<StreamedObjectPtr> objects; // collection entries, null slots kept
};

// An object decoded from its streamer information: class name, version and the members of
// the class and of all its bases, by name.
struct StreamedObject {
    std::string className;
    int version = 0;
    std::map<std::string, StreamedValue> members;

    bool has(const std::string& name) const { return members.count(name) != 0; }
    // Accessors throw Malformed when the member is missing or of another kind.
    double number(const std::string& name) const;
    const std::string& text(const std::string& name) const;
    const std::vector<double>& numbers(const std::string& name) const;
    StreamedObjectPtr object(const std::string& name) const;
    const std::vector<StreamedObjectPtr>& objects(const std::string& name) const;
    // Text of a member, or "" when it is absent.
    std::string textOr(const std::string& name, const std::string& fallback = "") const;
    double numberOr(const std::string& name, double fallback) const;
    // An integer member (clamped to the 64-bit range; NaN gives the fallback).
    long long integerOr(const std::string& name, long long fallback) const;
};

// A number from a file as a 64-bit integer: clamped to the range, NaN as `fallback`.
long long toInteger(double v, long long fallback = 0);

} // namespace rootio
