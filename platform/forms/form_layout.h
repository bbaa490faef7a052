#pragma once
#include "platform/forms/layout_error.h"
#include "platform/forms/property_bag.h"
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace plat::forms {

// One control of a stored layout: its class, name and index, the extender values, the
// entries of its property bag, and the controls it contains.
struct ControlLayout {
    std::string className;
    std::string name;
    int index = -1;
    PropertyBag extender;
    PropertyBag properties;
    std::vector<ControlLayout> controls;
    std::string entry; // where it stands in the file, for messages: "controls[1].controls[0] (pic)"
};

// A form's stored layout: one JSON file per form,
//   { "form": "<name>", "properties": { ... },
//     "controls": [ { "class": "Label", "name": "lab", "index": 0,
//                     "extender": { "left": 120, ... }, "properties": { ... },
//                     "controls": [ ...contained controls... ] }, ... ] }
// with keys of the properties and extender objects matched without regard to case.
struct FormLayout {
    std::string name;
    PropertyBag properties;
    std::vector<ControlLayout> controls;
};

// Throws LayoutError naming the file (and the entry) when it is missing or broken.
FormLayout readLayout(const std::filesystem::path& file);
// `file` only names the source in messages.
FormLayout parseLayout(std::string_view text, const std::string& file);

PropertyBag::Json layoutJson(const FormLayout& layout);
std::string layoutText(const FormLayout& layout); // indented JSON, UTF-8
// Writes the file whole through a temporary file renamed into place; throws LayoutError on failure.
void writeLayout(const FormLayout& layout, const std::filesystem::path& file);

} // namespace plat::forms
