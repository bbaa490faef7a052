#pragma once
#include "platform/forms/currency.h"
#include "platform/forms/font_desc.h"
#include "platform/forms/picture_ref.h"
#include <cstdint>
#include <memory>
#include <nlohmann/json_fwd.hpp>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

namespace plat::forms {

// A stored value that cannot be read as the type asked for (text where a number belongs,
// a number out of range).
class PropertyError : public std::runtime_error {
public:
    PropertyError(std::string name, const std::string& message);
    const std::string& name() const { return m_name; }
    const std::string& detail() const { return m_detail; }

private:
    std::string m_name;
    std::string m_detail;
};

template<class T>
inline constexpr bool isPropertyType = std::is_same_v<T, bool> || std::is_same_v<T, int8_t> || std::is_same_v<T, uint8_t>
    || std::is_same_v<T, int16_t> || std::is_same_v<T, int32_t> || std::is_same_v<T, int64_t> || std::is_same_v<T, uint32_t>
    || std::is_same_v<T, float> || std::is_same_v<T, double> || std::is_same_v<T, Currency> || std::is_same_v<T, std::string>
    || std::is_same_v<T, FontDesc> || std::is_same_v<T, PictureRef>;

// The stored properties of one control (or form) by name. Names are matched without regard
// to case and kept lower-case; a value equal to its default is not stored, so reading it
// back gives the default again.
//
// Value types: bool (True reads as -1 through an integer type), 8/16/32/64-bit integers,
// uint32_t as a colour (0x00BBGGRR, or 0x80000000 | index for a system colour; stored as
// "&H00BBGGRR&"), float and double, Currency, std::string (UTF-8), FontDesc (an object)
// and PictureRef (a path relative to the resources folder).
class PropertyBag {
public:
    // The entries themselves stay in the source file, so that only code that reads or writes
    // layout files compiles the JSON library.
    using Json = nlohmann::ordered_json;

    PropertyBag();
    // Takes stored entries; keys are folded to lower case. Throws PropertyError unless `data` is an object.
    explicit PropertyBag(const Json& data);
    PropertyBag(const PropertyBag& other);
    PropertyBag(PropertyBag&& other) noexcept;
    PropertyBag& operator=(const PropertyBag& other);
    PropertyBag& operator=(PropertyBag&& other) noexcept;
    ~PropertyBag();

    template<class T>
    T readProperty(std::string_view name, const T& defaultValue) const
    {
        static_assert(isPropertyType<T>, "not a type a property bag stores");
        return read(name, defaultValue);
    }
    std::string readProperty(std::string_view name, const char* defaultValue) const
    {
        return read(name, std::string(defaultValue));
    }

    template<class T>
    void writeProperty(std::string_view name, const T& value, const std::type_identity_t<T>& defaultValue)
    {
        static_assert(isPropertyType<T>, "not a type a property bag stores");
        write(name, value, defaultValue);
    }

    bool contains(std::string_view name) const;
    void remove(std::string_view name);
    bool empty() const;
    size_t size() const;
    // The stored keys, in the order they were first written.
    std::vector<std::string> keys() const;
    // The stored entries as they go into a layout file.
    const Json& data() const;

    static std::string keyOf(std::string_view name);
    // A bag that keeps values equal to their defaults shows every property a control writes
    // (for a driver that reads properties back); stored layouts never use one.
    void setKeepDefaults(bool keep) { m_keepDefaults = keep; }

private:
    const Json* find(std::string_view name) const;

    bool read(std::string_view name, bool def) const;
    int8_t read(std::string_view name, int8_t def) const;
    uint8_t read(std::string_view name, uint8_t def) const;
    int16_t read(std::string_view name, int16_t def) const;
    int32_t read(std::string_view name, int32_t def) const;
    int64_t read(std::string_view name, int64_t def) const;
    uint32_t read(std::string_view name, uint32_t def) const;
    float read(std::string_view name, float def) const;
    double read(std::string_view name, double def) const;
    Currency read(std::string_view name, Currency def) const;
    std::string read(std::string_view name, const std::string& def) const;
    FontDesc read(std::string_view name, const FontDesc& def) const;
    PictureRef read(std::string_view name, const PictureRef& def) const;

    void write(std::string_view name, bool v, bool def);
    void write(std::string_view name, int8_t v, int8_t def);
    void write(std::string_view name, uint8_t v, uint8_t def);
    void write(std::string_view name, int16_t v, int16_t def);
    void write(std::string_view name, int32_t v, int32_t def);
    void write(std::string_view name, int64_t v, int64_t def);
    void write(std::string_view name, uint32_t v, uint32_t def);
    void write(std::string_view name, float v, float def);
    void write(std::string_view name, double v, double def);
    void write(std::string_view name, Currency v, Currency def);
    void write(std::string_view name, const std::string& v, const std::string& def);
    void write(std::string_view name, const FontDesc& v, const FontDesc& def);
    void write(std::string_view name, const PictureRef& v, const PictureRef& def);

    void store(std::string_view name, bool isDefault, Json value);

    std::unique_ptr<Json> m_data; // null while nothing is stored
    bool m_keepDefaults = false;
};

// The colour text a bag stores: "&H00BBGGRR&".
std::string colorText(uint32_t color);

} // namespace plat::forms
