#pragma once
#include "controls/pages/page_site.h"
#include "controls/pages/property_page.h"
#include "platform/forms/form.h"
#include "platform/forms/form_layout.h"
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace qel {

// A small designer host: a form under design (shown in design mode), the controls selected on
// it, the property pages their classes offer (as tabs, one shown at a time), each page's changed
// flag, and the stored layout written back after an apply.
//
// Select() is the selection change: the pages the first selected control's class offers are
// made (in its tab order) and each loads from the selection; Apply() runs
// ApplyToSelection of every page marked changed and writes the form's layout to its file. A
// failure a page hands back is kept (Failures()) and reported by the call's result.
class PropertyPageHost : public PageSite {
public:
    PropertyPageHost(plat::forms::Form& designed, std::filesystem::path layoutFile);
    ~PropertyPageHost() override;

    plat::forms::Form& Designed() const { return m_designed; }

    bool Select(std::vector<plat::forms::Control*> controls);
    const std::vector<plat::forms::Control*>& SelectedControls() const override { return m_selection; }

    int PageCount() const { return int(m_pages.size()); }
    PropertyPage& Page(int tab) const { return *m_pages.at(size_t(tab)).page; }
    // The page of that name among the tabs, or null.
    PropertyPage* PageNamed(const std::string& name) const;
    // The tab titles in order.
    std::vector<std::string> TabCaptions() const;
    // Shows the tab's page at the dialog's place (twips on the screen), hiding the others.
    void ShowPage(int tab);
    void setDialogPosition(double left, double top);

    bool PageChanged(int tab) const { return m_pages.at(size_t(tab)).changed; }
    bool PageChanged(const PropertyPage& page) const;
    void SetPageChanged(const PropertyPage& page) override;

    bool Apply();
    const std::vector<std::string>& Failures() const { return m_failures; }
    void ClearFailures() { m_failures.clear(); }

    // Names: the designer keeps a renamed control's new name and writes it into the layout.
    std::string NameOf(const plat::forms::Control& control) const override;
    void Rename(plat::forms::Control& control, const std::string& name) override;
    // The stored layout of the designed form with the designer's names.
    plat::forms::FormLayout Layout() const;
    const std::filesystem::path& LayoutFile() const { return m_layoutFile; }

private:
    struct Tab {
        std::unique_ptr<PropertyPage> page;
        bool changed = false;
    };
    std::vector<std::string> OfferedPages() const;
    void Fail(const PropertyPage& page, const std::string& what, const std::exception& e);

    plat::forms::Form& m_designed;
    std::filesystem::path m_layoutFile;
    std::vector<plat::forms::Control*> m_selection;
    std::vector<Tab> m_pages;
    std::map<const plat::forms::Control*, std::string> m_names;
    std::vector<std::string> m_failures;
    double m_dialogLeft = 0, m_dialogTop = 0;
};

} // namespace qel
