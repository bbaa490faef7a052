#pragma once
#include "controls/core/register_core_controls.h"
#include "controls/extra/register_extra_controls.h"
#include "controls/pages/page_field.h"
#include "controls/pages/property_page.h"
#include "controls/pages/property_page_host.h"
#include "controls/text/register_text_controls.h"
#include "platform/backend/session.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/form.h"
#include "platform/forms/property_bag.h"
#include "platform/forms/standard_controls.h"
#include "platform/forms/text_box.h"
#include "platform/window/api.h"
#include "platform/window/virtual_keys.h"
#include "tests/support/temp_folder.h"
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace qel::testing {

using plat::forms::PropertyBag;

// A designer that hands a page any selection, for cases our host never makes (it shows only the
// tabs of the first selected control's class).
struct BareSite : PageSite {
    std::vector<plat::forms::Control*> selection;
    const std::vector<plat::forms::Control*>& SelectedControls() const override { return selection; }
    void SetPageChanged(const PropertyPage&) override {}
    std::string NameOf(const plat::forms::Control& c) const override { return c.name(); }
    void Rename(plat::forms::Control&, const std::string&) override {}
};

// A headless session with a form under design at the screen's top-left corner and a designer
// host whose pages show to its right. Tests place controls on the form as a stored layout
// would, select them, and work the pages through clicks and typed keys at screen points.
class PagesTest : public ::testing::Test {
protected:
    plat::backend::HeadlessSession session{{1024, 768}};
    plat::forms::Form designed{"designed", ""};
    const TempFolder scratch{"qel-pages-XXXXXX"};
    std::filesystem::path layoutFile = scratch / "designed.json";
    PropertyPageHost host{designed, layoutFile};

    void SetUp() override
    {
        plat::forms::registerStandardControls();
        registerCoreControls();
        registerTextControls();
        registerExtraControls();
        designed.setDesignMode(true);
        designed.move(0, 0, 600 * 15, 700 * 15);
        designed.load();
        designed.show();
        host.setDialogPosition(620 * 15, 20 * 15);
    }


    template<class T>
    T& place(const std::string& name, int x, int y, int w, int h, PropertyBag stored = {}, plat::forms::Control* container = nullptr)
    {
        PropertyBag e;
        e.writeProperty("Left", double(x * 15), -1.0);
        e.writeProperty("Top", double(y * 15), -1.0);
        e.writeProperty("Width", double(w * 15), -1.0);
        e.writeProperty("Height", double(h * 15), -1.0);
        auto& c = designed.addControl(std::make_unique<T>(), name, -1, container, &stored, &e);
        return dynamic_cast<T&>(c);
    }

    // Selects the controls and shows the tab of the page of that name.
    PropertyPage& selectAndShow(std::vector<plat::forms::Control*> controls, const std::string& pageName)
    {
        host.Select(std::move(controls));
        for (int i = 0; i < host.PageCount(); ++i)
            if (host.Page(i).Spec().name == pageName) {
                host.ShowPage(i);
                session.settle();
                return host.Page(i);
            }
        ADD_FAILURE() << "no tab " << pageName;
        return host.Page(0);
    }

    bool changed(const PropertyPage& page) const { return host.PageChanged(page); }

    plat::gfx::Point centreOf(plat::win::HWND h, int dx = -1)
    {
        const plat::gfx::Rect r = plat::win::GetScreenRect(h);
        return {dx >= 0 ? r.left + dx : (r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }

    void clickAt(plat::gfx::Point p)
    {
        session.mouseMove(p.x, p.y);
        session.click(p.x, p.y);
        session.settle();
    }

    // A click on a check box field (on its glyph cell).
    void clickBox(PropertyPage& page, const std::string& field) { clickAt(centreOf(page.Field(field).Control().hwnd(), 6)); }

    // Clears a text field with the keys and types the text into it.
    void typeInto(PropertyPage& page, const std::string& field, const std::string& text)
    {
        PageField& f = page.Field(field);
        clickAt(centreOf(f.Control().hwnd()));
        session.key(plat::win::VK_END);
        for (size_t i = f.Text().size(); i > 0; --i)
            session.key(plat::win::VK_BACK);
        session.settle();
        EXPECT_EQ(f.Text(), "") << field;
        session.type(text);
        session.settle();
    }

    // Opens a pick list with a click and clicks the row of the item.
    void pick(PropertyPage& page, const std::string& field, int item)
    {
        auto& box = static_cast<plat::forms::ComboBox&>(page.Field(field).Control());
        clickAt(centreOf(box.hwnd()));
        ASSERT_TRUE(box.droppedDown()) << field;
        const auto& list = box.dropDown();
        const plat::gfx::Rect r = plat::win::GetScreenRect(list.hwnd());
        for (int y = 0; y < r.height(); ++y)
            if (list.panel().rowAt({4, y}) == item) {
                clickAt({r.left + 10, r.top + y + list.panel().rowHeight() / 2});
                return;
            }
        // Out of view: close the list and step to the item with the keys.
        session.key(plat::win::VK_ESCAPE);
        session.key(plat::win::VK_HOME);
        for (int i = 0; i < item; ++i)
            session.key(plat::win::VK_DOWN);
        session.settle();
        ASSERT_FALSE(box.droppedDown()) << field;
        ASSERT_EQ(box.listIndex(), item) << field;
    }
};

} // namespace qel::testing
