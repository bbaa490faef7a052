#pragma once
#include <string>
#include <vector>

namespace plat::forms {
class Control;
}

namespace qel {

class PropertyPage;

// What a page gets from the designer that shows it: the selection in selection order, the
// page's changed flag (which the page only ever sets), and the host-side names of controls.
class PageSite {
public:
    virtual ~PageSite() = default;
    virtual const std::vector<plat::forms::Control*>& SelectedControls() const = 0;
    virtual void SetPageChanged(const PropertyPage& page) = 0;
    // The name the designer keeps for a placed control, and a new one (PageError when the form
    // does not accept it).
    virtual std::string NameOf(const plat::forms::Control& control) const = 0;
    virtual void Rename(plat::forms::Control& control, const std::string& name) = 0;
};

} // namespace qel
