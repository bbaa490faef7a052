#pragma once
#include "../scoreboard/board_fixture.h"

#include "dialogs/setup_dialog_form.h"

#include "scoreboard/display_routines.h"

#include "controls/core/qel_label.h"
#include "platform/forms/form_directory.h"
#include "platform/forms/message_box.h"
#include "platform/forms/text_box.h"
#include "platform/window/api.h"
#include "platform/window/virtual_keys.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace dialogs::test {

// The scoreboard `main` shown on the headless backend in a fresh program folder, and the dialog
// under test shown over it: modeless, so a test can work it one step at a time, or modal through
// its open function while the steps run whenever the loop is idle.
class DialogTest : public scoreboard::test::BoardTest {
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        loadBoard();
        board->show();
        session->settle();
    }

    void TearDown() override
    {
        if (session)
            session->backend().setIdleHandler(nullptr);
        if (m_dialog && m_dialog->isLoaded())
            m_dialog->unload();
        m_dialog.reset();
        BoardTest::TearDown();
    }

    template<class D>
    D& open()
    {
        auto dialog = std::make_unique<D>();
        D& ref = *dialog;
        m_dialog = std::move(dialog);
        ref.show();
        session->settle();
        return ref;
    }

    // Runs `openModal` (which returns once its dialog is gone); meanwhile each step runs when the
    // loop has handled what the one before did. Steps find the dialog with dialogForm().
    void whileModal(const std::function<void()>& openModal, std::vector<std::function<void()>> steps)
    {
        session->backend().setIdleHandler([steps = std::move(steps), next = size_t(0)]() mutable {
            if (next == steps.size())
                return false;
            steps[next++]();
            return true;
        });
        openModal();
        session->backend().setIdleHandler(nullptr);
    }

    template<class D = plat::forms::Form>
    static D* dialogForm(std::string_view name)
    {
        return dynamic_cast<D*>(plat::forms::findLoadedForm(name));
    }

    // The number of a box selected as the operator does it and `keys` typed over it (characters
    // through the key filter): a click into a box without the focus selects its whole text, a
    // double click selects the number of the box that has it.
    void typeOver(plat::forms::TextBox& box, const std::string& keys)
    {
        const bool focused = plat::win::GetFocus() == box.hwnd();
        clickOn(box);
        if (focused)
            clickOn(box);
        session->type(keys);
        session->settle();
    }

    void press(int vk)
    {
        session->key(vk);
        session->settle();
    }

    std::string balltime() { return control<qel::qelLabel>("balltime").Caption(); }
    uint32_t balltimeColor() { return control<qel::qelLabel>("balltime").ForeColor(); }

private:
    std::unique_ptr<plat::forms::Form> m_dialog;
};

} // namespace dialogs::test
