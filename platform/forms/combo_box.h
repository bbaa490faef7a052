#pragma once
#include "platform/forms/combo_drop_down.h"
#include "platform/forms/edit_field.h"
#include "platform/forms/entry_list.h"
#include "platform/forms/input_control.h"
#include <functional>
#include <string>

namespace plat::forms {

// A field with a button that drops a list of entries. Style 0 (dropdown combo) has an edit
// field for typed text besides the list; Style 2 (dropdown list) shows only the chosen entry.
// (Style 1, the simple combo, behaves as Style 0.) Entries count from 0; an index outside the
// list is ignored. The box is as high as its font needs, whatever height it is given.
//
// Click follows a choice from the list (by the mouse, by the keys, or a new ListIndex set by
// code); Change follows a change of the typed text (Style 0), by the user or by code;
// DropDown comes just before the list opens.
class ComboBox : public InputControl, public EntryList {
public:
    ComboBox();
    ~ComboBox() override;
    std::string className() const override { return "ComboBox"; }

    int style() const { return m_style; }
    void setStyle(int style);

    // Empties the list and the text.
    void clear() override;
    void setSorted(bool on);

    // The chosen entry, -1 for none. Choosing one shows its text; -1 empties the text.
    int listIndex() const { return m_listIndex; }
    void setListIndex(int index);
    // Style 0: the typed text (the entry of the same text, if any, becomes the ListIndex).
    // Style 2: the chosen entry's text; setting it chooses the entry of that text, and a text
    // no entry has is ignored.
    std::string text() const;
    void setText(const std::string& text);
    // Selection of the typed text (Style 0).
    int selStart() const { return m_field.selStart(); }
    void setSelStart(int position) { m_field.setSelStart(position); }
    int selLength() const { return m_field.selLength(); }
    void setSelLength(int characters) { m_field.setSelLength(characters); }
    std::string selText() const { return m_field.selText(); }
    // Neither typed text nor a choice from the list.
    bool locked() const { return m_locked; }
    void setLocked(bool on);

    bool droppedDown() const { return m_dropDown.isOpen(); }
    void showDropDown(bool show);
    const ComboDropDown& dropDown() const { return m_dropDown; }

    // A box disabled closes its list first.
    void setEnabled(bool enabled) override;
    // The button's rectangle in the box's window.
    gfx::Rect buttonRect() const;
    const EditField& editField() const { return m_field; }

    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void()> onChange;
    std::function<void()> onDropDown;

    void initProperties() override;
    void readProperties(PropertyBag& bag) override;
    void writeProperties(PropertyBag& bag) const override;

protected:
    win::LRESULT controlProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam) override;
    void onRemoved() override;
    void layOut() override;
    void paintWindow(gfx::DeviceContext& dc) override;
    // The box's height follows the font.
    void showLook(Look what) override;
    void loaded() override { layOut(); }
    // The choice keeps to its entry; an open list closes.
    void entryAdded(int index) override;
    void entryRemoved(int index) override;
    void entriesChanged() override { redraw(); }
    void focusChanged(bool gained) override;
    void keyDown(int code, int shift) override;
    void character(int ascii) override;

private:
    static const auto& storedProperties();
    bool editable() const { return m_style != 2; }
    int boxHeight() const;
    // Makes `index` the choice; returns whether it changed.
    bool choose(int index);
    void chooseByUser(int index, bool always);
    void raiseClick();
    void raiseChange();
    void afterTyping();
    bool keyWhileClosed(int vk, int shift);
    gfx::Rect fieldRect() const;

    ComboDropDown m_dropDown{m_entries};
    EditField m_field;
    int m_style = 0;
    int m_listIndex = -1;
    bool m_locked = false;
    bool m_sizing = false;
    bool m_buttonPushed = false;
};

} // namespace plat::forms
