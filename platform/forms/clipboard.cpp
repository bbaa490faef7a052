#include "platform/forms/clipboard.h"
#include <optional>

namespace plat::forms {

static std::optional<std::string>& held()
{
    static std::optional<std::string> text;
    return text;
}

void Clipboard::setText(std::string text) { held() = std::move(text); }
std::string Clipboard::getText() { return held().value_or(std::string()); }
bool Clipboard::hasText() { return held().has_value(); }
void Clipboard::clear() { held().reset(); }

} // namespace plat::forms
