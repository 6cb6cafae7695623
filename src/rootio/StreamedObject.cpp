#include "rootio/StreamedObject.h"

#include "rootio/ReadCursor.h"

namespace rootio {

namespace {
const StreamedValue& find(const StreamedObject& o, const std::string& name,
                          StreamedValue::Kind kind) {
    const auto it = o.members.find(name);
    if (it == o.members.end())
        throw Malformed(o.className + " has no member " + name);
    if (it->second.kind != kind)
        throw Malformed(o.className + "::" + name + " has an unexpected type");
    return it->second;
}
} // namespace

double StreamedObject::number(const std::string& name) const {
    return find(*this, name, StreamedValue::Kind::Number).number;
}

const std::string& StreamedObject::text(const std::string& name) const {
    return find(*this, name, StreamedValue::Kind::Text).text;
}

const std::vector<double>& StreamedObject::numbers(const std::string& name) const {
    return find(*this, name, StreamedValue::Kind::Numbers).numbers;
}

StreamedObjectPtr StreamedObject::object(const std::string& name) const {
    return find(*this, name, StreamedValue::Kind::Object).object;
}

const std::vector<StreamedObjectPtr>& StreamedObject::objects(const std::string& name) const {
    return find(*this, name, StreamedValue::Kind::Objects).objects;
}

std::string StreamedObject::textOr(const std::string& name, const std::string& fallback) const {
    const auto it = members.find(name);
    return it != members.end() && it->second.kind == StreamedValue::Kind::Text ? it->second.text
                                                                               : fallback;
}

double StreamedObject::numberOr(const std::string& name, double fallback) const {
    const auto it = members.find(name);
    return it != members.end() && it->second.kind == StreamedValue::Kind::Number ? it->second.number
                                                                                 : fallback;
}

long long StreamedObject::integerOr(const std::string& name, long long fallback) const {
    const auto it = members.find(name);
    return it != members.end() && it->second.kind == StreamedValue::Kind::Number
               ? toInteger(it->second.number, fallback)
               : fallback;
}

long long toInteger(double v, long long fallback) {
    if (!(v == v))
        return fallback;
    if (v >= 9.2e18)
        return 9200000000000000000LL;
    if (v <= -9.2e18)
        return -9200000000000000000LL;
    return static_cast<long long>(v);
}

} // namespace rootio
