#pragma once
#include "platform/window/types.h"
#include <string_view>
#include <vector>

namespace plat::forms {

class Form;

// Every form object of the program, so that a driver or a designer host can find a form by
// name or by one of its windows. Forms enter it when they are constructed.
void enterFormDirectory(Form* form);
void leaveFormDirectory(Form* form);
std::vector<Form*> loadedForms();
// The loaded form of that name (without regard to case), if any.
Form* findLoadedForm(std::string_view name);
// The loaded form whose window is, or holds, the given window.
Form* formOfWindow(win::HWND hwnd);

} // namespace plat::forms
