#pragma once
#include "platform/forms/combo_box.h"
#include "platform/forms/common_dialog.h"
#include "platform/forms/control_registry.h"
#include "platform/forms/image.h"
#include "platform/forms/label.h"
#include "platform/forms/line.h"
#include "platform/forms/list_box.h"
#include "platform/forms/list_view.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/shape.h"
#include "platform/forms/text_box.h"
#include "platform/forms/timer.h"

namespace plat::forms {

// Label, PictureBox, Image, Line, Shape, Timer, TextBox, ListBox, ComboBox, ListView and CommonDialog, under those class names.
void registerStandardControls(ControlRegistry& registry = ControlRegistry::global());

} // namespace plat::forms
