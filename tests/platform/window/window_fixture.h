#pragma once
#include "platform/backend/session.h"
#include "platform/window/api.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace plat::win::testing {

struct Seen {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

// A headless session and a recorder of the messages that windows receive.
class WindowTest : public ::testing::Test {
protected:
    std::vector<Seen> seen; // outlives the session, whose windows still report while they close
    backend::HeadlessSession session{{1024, 768}};

    // A window whose procedure records every message, then passes it to the default procedure.
    HWND recordingWindow(HWND parent, gfx::Rect rect)
    {
        return CreateWindow("test", parent, rect, true, makeWndProc([this](HWND h, UINT m, WPARAM w, LPARAM l) {
            seen.push_back({h, m, w, l});
            return DefWindowProc(h, m, w, l);
        }));
    }

    std::vector<UINT> messagesOf(HWND h, std::initializer_list<UINT> only) const
    {
        std::vector<UINT> out;
        for (const auto& s : seen)
            if (s.hwnd == h && std::find(only.begin(), only.end(), s.msg) != only.end())
                out.push_back(s.msg);
        return out;
    }

    const Seen* last(HWND h, UINT msg) const
    {
        for (auto it = seen.rbegin(); it != seen.rend(); ++it)
            if (it->hwnd == h && it->msg == msg)
                return &*it;
        return nullptr;
    }
};

} // namespace plat::win::testing
