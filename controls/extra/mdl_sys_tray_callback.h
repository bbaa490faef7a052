#pragma once
#include "platform/window/types.h"
#include <string>
#include <vector>

namespace qel {

class qelSysTray;

// The program's registry of shown tray icons (in the order they were added, by the key "_",
// window handle, "_", index) and the procedure that watches the host window for "TaskbarCreated".
// The registry refers to its controls without owning them; each control removes its entries
// before it goes.
namespace mdlSysTrayCallBack {

std::string TrayKey(plat::win::HWND hwnd, int32_t index);
// A key already present is left as it is.
void RegisterTrayIcon(qelSysTray* control, const std::string& key);
void UnregisterTrayIcon(const std::string& key);
// Subclasses the host window once for the whole program; false when one is subclassed already.
bool SubclassHost(plat::win::HWND host, plat::win::UINT taskbarCreated);
plat::win::LRESULT TrayHostWindowProc(plat::win::HWND hwnd, plat::win::UINT uMsg, plat::win::WPARAM wParam, plat::win::LPARAM lParam);

// For tests: the keys in order, and whether a host window is subclassed.
std::vector<std::string> RegisteredKeys();
bool HostSubclassed();
// Forgets the host window (its procedure goes back): a new program run in the same process.
void ResetHost();

} // namespace mdlSysTrayCallBack
} // namespace qel
