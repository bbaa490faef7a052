#include "controls/pages/property_page.h"
#include "controls/pages/page_check_box.h"
#include "controls/core/qel_frame.h"
#include "controls/pages/control_members.h"
#include "platform/forms/combo_box.h"
#include "platform/forms/label.h"
#include "platform/forms/picture_box.h"
#include "platform/forms/text_box.h"
#include <algorithm>

namespace qel {
namespace {

using plat::forms::Control;
using plat::forms::PropertyBag;

PropertyBag Place(double left, double top, double width, double height)
{
    PropertyBag e;
    e.writeProperty("Left", left, -1.0);
    e.writeProperty("Top", top, -1.0);
    e.writeProperty("Width", width, -1.0);
    e.writeProperty("Height", height, -1.0);
    return e;
}

int UsualHeight(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Pick:
        return 315;
    case FieldKind::Check:
        return 255;
    default:
        return 285;
    }
}

} // namespace

plat::forms::FontDesc PageFont()
{
    plat::forms::FontDesc f;
    f.name = "Tahoma";
    f.size = 8.25;
    f.weight = 400;
    f.charset = 0;
    return f;
}

PropertyPage::PropertyPage(PageSpec spec)
    : Form(spec.name, std::filesystem::path())
    , m_spec(std::move(spec))
{
    setCaption(m_spec.caption);
    setFont(PageFont());
    move(0, 0, m_spec.width, m_spec.height);
}

PropertyPage::~PropertyPage()
{
    // The fields' handlers point at this page: nothing they hear while the windows go (a focus
    // change, a closing list) may reach it or the designer any more.
    m_site = nullptr;
    for (const auto& f : m_fields) {
        if (auto* text = dynamic_cast<plat::forms::TextBox*>(&f->Control()))
            text->onChange = nullptr;
        else if (auto* pick = dynamic_cast<plat::forms::ComboBox*>(&f->Control()))
            pick->onClick = nullptr;
        else if (auto* check = dynamic_cast<PageCheckBox*>(&f->Control()))
            check->Click = nullptr;
    }
    // The windows go while the page is still whole.
    if (isLoaded())
        unload();
}

void PropertyPage::onLoad()
{
    m_fields.clear();
    for (const ContainerSpec& c : m_spec.containers) {
        PropertyBag frameProperties;
        frameProperties.writeProperty("Caption", c.caption, "");
        frameProperties.writeProperty("Font", PageFont(), plat::forms::FontDesc());
        // A plain background, so the picture box inside is one with it.
        frameProperties.writeProperty("BackGradient", int32_t(0), int32_t(-1));
        PropertyBag framePlace = Place(c.left, c.top, c.width, c.height);
        Control& frame = addControl(std::make_unique<qelFrame>(), c.frame, -1, nullptr, &frameProperties, &framePlace);
        auto picture = std::make_unique<plat::forms::PictureBox>();
        picture->setBorderStyle(0);
        plat::forms::PictureBox& box = *picture;
        PropertyBag picturePlace = Place(c.pictureLeft, c.pictureTop, c.pictureWidth, c.pictureHeight);
        PropertyBag pictureProperties;
        pictureProperties.writeProperty("BorderStyle", int32_t(0), int32_t(1));
        addControl(std::move(picture), c.picture, -1, &frame, &pictureProperties, &picturePlace);
        box.setBackColor(qelFrame::kDefaultBackColor1);
    }
    for (const FieldSpec& f : m_spec.fields) {
        Control* container = f.container.empty() ? nullptr : ContainerNamed(f.container);
        Control& control = BuildField(f, container);
        m_fields.push_back(std::make_unique<PageField>(f, control, [this] { MarkPageChanged(); }));
    }
    OnFieldsBuilt();
}

Control* PropertyPage::ContainerNamed(const std::string& name) const
{
    Control* c = find(name);
    if (!c)
        throw std::logic_error("page " + m_spec.name + " has no container " + name);
    return c;
}

Control& PropertyPage::BuildField(const FieldSpec& f, Control* container)
{
    const int height = f.height ? f.height : UsualHeight(f.kind);
    if (f.kind != FieldKind::Check && !f.caption.empty()) {
        auto label = std::make_unique<plat::forms::Label>();
        label->setCaption(f.caption);
        label->setFont(PageFont());
        label->setBackStyle(0);
        // Our stand-in for Tahoma runs wider: a label may use the room up to its field.
        const int room = f.labelTop < 0 || f.labelTop == f.top ? f.left - f.labelLeft - 30 : f.labelWidth;
        PropertyBag place = Place(f.labelLeft, f.labelTop >= 0 ? f.labelTop : f.top, std::max(f.labelWidth, room), 255);
        PropertyBag stored;
        stored.writeProperty("Caption", f.caption, "");
        stored.writeProperty("BackStyle", int32_t(0), int32_t(1));
        stored.writeProperty("Font", PageFont(), plat::forms::FontDesc());
        addControl(std::move(label), f.labelName, f.labelIndex, container, &stored, &place);
    }
    PropertyBag place = Place(f.left, f.top, f.width, height);
    switch (f.kind) {
    case FieldKind::Text:
    case FieldKind::Number: {
        PropertyBag stored;
        stored.writeProperty("Font", PageFont(), plat::forms::FontDesc());
        auto& box = static_cast<plat::forms::TextBox&>(
            addControl(std::make_unique<plat::forms::TextBox>(), f.name, -1, container, &stored, &place));
        box.setText("");
        box.onChange = [this] { MarkPageChanged(); };
        return box;
    }
    case FieldKind::Pick: {
        PropertyBag stored;
        stored.writeProperty("Style", int32_t(2), int32_t(0));
        stored.writeProperty("Font", PageFont(), plat::forms::FontDesc());
        auto& pick = static_cast<plat::forms::ComboBox&>(
            addControl(std::make_unique<plat::forms::ComboBox>(), f.name, -1, container, &stored, &place));
        pick.setStyle(2);
        pick.setFont(PageFont());
        for (const std::string& item : f.items)
            pick.addItem(item);
        pick.onClick = [this] { MarkPageChanged(); };
        return pick;
    }
    case FieldKind::Check: {
        PropertyBag stored;
        stored.writeProperty("Caption", f.caption, "");
        stored.writeProperty("Font", PageFont(), plat::forms::FontDesc());
        stored.writeProperty("BackColor", backColor(), 0u);
        stored.writeProperty("Value", int32_t(0), int32_t(-1));
        auto& check = static_cast<PageCheckBox&>(addControl(std::make_unique<PageCheckBox>(), f.name, -1, container, &stored, &place));
        check.Click = [this] { MarkPageChanged(); };
        return check;
    }
    }
    throw std::logic_error("unknown field kind");
}

PageField& PropertyPage::Field(std::string_view name) const
{
    for (const auto& f : m_fields)
        if (f->Spec().name == name)
            return *f;
    throw std::logic_error("page " + m_spec.name + " has no field " + std::string(name));
}

PageField& PropertyPage::FieldOfMember(std::string_view member) const
{
    for (const auto& f : m_fields)
        if (f->Spec().member == member)
            return *f;
    throw std::logic_error("page " + m_spec.name + " has no field for " + std::string(member));
}

PageSite& PropertyPage::Site() const
{
    if (!m_site)
        throw std::logic_error("page " + m_spec.name + " is not shown by a designer");
    return *m_site;
}

Control& PropertyPage::FirstSelected() const
{
    const auto& selection = Site().SelectedControls();
    if (selection.empty() || !selection.front())
        throw PageError("Subscript out of range: nothing is selected");
    return *selection.front();
}

void PropertyPage::Statement(bool skipErrors, const std::function<void()>& step)
{
    if (!skipErrors) {
        step();
        return;
    }
    try {
        step();
    } catch (const std::exception&) {
        // skipped: the next statement runs
    }
}

void PropertyPage::MarkPageChanged()
{
    if (m_site)
        m_site->SetPageChanged(*this);
}

void PropertyPage::ReadFields(const std::function<MemberValue(const std::string&)>& read, bool skipErrors)
{
    load();
    for (const std::string& member : m_spec.loadOrder) {
        PageField& field = FieldOfMember(member);
        Statement(skipErrors, [&] { field.Show(read(member)); });
    }
}

void PropertyPage::WriteFields(const std::function<void(const std::string&, const MemberValue&)>& write, bool skipErrors,
    const std::vector<std::string>* order)
{
    load();
    for (const std::string& member : order ? *order : m_spec.applyOrder) {
        PageField& field = FieldOfMember(member);
        Statement(skipErrors, [&] { write(member, field.Value()); });
    }
}

void PropertyPage::LoadFromSelection()
{
    Control& first = FirstSelected();
    ReadFields([&](const std::string& member) { return ReadMember(first, member); }, m_spec.loadSkipsErrors);
}

void PropertyPage::ApplyToSelection()
{
    // A copy: a write may make the designer change its selection.
    const std::vector<Control*> selection = Site().SelectedControls();
    for (Control* c : selection) {
        if (!c || c->className() != m_spec.pageClass)
            continue;
        WriteFields([c](const std::string& member, const MemberValue& v) { WriteMember(*c, member, v); }, m_spec.applySkipsErrors);
    }
}

} // namespace qel
