#include "platform/forms/form_directory.h"
#include "platform/forms/form.h"
#include "platform/window/window_system.h"
#include <algorithm>
#include <cctype>

namespace plat::forms {

static std::vector<Form*>& directory()
{
    static std::vector<Form*> forms;
    return forms;
}

void enterFormDirectory(Form* form) { directory().push_back(form); }

void leaveFormDirectory(Form* form) { std::erase(directory(), form); }

std::vector<Form*> loadedForms()
{
    std::vector<Form*> out;
    for (Form* f : directory())
        if (f->isLoaded())
            out.push_back(f);
    return out;
}

Form* findLoadedForm(std::string_view name)
{
    auto same = [&](const std::string& n) {
        return n.size() == name.size()
            && std::equal(n.begin(), n.end(), name.begin(), [](char a, char b) { return std::tolower((unsigned char)a) == std::tolower((unsigned char)b); });
    };
    for (Form* f : loadedForms())
        if (same(f->name()))
            return f;
    return nullptr;
}

Form* formOfWindow(win::HWND hwnd)
{
    win::WindowSystem* ws = win::WindowSystem::current();
    if (!ws || !hwnd)
        return nullptr;
    win::HWND top = ws->topLevelOf(hwnd);
    for (Form* f : loadedForms())
        if (f->hwnd() == top)
            return f;
    return nullptr;
}

} // namespace plat::forms
