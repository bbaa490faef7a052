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

std::string Clipboard::getText()
{
    win::BackendPort* port = backend();
    return port ? port->clipboardText().value_or(std::string()) : std::string();
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
