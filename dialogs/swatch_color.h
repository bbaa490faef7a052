#pragma once

namespace plat::forms {
class CommonDialog;
class Label;
} // namespace plat::forms

namespace dialogs {

// Lets the operator choose a colour swatch's colour in the colour dialog, which opens full and
// starts from the swatch's colour. A cancelled choice leaves the swatch alone. True when a colour
// was chosen (the swatch has it then).
bool pickSwatchColor(plat::forms::Label& swatch, plat::forms::CommonDialog& picker);

} // namespace dialogs
