#pragma once
// A test that owns a real X server (Xorg with the dummy driver) and a session of the programs on it.
#include "x_session.h"
#include "xorg_server.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace xorg_test {

inline const std::vector<XorgServer::Mode> kAllModes { XorgServer::k1920x1080, XorgServer::k1280x1024, XorgServer::k1024x768,
    XorgServer::k800x600 };

// The modes with `first` first: the server starts in it.
inline std::vector<XorgServer::Mode> startingIn(const XorgServer::Mode& first, std::vector<XorgServer::Mode> modes = kAllModes)
{
    std::vector<XorgServer::Mode> ordered { first };
    for (const XorgServer::Mode& mode : modes)
        if (mode.width != first.width || mode.height != first.height)
            ordered.push_back(mode);
    return ordered;
}

class OnXorg : public ::testing::Test {
protected:
    void startServer(const std::vector<XorgServer::Mode>& modes)
    {
        if (!server.start(modes))
            GTEST_SKIP() << "no X server for this test: " << server.error();
        session = std::make_unique<XSession>(server.display());
    }

    // Waits until `done` holds, up to the tests' generous deadline.
    template<typename Done> bool waitFor(Done done) { return XSession::waitFor(done); }

    void TearDown() override
    {
        session.reset();
        server.stop();
    }

    XorgServer server;
    std::unique_ptr<XSession> session;
};

} // namespace xorg_test
