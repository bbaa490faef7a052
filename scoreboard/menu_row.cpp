#include "scoreboard/menu_row.h"

#include "scoreboard/form_parts.h"
#include "scoreboard/score_keys.h"

#include "platform/forms/form.h"
#include "platform/forms/label.h"

namespace scoreboard {

namespace forms = plat::forms;

MenuRow::MenuRow(forms::Form& main, MenuRowHooks hooks)
    : m_main(main)
    , m_hooks(std::move(hooks))
{
}

void MenuRow::connect()
{
    forEachItem(m_main, "lab", [this](forms::Control& item, int index) {
        auto* label = dynamic_cast<forms::Label*>(&item);
        if (!label)
            return;
        label->onMouseDown = [this, index](int, int, double, double) { mouseDown(index); };
        label->onMouseMove = [this, index](int, int, double, double) { mouseMove(index); };
        label->onMouseUp = [this](int, int, double, double) { mouseUp(); };
    });
}

void MenuRow::mouseDown(int index)
{
    showPart(m_main, "Sh1");
    auto open = [this](SetupDialog dialog) {
        if (m_hooks.openDialog)
            m_hooks.openDialog(dialog);
    };
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
        if (m_hooks.confirmReset)
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
    auto* label = dynamic_cast<forms::Label*>(findPart(m_main, "lab", index));
    if (!label)
        return;
    forms::Control* mark = findPart(m_main, "Sh1");
    if (mark && mark->left() == label->left() - kMarkMargin)
        return;
    label->setBackColor(kLitBackColor);
    label->setBackStyle(1);
    label->setForeColor(foreColorOf(findPart(m_main, "timetxt"), kLitForeColor));
    if (mark)
        mark->move(label->left() - kMarkMargin, mark->top(), label->width() + 2 * kMarkMargin, mark->height());
    label->setToolTipText(label->caption());
    for (int other = 0; other < kItems; ++other) {
        if (other == index)
            continue;
        if (auto* item = dynamic_cast<forms::Label*>(findPart(m_main, "lab", other))) {
            item->setBackStyle(0);
            item->setForeColor(kForeColor);
        }
        if (mark)
            mark->setVisible(false);
    }
}

void MenuRow::mouseUp() { hidePart(m_main, "Sh1"); }

} // namespace scoreboard
