#include "platform/forms/standard_controls.h"

namespace plat::forms {

void registerStandardControls(ControlRegistry& registry)
{
    registry.add<Label>("Label");
    registry.add<PictureBox>("PictureBox");
    registry.add<Image>("Image");
    registry.add<Line>("Line");
    registry.add<Shape>("Shape");
    registry.add<Timer>("Timer");
    registry.add<TextBox>("TextBox");
    registry.add<ListBox>("ListBox");
    registry.add<ComboBox>("ComboBox");
    registry.add<ListView>("ListView");
    registry.add<CommonDialog>("CommonDialog");
}

} // namespace plat::forms
