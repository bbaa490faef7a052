#include "controls/pages/page_registry.h"
#include "controls/pages/prop_all.h"
#include "controls/pages/prop_bar.h"
#include "controls/pages/prop_check.h"
#include "controls/pages/prop_command.h"
#include "controls/pages/prop_frame.h"
#include "controls/pages/prop_h_scroll.h"
#include "controls/pages/prop_label.h"
#include "controls/pages/prop_list_box_v_scroll.h"
#include "controls/pages/prop_option_button.h"
#include "controls/pages/prop_sys_tray.h"
#include "controls/pages/prop_toggle_button.h"
#include "controls/pages/prop_up_down.h"
#include "controls/pages/prop_v_scroll.h"
#include <functional>
#include <map>

namespace qel {

std::vector<std::string> PagesOfClass(std::string_view className)
{
    static const std::map<std::string, std::vector<std::string>, std::less<>> pages = {
        {"qelFrame", {"propFrame", "propAll"}},
        {"qelOptionButton", {"propOptionButton", "propAll"}},
        {"qelCheck", {"propCheck", "propAll"}},
        {"qelBar", {"propBar", "propAll"}},
        {"qelLabel", {"propLabel", "propAll"}},
        {"qelCommand", {"propCommand", "propAll"}},
        {"qelToggleButton", {"propToggleButton", "propAll"}},
        {"qelHScroll", {"propHScroll", "propAll"}},
        {"qelVScroll", {"propVScroll", "propAll"}},
        {"qelUpDown", {"propUpDown", "propAll"}},
        {"qelListBox", {"propAll", "propListBoxVScroll"}},
        {"qelSysTray", {"propSysTray"}},
    };
    auto it = pages.find(className);
    return it == pages.end() ? std::vector<std::string>() : it->second;
}

std::unique_ptr<PropertyPage> CreatePage(std::string_view pageName)
{
    using Factory = std::function<std::unique_ptr<PropertyPage>()>;
    static const std::map<std::string, Factory, std::less<>> factories = {
        {"propAll", [] { return std::make_unique<propAll>(); }},
        {"propBar", [] { return std::make_unique<propBar>(); }},
        {"propCheck", [] { return std::make_unique<propCheck>(); }},
        {"propCommand", [] { return std::make_unique<propCommand>(); }},
        {"propFrame", [] { return std::make_unique<propFrame>(); }},
        {"propHScroll", [] { return std::make_unique<propHScroll>(); }},
        {"propLabel", [] { return std::make_unique<propLabel>(); }},
        {"propListBoxVScroll", [] { return std::make_unique<propListBoxVScroll>(); }},
        {"propOptionButton", [] { return std::make_unique<propOptionButton>(); }},
        {"propSysTray", [] { return std::make_unique<propSysTray>(); }},
        {"propToggleButton", [] { return std::make_unique<propToggleButton>(); }},
        {"propUpDown", [] { return std::make_unique<propUpDown>(); }},
        {"propVScroll", [] { return std::make_unique<propVScroll>(); }},
    };
    auto it = factories.find(pageName);
    return it == factories.end() ? nullptr : it->second();
}

} // namespace qel
