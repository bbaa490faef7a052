#pragma once
// The calls the controls and forms make, shaped as the Windows calls they stand for.
#include "platform/window/default_proc.h"
#include "platform/window/loop_stalled.h"
#include "platform/window/window_system.h"

namespace plat::win {

WindowSystem& sys(); // the running window system; a call without one is a programming error

HWND CreateWindow(const std::string& className, HWND parent, const gfx::Rect& rect, bool visible = true, WndProc proc = nullptr);
void DestroyWindow(HWND hwnd);
bool IsWindow(HWND hwnd);
HWND GetParent(HWND hwnd);
void SetParent(HWND hwnd, HWND parent);
void MoveWindow(HWND hwnd, int x, int y, int width, int height);
gfx::Rect GetWindowRect(HWND hwnd); // relative to the parent
gfx::Rect GetScreenRect(HWND hwnd);
void ShowWindow(HWND hwnd, bool visible);
bool IsWindowVisible(HWND hwnd);
void EnableWindow(HWND hwnd, bool enabled);
bool IsWindowEnabled(HWND hwnd);
void BringWindowToTop(HWND hwnd);
void SendWindowToBack(HWND hwnd);
// Takes a copy of the region (window coordinates); none removes it.
void SetWindowRgn(HWND hwnd, std::optional<gfx::Region> region);
// A window that only shows (a drawn line) lets clicks through to what lies behind it.
void SetWindowTransparentToMouse(HWND hwnd, bool transparent);
HWND WindowFromPoint(gfx::Point screenPoint);
gfx::Point ClientToScreen(HWND hwnd, gfx::Point p);
gfx::Point ScreenToClient(HWND hwnd, gfx::Point p);

// Installs a window procedure and returns the one it replaced (SetWindowLong with GWL_WNDPROC).
WndProc SetWindowProc(HWND hwnd, WndProc proc);
// Passes a message to a procedure returned by SetWindowProc; none means the default procedure.
LRESULT CallWindowProc(const WndProc& proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int code);

TimerId SetTimer(HWND hwnd, TimerId id, uint32_t ms, TimerProc proc = nullptr);
bool KillTimer(HWND hwnd, TimerId id);

HWND SetFocus(HWND hwnd);
HWND GetFocus();
// Moves the focus on in tab order, after the current message (what "{Tab}" and "+{Tab}" did).
void MoveFocus(bool forward);
void SetTabStop(HWND hwnd, bool tabStop, int tabIndex);
// A window that refuses the focus is passed over by focus moves.
void SetFocusable(HWND hwnd, bool focusable);
HWND SetCapture(HWND hwnd);
void ReleaseCapture();
HWND GetCapture();
bool TrackMouseEvent(const TRACKMOUSEEVENT& request);
short GetKeyState(int vk);
gfx::Point GetCursorPos();

gfx::Surface& WindowImage(HWND hwnd);
void SetWindowBlend(HWND hwnd, Blend blend, gfx::Color key = 0);
// Tells the compositor that the window's persistent image changed.
void ImageChanged(HWND hwnd, std::optional<gfx::Rect> part = std::nullopt);
void InvalidateRect(HWND hwnd);
void UpdateWindow(HWND hwnd);

int GetSystemMetrics(int index);
void* GetWindowUserData(HWND hwnd);
void SetWindowUserData(HWND hwnd, void* data);

// Nested loop until `done` (or the window goes away); the rest of the program keeps running.
void RunModalLoop(HWND modal, const std::function<bool()>& done);
int64_t GetTickCountUs();
int64_t GetTickCount(); // milliseconds

} // namespace plat::win
