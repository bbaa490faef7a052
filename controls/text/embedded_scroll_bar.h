#pragma once
#include "controls/text/scroll_bar_base.h"

namespace qel {

// What the bars carried inside another control (qelVScrollPrivate, qelHScrollPrivate) share:
// the host starts their mouse handling (LaunchKeyMouseEvents), sizes them freely (no minimum),
// and can move them without hearing a Change (BlockVS). UnRefreshControl is True by default,
// so a bar draws nothing until its host turns that off. A Max below Value is taken (Value
// follows it down without a Change); an Enabled Let with the value held does nothing.
class EmbeddedScrollBar : public ScrollBarBase {
public:
    // Starts the subclassing (run mode only): from then on the bar takes mouse input. A second
    // call while subclassed does nothing.
    void LaunchKeyMouseEvents();

    void setEnabled(bool on) override;
    void setMax(Fixed v) override;
    void setBlockVS(bool on) { m_blockVS = on; }
    void setBlockValue(bool on) { m_blockValue = on; }

    // For tests: the flags have no Get in the control's interface.
    bool BlockVSFlag() const { return m_blockVS; }
    bool BlockValueFlag() const { return m_blockValue; }

protected:
    using ScrollBarBase::ScrollBarBase;
    bool Embedded() const override { return true; }
    // The host owns the bar's tab order: it is no tab stop of its own.
    void onPlaced() override;

    bool m_blockVS = false;
    bool m_blockValue = false;
};

} // namespace qel
