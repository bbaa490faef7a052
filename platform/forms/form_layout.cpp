#include "platform/forms/form_layout.h"
#include "platform/system/file_replace.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <system_error>

namespace plat::forms {

namespace sys = plat::sys;

namespace fs = std::filesystem;
using Json = PropertyBag::Json;

namespace {

std::string lineAndColumn(std::string_view text, size_t byte)
{
    size_t line = 1, column = 1;
    for (size_t i = 0; i < byte && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

struct Reader {
    const std::string& file;

    [[noreturn]] void fail(const std::string& entry, const std::string& problem) const { throw LayoutError(file, entry, problem); }

    PropertyBag bag(const Json& value, const std::string& entry, const char* key) const
    {
        if (!value.is_object())
            fail(entry, std::string("\"") + key + "\" must be an object of name and value pairs");
        try {
            return PropertyBag(value);
        } catch (const PropertyError& e) {
            fail(entry, std::string(key) + ": " + e.what());
        }
    }

    void checkKeys(const Json& object, const std::string& entry, std::initializer_list<const char*> allowed) const
    {
        for (const auto& [k, v] : object.items()) {
            bool known = false;
            for (const char* a : allowed)
                known |= k == a;
            if (!known)
                fail(entry, "unknown key \"" + k + "\"");
        }
    }

    std::vector<ControlLayout> controls(const Json& list, const std::string& parentEntry) const
    {
        std::string listEntry = parentEntry.empty() ? "controls" : parentEntry + ".controls";
        if (!list.is_array())
            fail(parentEntry, "\"controls\" must be a list");
        std::vector<ControlLayout> out;
        for (size_t i = 0; i < list.size(); ++i) {
            const Json& c = list[i];
            std::string entry = listEntry + "[" + std::to_string(i) + "]";
            if (!c.is_object())
                fail(entry, "a control must be an object");
            ControlLayout layout;
            if (auto n = c.find("name"); n != c.end() && n->is_string() && !n->get<std::string>().empty())
                layout.name = n->get<std::string>();
            else
                fail(entry, "a control needs a \"name\" text");
            std::string named = entry + " (" + layout.name + ")";
            checkKeys(c, named, {"class", "name", "index", "extender", "properties", "controls"});
            if (auto k = c.find("class"); k != c.end() && k->is_string() && !k->get<std::string>().empty())
                layout.className = k->get<std::string>();
            else
                fail(named, "a control needs a \"class\" text");
            if (auto ix = c.find("index"); ix != c.end()) {
                if (!ix->is_number_integer() || ix->get<int64_t>() < 0 || ix->get<int64_t>() > 32767)
                    fail(named, "\"index\" must be a whole number from 0 to 32767");
                layout.index = ix->get<int>();
                named = entry + " (" + layout.name + "(" + std::to_string(layout.index) + "))";
            }
            layout.entry = named;
            if (auto e = c.find("extender"); e != c.end())
                layout.extender = bag(*e, named, "extender");
            if (auto p = c.find("properties"); p != c.end())
                layout.properties = bag(*p, named, "properties");
            if (auto kids = c.find("controls"); kids != c.end())
                layout.controls = controls(*kids, entry);
            out.push_back(std::move(layout));
        }
        return out;
    }
};

Json controlJson(const ControlLayout& c)
{
    Json j = Json::object();
    j["class"] = c.className;
    j["name"] = c.name;
    if (c.index >= 0)
        j["index"] = c.index;
    if (!c.extender.empty())
        j["extender"] = c.extender.data();
    if (!c.properties.empty())
        j["properties"] = c.properties.data();
    if (!c.controls.empty()) {
        Json kids = Json::array();
        for (const auto& k : c.controls)
            kids.push_back(controlJson(k));
        j["controls"] = std::move(kids);
    }
    return j;
}

} // namespace

FormLayout parseLayout(std::string_view text, const std::string& file)
{
    Json root;
    try {
        root = Json::parse(text.begin(), text.end());
    } catch (const Json::parse_error& e) {
        std::string what = e.what();
        if (auto colon = what.rfind(": "); colon != std::string::npos)
            what = what.substr(colon + 2);
        throw LayoutError(file, "", "not well-formed JSON at " + lineAndColumn(text, e.byte ? e.byte - 1 : 0) + " (" + what + ")");
    } catch (const Json::exception& e) {
        // Well-formed but not to be held, such as a number beyond any the layouts can hold.
        std::string what = e.what();
        if (auto bracket = what.find("] "); bracket != std::string::npos)
            what = what.substr(bracket + 2);
        throw LayoutError(file, "", "not readable JSON (" + what + ")");
    }
    Reader r{file};
    if (!root.is_object())
        r.fail("", "the layout must be an object with \"form\", \"properties\" and \"controls\"");
    r.checkKeys(root, "", {"form", "properties", "controls"});
    FormLayout layout;
    if (auto f = root.find("form"); f != root.end()) {
        if (!f->is_string())
            r.fail("form", "the form's name must be a text");
        layout.name = f->get<std::string>();
    }
    if (auto p = root.find("properties"); p != root.end())
        layout.properties = r.bag(*p, "properties", "properties");
    if (auto c = root.find("controls"); c != root.end())
        layout.controls = r.controls(*c, "");
    return layout;
}

FormLayout readLayout(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::string why = errno ? std::strerror(errno) : "cannot be opened";
        throw LayoutError(file.string(), "", "cannot be read (" + why + ")");
    }
    std::ostringstream text;
    text << in.rdbuf();
    return parseLayout(text.str(), file.string());
}

Json layoutJson(const FormLayout& layout)
{
    Json root = Json::object();
    root["form"] = layout.name;
    root["properties"] = layout.properties.data();
    Json list = Json::array();
    for (const auto& c : layout.controls)
        list.push_back(controlJson(c));
    root["controls"] = std::move(list);
    return root;
}

std::string layoutText(const FormLayout& layout) { return layoutJson(layout).dump(2) + "\n"; }

void writeLayout(const FormLayout& layout, const fs::path& file)
{
    std::string text;
    try {
        text = layoutText(layout);
    } catch (const Json::exception& e) {
        throw LayoutError(file.string(), "", std::string("cannot be written: ") + e.what());
    }
    // Written as every file of the programs is: whole beside the old one, then renamed over it.
    if (!sys::replaceFile(file, [&text](sys::TextWriter& writer) { return writer.writeBytes(text); }))
        throw LayoutError(file.string(), "", "cannot be written (" + std::string(std::strerror(errno)) + ")");
}

} // namespace plat::forms
