// The stored-layout reader: a layout it reads is written back as the program writes layouts and
// read again, and both readings are the same layout; anything else it finds wrong is a LayoutError.
#include "platform/forms/form_layout.h"
#include "round_trip.h"
#include <nlohmann/json.hpp>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    plat::forms::FormLayout first;
    try {
        first = plat::forms::parseLayout(std::string_view(reinterpret_cast<const char*>(data), size), "fuzz.json");
    } catch (const plat::forms::LayoutError&) {
        return 0;
    }
    const std::string written = plat::forms::layoutText(first);
    plat::forms::FormLayout second;
    try {
        second = plat::forms::parseLayout(written, "fuzz.json");
    } catch (const plat::forms::LayoutError& error) {
        std::fprintf(stderr, "%s\n", error.what());
        fuzz::check(false, "a written layout cannot be read again");
    }
    fuzz::check(plat::forms::layoutJson(second) == plat::forms::layoutJson(first), "a layout reads back otherwise than it was written");
    fuzz::check(plat::forms::layoutText(second) == written, "a layout is written otherwise the second time");
    return 0;
}
