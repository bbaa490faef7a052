#pragma once
#include "controls/pages/member_value.h"
#include "controls/pages/page_field.h"
#include "controls/pages/page_site.h"
#include "controls/pages/page_spec.h"
#include "platform/forms/form.h"
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qel {

// A design-time property page: a small fixed panel of fields built from its stored design, shown
// by a designer for the selected controls. Its fields are its only state.
//
// - LoadFromSelection fills every field from the first selected control, reading its members by
//   name in the page's load order (its class is not tested);
// - MarkPageChanged, the handler of every field's edit notification, sets the designer's changed
//   flag;
// - ApplyToSelection writes every field, in the page's apply order, into each selected control
//   of the page's class, in selection order, passing other controls over.
// A failing step throws PageError (or the member's own exception) back to the designer, unless
// the page runs that operation in skip-on-error mode, where the step is skipped.
class PropertyPage : public plat::forms::Form {
public:
    explicit PropertyPage(PageSpec spec);
    ~PropertyPage() override;

    const PageSpec& Spec() const { return m_spec; }
    const std::string& Caption() const { return m_spec.caption; }

    // The designer that shows the page; set before any operation.
    void Attach(PageSite& site) { m_site = &site; }

    virtual void LoadFromSelection();
    void MarkPageChanged();
    virtual void ApplyToSelection();

    // The fields in design order; by field name or by the member it edits.
    const std::vector<std::unique_ptr<PageField>>& Fields() const { return m_fields; }
    PageField& Field(std::string_view name) const;
    PageField& FieldOfMember(std::string_view member) const;

protected:
    void onLoad() override;
    // Called at the end of building the fields.
    virtual void OnFieldsBuilt() {}

    PageSite& Site() const;
    // Item 0 of the selection (PageError when nothing is selected).
    plat::forms::Control& FirstSelected() const;
    // Runs one statement; in skip mode a failure is dropped and the next statement runs.
    static void Statement(bool skipErrors, const std::function<void()>& step);
    // Shows the member values `read` gives, in the load order.
    void ReadFields(const std::function<MemberValue(const std::string&)>& read, bool skipErrors);
    // Hands every field's value to `write`, in `order` (the apply order by default).
    void WriteFields(const std::function<void(const std::string&, const MemberValue&)>& write, bool skipErrors,
        const std::vector<std::string>* order = nullptr);

private:
    plat::forms::Control* ContainerNamed(const std::string& name) const;
    plat::forms::Control& BuildField(const FieldSpec& field, plat::forms::Control* container);

    PageSpec m_spec;
    PageSite* m_site = nullptr;
    std::vector<std::unique_ptr<PageField>> m_fields;
};

// "Tahoma", 8.25 point, normal weight: the font of every field and label of a page.
plat::forms::FontDesc PageFont();

} // namespace qel
