#include "scoreboard/menu_row.h"

#include "scoreboard/control_binding.h"
#include "scoreboard/score_keys.h"
#include "scoreboard/required_hooks.h"

#include "platform/forms/form.h"
#include "platform/forms/label.h"
#include "platform/forms/shape.h"

namespace scoreboard {

namespace forms = plat::forms;

MenuRowControls bindMenuRowControls(const forms::Form& form)
{
    return MenuRowControls{
        .timetxt = form.get<forms::Label>("timetxt"),
        .lab = bindItems<forms::Label>(form, "lab", 0, MenuRow::kItems - 1),
        .Sh1 = form.get<forms::Shape>("Sh1"),
    };
}

MenuRow::MenuRow(forms::Form& main, MenuRowHooks hooks)
    : m_controls(bindMenuRowControls(main))
    , m_hooks(std::move(hooks))
{
    requireHooks("MenuRow", {{"openDialog", m_hooks.openDialog}, {"confirmReset", m_hooks.confirmReset}});
}

void MenuRow::connect()
{
    for (auto [index, label] : m_controls.lab) {
        label.onMouseDown = [this, index = index](int, int, double, double) { mouseDown(index); };
        label.onMouseMove = [this, index = index](int, int, double, double) { mouseMove(index); };
        label.onMouseUp = [this](int, int, double, double) { mouseUp(); };
    }
}

void MenuRow::mouseDown(int index)
{
    m_controls.Sh1.setVisible(true);
    auto open = [this](SetupDialog dialog) { m_hooks.openDialog(dialog); };
    switch (index) {
    case Title:
        open(SetupDialog::TitleAndReferees);
        break;
    case ClockTime:
        open(SetupDialog::Clock);
        break;
    case Teams:
        open(SetupDialog::Teams);
        break;
    case Scores:
        open(SetupDialog::Score);
        break;
    case Period:
        open(SetupDialog::Period);
        break;
    case Keys:
        open(SetupDialog::ShortcutKeys);
        break;
    case Reset:
        m_hooks.confirmReset();
        break;
    case AttackSignal:
        keyF5();
        break;
    case DefenceSignal:
        keyF6();
        break;
    case CourtSignal:
        keyF7();
        break;
    default:
        break;
    }
}

void MenuRow::mouseMove(int index)
{
    const MenuRowControls& c = m_controls;
    forms::Label* label = c.lab.find(index);
    if (!label)
        return;
    forms::Shape& mark = c.Sh1;
    if (mark.left() == label->left() - kMarkMargin)
        return;
    label->setBackColor(kLitBackColor);
    label->setBackStyle(1);
    label->setForeColor(c.timetxt.foreColor());
    mark.move(label->left() - kMarkMargin, mark.top(), label->width() + 2 * kMarkMargin, mark.height());
    label->setToolTipText(label->caption());
    for (int other = 0; other < kItems; ++other) {
        if (other == index)
            continue;
        if (forms::Label* item = c.lab.find(other)) {
            item->setBackStyle(0);
            item->setForeColor(kForeColor);
        }
        mark.setVisible(false);
    }
}

void MenuRow::mouseUp() { m_controls.Sh1.setVisible(false); }

} // namespace scoreboard
