#include "scoreboard/main_panels.h"

namespace scoreboard {

MainPanels::MainPanels(plat::forms::Form& main, Hooks hooks)
    : m_records(main, std::move(hooks.records))
    , m_logo(main, std::move(hooks.chooseLogo), hooks.options.notice)
    , m_options(main, m_logo, std::move(hooks.options))
    , m_liveVideo(main)
{
    m_records.connect();
    m_logo.connect();
    m_options.connect();
    m_liveVideo.connect();
}

} // namespace scoreboard
