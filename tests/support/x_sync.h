#pragma once

namespace test_support {

// Brings in every event the X server has made for the program's SDL windows so far (those of a
// tool that has ended included): a round trip on the windows' own connection, after which the
// next pump of the loop hands them on. A no-op without an X window.
void syncWithXServer();

} // namespace test_support
