#include "platform/forms/property_bag.h"
#include <cmath>
#include <cstdio>
#include <limits>
#include <nlohmann/json.hpp>

namespace plat::forms {

using Json = PropertyBag::Json;

PropertyError::PropertyError(std::string name, const std::string& message)
    : std::runtime_error("property \"" + name + "\": " + message)
    , m_name(std::move(name))
    , m_detail(message)
{
}

std::string PropertyBag::keyOf(std::string_view name)
{
    std::string key(name);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return key;
}

PropertyBag::PropertyBag() = default;

PropertyBag::PropertyBag(const Json& data)
{
    if (!data.is_object())
        throw PropertyError("", "the stored properties are not an object of name and value pairs");
    Json entries = Json::object();
    for (const auto& [k, v] : data.items()) {
        std::string key = keyOf(k);
        if (entries.contains(key))
            throw PropertyError(k, "stored twice (names do not depend on case)");
        entries[key] = v;
    }
    if (!entries.empty())
        m_data = std::make_unique<Json>(std::move(entries));
}

PropertyBag::PropertyBag(const PropertyBag& other)
    : m_data(other.m_data ? std::make_unique<Json>(*other.m_data) : nullptr)
    , m_keepDefaults(other.m_keepDefaults)
{
}

PropertyBag::PropertyBag(PropertyBag&& other) noexcept = default;

PropertyBag& PropertyBag::operator=(const PropertyBag& other)
{
    if (this != &other) {
        m_data = other.m_data ? std::make_unique<Json>(*other.m_data) : nullptr;
        m_keepDefaults = other.m_keepDefaults;
    }
    return *this;
}

PropertyBag& PropertyBag::operator=(PropertyBag&& other) noexcept = default;

PropertyBag::~PropertyBag() = default;

bool PropertyBag::empty() const { return !m_data || m_data->empty(); }

size_t PropertyBag::size() const { return m_data ? m_data->size() : 0; }

std::vector<std::string> PropertyBag::keys() const
{
    std::vector<std::string> keys;
    if (m_data)
        for (auto it = m_data->begin(); it != m_data->end(); ++it)
            keys.push_back(it.key());
    return keys;
}

const Json& PropertyBag::data() const
{
    static const Json none = Json::object();
    return m_data ? *m_data : none;
}

const Json* PropertyBag::find(std::string_view name) const
{
    if (!m_data)
        return nullptr;
    auto it = m_data->find(keyOf(name));
    return it == m_data->end() ? nullptr : &*it;
}

bool PropertyBag::contains(std::string_view name) const { return find(name) != nullptr; }

void PropertyBag::remove(std::string_view name)
{
    if (m_data)
        m_data->erase(keyOf(name));
}

void PropertyBag::store(std::string_view name, bool isDefault, Json value)
{
    std::string key = keyOf(name);
    if (isDefault && !m_keepDefaults) {
        if (m_data)
            m_data->erase(key);
        return;
    }
    if (!m_data)
        m_data = std::make_unique<Json>(Json::object());
    (*m_data)[key] = std::move(value);
}

std::string colorText(uint32_t color)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "&H%08X&", unsigned(color));
    return buf;
}

namespace {

std::string describe(const Json& v)
{
    std::string s = v.dump(-1, ' ', false, Json::error_handler_t::replace);
    if (s.size() > 40)
        s = s.substr(0, 37) + "...";
    return s;
}

// "&H1F&", "&HFF00", "0x1F": the hexadecimal forms a colour or a number may be written in.
bool parseHex(const std::string& text, int64_t& out)
{
    std::string_view s = text;
    if (s.starts_with("&H") || s.starts_with("&h")) {
        s.remove_prefix(2);
        if (s.ends_with('&'))
            s.remove_suffix(1);
    } else if (s.starts_with("0x") || s.starts_with("0X")) {
        s.remove_prefix(2);
    } else {
        return false;
    }
    if (s.empty() || s.size() > 8)
        return false;
    uint32_t v = 0;
    for (char c : s) {
        int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (d < 0)
            return false;
        v = v * 16 + uint32_t(d);
    }
    out = int64_t(v);
    return true;
}

int64_t readInteger(std::string_view name, const Json& v, int64_t lo, int64_t hi)
{
    int64_t n = 0;
    if (v.is_boolean()) {
        n = v.get<bool>() ? -1 : 0;
    } else if (v.is_number_integer()) {
        if (v.is_number_unsigned() && v.get<uint64_t>() > uint64_t(std::numeric_limits<int64_t>::max()))
            throw PropertyError(std::string(name), "the number " + describe(v) + " is out of range");
        n = v.get<int64_t>();
    } else if (v.is_number_float()) {
        double d = v.get<double>();
        if (!std::isfinite(d) || d != std::floor(d) || std::fabs(d) > 9.0e15)
            throw PropertyError(std::string(name), "expected a whole number, found " + describe(v));
        n = int64_t(d);
    } else if (v.is_string() && parseHex(v.get<std::string>(), n)) {
        // a hexadecimal number, as colours are written
    } else {
        throw PropertyError(std::string(name), "expected a whole number, found " + describe(v));
    }
    if (n < lo || n > hi)
        throw PropertyError(std::string(name), "the number " + describe(v) + " is out of range");
    return n;
}

template<class I>
I readIntegerAs(std::string_view name, const Json* v, I def)
{
    if (!v)
        return def;
    return I(readInteger(name, *v, int64_t(std::numeric_limits<I>::min()), int64_t(std::numeric_limits<I>::max())));
}

double readNumber(std::string_view name, const Json& v)
{
    if (v.is_number())
        return v.get<double>();
    if (v.is_boolean())
        return v.get<bool>() ? -1.0 : 0.0;
    throw PropertyError(std::string(name), "expected a number, found " + describe(v));
}

bool readBoolean(std::string_view name, const Json& v)
{
    if (v.is_boolean())
        return v.get<bool>();
    if (v.is_number())
        return v.get<double>() != 0.0;
    if (v.is_string()) {
        std::string s = PropertyBag::keyOf(v.get<std::string>());
        if (s == "true")
            return true;
        if (s == "false")
            return false;
    }
    throw PropertyError(std::string(name), "expected True or False, found " + describe(v));
}

std::string readText(std::string_view name, const Json& v)
{
    if (v.is_string())
        return v.get<std::string>();
    throw PropertyError(std::string(name), "expected a text, found " + describe(v));
}

} // namespace

bool PropertyBag::read(std::string_view name, bool def) const
{
    const Json* v = find(name);
    return v ? readBoolean(name, *v) : def;
}
int8_t PropertyBag::read(std::string_view name, int8_t def) const { return readIntegerAs(name, find(name), def); }
uint8_t PropertyBag::read(std::string_view name, uint8_t def) const { return readIntegerAs(name, find(name), def); }
int16_t PropertyBag::read(std::string_view name, int16_t def) const { return readIntegerAs(name, find(name), def); }
int32_t PropertyBag::read(std::string_view name, int32_t def) const { return readIntegerAs(name, find(name), def); }
int64_t PropertyBag::read(std::string_view name, int64_t def) const { return readIntegerAs(name, find(name), def); }

uint32_t PropertyBag::read(std::string_view name, uint32_t def) const
{
    const Json* v = find(name);
    if (!v)
        return def;
    // Colours may also be written as signed numbers (a system colour reads negative that way).
    int64_t n = readInteger(name, *v, int64_t(std::numeric_limits<int32_t>::min()), int64_t(std::numeric_limits<uint32_t>::max()));
    return uint32_t(n);
}

float PropertyBag::read(std::string_view name, float def) const
{
    const Json* v = find(name);
    return v ? float(readNumber(name, *v)) : def;
}

double PropertyBag::read(std::string_view name, double def) const
{
    const Json* v = find(name);
    return v ? readNumber(name, *v) : def;
}

Currency PropertyBag::read(std::string_view name, Currency def) const
{
    const Json* v = find(name);
    if (!v)
        return def;
    if (v->is_string()) {
        if (auto c = Currency::parse(v->get<std::string>()))
            return *c;
        throw PropertyError(std::string(name), "expected a number with at most four decimals, found " + describe(*v));
    }
    if (v->is_number_integer())
        return Currency::fromInteger(readInteger(name, *v, -922337203685477, 922337203685477));
    if (v->is_number_float())
        return Currency::fromDouble(v->get<double>());
    throw PropertyError(std::string(name), "expected a number with at most four decimals, found " + describe(*v));
}

std::string PropertyBag::read(std::string_view name, const std::string& def) const
{
    const Json* v = find(name);
    return v ? readText(name, *v) : def;
}

FontDesc PropertyBag::read(std::string_view name, const FontDesc& def) const
{
    const Json* v = find(name);
    if (!v)
        return def;
    if (!v->is_object())
        throw PropertyError(std::string(name), "expected a font object, found " + describe(*v));
    FontDesc f = def;
    PropertyBag fields(*v);
    std::string prefix = std::string(name) + ".";
    try {
        f.name = fields.readProperty("Name", f.name);
        f.size = fields.readProperty("Size", f.size);
        f.weight = fields.readProperty("Weight", f.weight);
        if (fields.contains("Weight"))
            f.bold = f.weight >= 600;
        f.bold = fields.readProperty("Bold", f.bold);
        if (fields.contains("Bold") && !fields.contains("Weight"))
            f.weight = f.bold ? 700 : 400;
        f.italic = fields.readProperty("Italic", f.italic);
        f.underline = fields.readProperty("Underline", f.underline);
        f.strikethrough = fields.readProperty("Strikethrough", f.strikethrough);
        f.charset = fields.readProperty("Charset", f.charset);
    } catch (const PropertyError& e) {
        throw PropertyError(prefix + e.name(), e.detail());
    }
    if (!(f.size > 0.0) || f.size > 2000.0)
        throw PropertyError(prefix + "size", "a font size must lie between 0 and 2000 points, found " + describe((*v)["size"]));
    return f;
}

PictureRef PropertyBag::read(std::string_view name, const PictureRef& def) const
{
    const Json* v = find(name);
    if (!v)
        return def;
    PictureRef p{readText(name, *v)};
    if (p.path.starts_with('/') || p.path.find("..") != std::string::npos)
        throw PropertyError(std::string(name), "a picture must be a path inside the resources folder, found " + describe(*v));
    return p;
}

void PropertyBag::write(std::string_view name, bool v, bool def) { store(name, v == def, Json(v)); }
void PropertyBag::write(std::string_view name, int8_t v, int8_t def) { store(name, v == def, Json(int(v))); }
void PropertyBag::write(std::string_view name, uint8_t v, uint8_t def) { store(name, v == def, Json(int(v))); }
void PropertyBag::write(std::string_view name, int16_t v, int16_t def) { store(name, v == def, Json(v)); }
void PropertyBag::write(std::string_view name, int32_t v, int32_t def) { store(name, v == def, Json(v)); }
void PropertyBag::write(std::string_view name, int64_t v, int64_t def) { store(name, v == def, Json(v)); }
void PropertyBag::write(std::string_view name, uint32_t v, uint32_t def) { store(name, v == def, Json(colorText(v))); }
namespace {
// Whole numbers are kept without a fraction so that layout files read naturally.
Json numberJson(double v)
{
    if (std::isfinite(v) && v == std::floor(v) && std::fabs(v) < 9.0e15)
        return Json(int64_t(v));
    return Json(v);
}
} // namespace

void PropertyBag::write(std::string_view name, float v, float def) { store(name, v == def, numberJson(double(v))); }
void PropertyBag::write(std::string_view name, double v, double def) { store(name, v == def, numberJson(v)); }
void PropertyBag::write(std::string_view name, Currency v, Currency def) { store(name, v == def, Json(v.toString())); }
void PropertyBag::write(std::string_view name, const std::string& v, const std::string& def) { store(name, v == def, Json(v)); }
void PropertyBag::write(std::string_view name, const PictureRef& v, const PictureRef& def) { store(name, v == def, Json(v.path)); }

void PropertyBag::write(std::string_view name, const FontDesc& v, const FontDesc& def)
{
    Json f = Json::object();
    f["name"] = v.name;
    f["size"] = v.size;
    f["bold"] = v.bold;
    f["italic"] = v.italic;
    f["underline"] = v.underline;
    f["strikethrough"] = v.strikethrough;
    f["weight"] = v.weight;
    f["charset"] = v.charset;
    store(name, v == def, std::move(f));
}

} // namespace plat::forms
