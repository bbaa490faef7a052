#pragma once
#include "../scoreboard/board_fixture.h"

#include "dialogs/setup_dialog_form.h"

#include "platform/forms/color_dialog.h"
#include "platform/forms/list_box.h"
#include "platform/forms/list_view.h"
#include "platform/forms/message_box.h"
#include "platform/gfx/picture.h"
#include "platform/window/api.h"
#include "platform/window/virtual_keys.h"
#include "tests/support/screenshot_folder.h"

#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace dialogs::test {

namespace forms = plat::forms;

// The scoreboard loaded in a fresh program folder, and a setup dialog shown over it the way its
// modal show does, but without the nested loop, so the test drives it through the window
// system's messages. Message boxes and colour dialogs that a handler opens are answered from
// queues as they come up.
class BoardDialogTest : public scoreboard::test::BoardTest {
protected:
    void TearDown() override
    {
        if (session)
            session->backend().setIdleHandler(nullptr);
        if (m_dialog && m_dialog->isLoaded())
            m_dialog->unload();
        m_dialog.reset();
        BoardTest::TearDown();
    }

    template<class Dialog, class... Args>
    Dialog& openDialog(Args&&... args)
    {
        if (!board)
            loadBoard();
        auto dialog = std::make_unique<Dialog>(std::forward<Args>(args)...);
        Dialog& ref = *dialog;
        m_dialog = std::move(dialog);
        installAnswers();
        ref.load();
        ref.show();
        session->settle();
        return ref;
    }

    forms::Form& dialog() { return *m_dialog; }
    bool dialogLoaded() const { return m_dialog && m_dialog->isLoaded(); }

    template<class T>
    T& part(std::string_view name, int index = -1)
    {
        return index < 0 ? m_dialog->get<T>(name) : m_dialog->get<T>(name, index);
    }

    // A left click in the middle of a control's window (or at a point of it).
    void clickAt(const forms::Control& c, int dx = -1, int dy = -1)
    {
        const plat::gfx::Rect r = session->windows().screenRect(c.hwnd());
        session->click(r.left + (dx < 0 ? r.width() / 2 : dx), r.top + (dy < 0 ? r.height() / 2 : dy));
        session->settle();
    }
    void click(std::string_view name, int index = -1) { clickAt(dialog().get<forms::Control>(name, index)); }
    void clickButton(std::string_view name) { clickAt(*dialog().find(name)); }

    // Clicks into the control, puts the caret at the end with the End key and types the text.
    void typeInto(forms::Control& c, const std::string& text)
    {
        clickAt(c);
        session->key(plat::win::VK_END);
        session->type(text);
        session->settle();
    }

    void clickEntry(const forms::ListBox& list, int index)
    {
        const plat::gfx::Rect row = list.entryRect(index);
        const plat::gfx::Rect r = session->windows().screenRect(list.hwnd());
        session->click(r.left + row.left + 4, r.top + (row.top + row.bottom) / 2);
        session->settle();
    }

    void clickItem(const forms::ListView& view, int index)
    {
        const plat::gfx::Rect row = view.itemRect(*view.listItems().item(index));
        const plat::gfx::Rect r = session->windows().screenRect(view.hwnd());
        session->click(r.left + row.left + 6, r.top + (row.top + row.bottom) / 2);
        session->settle();
    }

    // The button to choose in each message box that comes up, in order (vbOK once they run out);
    // every box is recorded as "title|text".
    void answerMessages(std::vector<int> answers) { m_answers.assign(answers.begin(), answers.end()); }
    // The colour to choose (or nothing: cancel) in each colour dialog that comes up; each dialog
    // records the colour it started from.
    void answerColors(std::vector<std::optional<uint32_t>> colors) { m_colors.assign(colors.begin(), colors.end()); }

    std::vector<std::string> messages;
    std::vector<uint32_t> colorDialogStarts;

    // Saves the whole screen into the test's own picture folder and gives back the saved pixels.
    plat::gfx::Surface saveScreen(const std::string& fileName)
    {
        if (!m_shots)
            m_shots = std::make_unique<test_support::ScreenshotFolder>();
        plat::gfx::Surface shot = m_shots->save(session->windows().screen(), fileName);
        EXPECT_EQ(shot.pixels(), session->windows().screen().pixels()) << fileName;
        return shot;
    }

private:
    std::unique_ptr<test_support::ScreenshotFolder> m_shots;

    void installAnswers()
    {
        session->backend().setIdleHandler([this] {
            if (forms::MessageBoxForm* box = forms::MessageBoxForm::current()) {
                messages.push_back(box->title() + "|" + box->text());
                int answer = forms::vbOK;
                if (!m_answers.empty()) {
                    answer = m_answers.front();
                    m_answers.pop_front();
                }
                box->choose(answer);
                return true;
            }
            if (forms::ColorDialog* picker = forms::ColorDialog::current()) {
                colorDialogStarts.push_back(picker->color());
                std::optional<uint32_t> color;
                if (!m_colors.empty()) {
                    color = m_colors.front();
                    m_colors.pop_front();
                }
                if (color) {
                    picker->setColor(*color);
                    picker->accept();
                } else {
                    picker->cancel();
                }
                return true;
            }
            return false;
        });
    }

    std::unique_ptr<forms::Form> m_dialog;
    std::deque<int> m_answers;
    std::deque<std::optional<uint32_t>> m_colors;
};

} // namespace dialogs::test
