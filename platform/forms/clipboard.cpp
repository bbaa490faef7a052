#include "platform/forms/clipboard.h"
#include "platform/window/window_system.h"

namespace plat::forms {

namespace {

win::BackendPort* backend()
{
    win::WindowSystem* windows = win::WindowSystem::current();
    return windows ? &windows->backend() : nullptr;
}

} // namespace

void Clipboard::setText(std::string text)
{
    if (win::BackendPort* port = backend())
        port->setClipboardText(std::move(text));
}

// Lines ended by a line feed alone (as other programs on the desktop copy them) become the CR LF
// lines of the program's fields.
std::string Clipboard::getText()
{
    win::BackendPort* port = backend();
    const std::string held = port ? port->clipboardText().value_or(std::string()) : std::string();
    std::string text;
    text.reserve(held.size());
    for (size_t i = 0; i < held.size(); ++i) {
        if (held[i] == '\n' && (i == 0 || held[i - 1] != '\r'))
            text += '\r';
        text += held[i];
    }
    return text;
}

bool Clipboard::hasText()
{
    win::BackendPort* port = backend();
    return port && port->clipboardText().has_value();
}

void Clipboard::clear()
{
    if (win::BackendPort* port = backend())
        port->setClipboardText(std::nullopt);
}

} // namespace plat::forms
