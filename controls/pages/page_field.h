#pragma once
#include "controls/pages/member_value.h"
#include "controls/pages/page_spec.h"
#include <functional>

namespace plat::forms {
class Control;
class TextBox;
class ComboBox;
} // namespace plat::forms

namespace qel {

class PageCheckBox;

// One field of a page with the conversions between what it shows and a member's value.
// Showing a value other than the one shown raises the field's edit notification, as an edit by
// the developer does.
class PageField {
public:
    PageField(const FieldSpec& spec, plat::forms::Control& control, std::function<void()> edited);

    const FieldSpec& Spec() const { return m_spec; }
    plat::forms::Control& Control() const { return m_control; }

    // The load step: a text field shows the value as text; a pick list picks the value as a
    // position (minus 1 for lists that start at 1; -1 picks nothing), a position beyond its
    // items fails; a check box takes the absolute value, a state above 2 fails.
    void Show(const MemberValue& value);
    // The apply step: the text, LeadingNumber of the text, the picked position (plus 1 for lists
    // that start at 1), or True when the box is not clear.
    MemberValue Value() const;

    // What the field shows now: the text, the picked position, the box state.
    std::string Text() const;
    int Position() const;
    int State() const;

private:
    FieldSpec m_spec;
    plat::forms::Control& m_control;
    plat::forms::TextBox* m_text = nullptr;
    plat::forms::ComboBox* m_pick = nullptr;
    PageCheckBox* m_check = nullptr;
    std::function<void()> m_edited;
};

} // namespace qel
