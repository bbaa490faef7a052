#pragma once
#include <cstdint>
#include <functional>
#include <memory>

namespace plat::win {

// Handles and message parameters keep the shapes of their Windows counterparts so that
// message packing (LOWORD/HIWORD of lParam, the wheel delta in the high word of wParam)
// reads as it does there.
using HWND = uint32_t;
using UINT = uint32_t;
using WPARAM = uint64_t;
using LPARAM = int64_t;
using LRESULT = int64_t;
using TimerId = uint64_t;

using WndProcFn = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;
// A window procedure as a value: installing one returns the previous one, which the
// installer calls to pass a message on.
using WndProc = std::shared_ptr<const WndProcFn>;

inline WndProc makeWndProc(WndProcFn fn) { return std::make_shared<const WndProcFn>(std::move(fn)); }

using TimerProc = std::function<void(HWND, TimerId)>;

struct MSG {
    HWND hwnd = 0;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

constexpr LPARAM makeLParam(int lo, int hi) { return LPARAM(int32_t(uint32_t(uint16_t(lo)) | (uint32_t(uint16_t(hi)) << 16))); }
constexpr WPARAM makeWParam(int lo, int hi) { return WPARAM(uint32_t(uint16_t(lo)) | (uint32_t(uint16_t(hi)) << 16)); }
// Signed 16-bit halves of a packed parameter (GET_X_LPARAM / GET_Y_LPARAM).
constexpr int loWordSigned(int64_t v) { return int(int16_t(uint16_t(uint64_t(v) & 0xFFFF))); }
constexpr int hiWordSigned(int64_t v) { return int(int16_t(uint16_t((uint64_t(v) >> 16) & 0xFFFF))); }

} // namespace plat::win
