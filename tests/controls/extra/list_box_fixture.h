#pragma once
#include "controls/extra/qel_list_box.h"
#include "extra_fixture.h"
#include "tests/support/temp_folder.h"
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace qel::testing {

namespace fs = std::filesystem;

// A list 200 x 80 pixels (3000 x 1200 twips) at (100, 100), loaded from a stored layout.
class ListBoxTest : public ExtraTest {
protected:
    using ItemRef = qelListBox::ItemRef;
    qelListBox* list = nullptr;
    std::vector<std::string> log;
    const TempFolder m_scratch{"qel-list-XXXXXX"};
    fs::path scratch = m_scratch.path();

    void SetUp() override
    {
        ExtraTest::SetUp();
        PropertyBag stored;
        stored.writeProperty("Sorted", int32_t(0), -1);
        list = &place<qelListBox>("list", 100, 100, 200, 80, stored);
        auto item = [this](const char* name) {
            return [this, name](const ItemRef& Item) { log.push_back(std::string(name) + " " + (Item ? Item->Text() : "-")); };
        };
        list->ItemClick = item("ItemClick");
        list->ItemDblClick = item("ItemDblClick");
        list->ItemChek = item("ItemChek");
        list->ItemUnCheck = item("ItemUnCheck");
        list->MouseDown = [this](int& Button, int&, int&, int&, int&) { log.push_back("MouseDown " + std::to_string(Button)); };
        list->MouseWheel = [this](int& Sens) { log.push_back("MouseWheel " + std::to_string(Sens)); };
        show();
    }

    void addItems(int n, int height = 300)
    {
        for (int i = 1; i <= n; ++i) {
            auto it = std::make_shared<qelListItem>();
            it->setText("item" + std::to_string(i));
            it->setHeight(height);
            list->AddItem("", it);
        }
    }
    // A press on item i (300 twips = 20 pixels each) at a pixel column.
    void pressItem(int i, int x = 50, int button = 1)
    {
        const int y = 100 + (i - list->TopIndex()) * 20 + 10;
        session.mouseMove(100 + x, y);
        session.mouseDown(100 + x, y, button);
        session.mouseUp(100 + x, y, button);
        session.advance(600); // no double click with the next press
    }
    std::string flags()
    {
        std::string s;
        for (int i = 1; i <= list->ListCount(); ++i)
            s += list->Selected(i) ? '1' : '0';
        return s;
    }
    std::vector<std::string> take() { return std::exchange(log, {}); }
    std::string texts()
    {
        std::string s;
        for (int i = 1; i <= list->ListCount(); ++i)
            s += (i > 1 ? "," : "") + list->List(i);
        return s;
    }
    std::string fileBytes(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
};

} // namespace qel::testing
