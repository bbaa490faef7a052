#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace plat::sys {

// A small picture handed to the desktop: rows of pixels 0xAABBGGRR (red in the low byte, alpha
// in the top byte, 255 opaque).
struct IconPixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    bool isEmpty() const { return width <= 0 || height <= 0; }
};

// The desktop's notification area (the system tray): icons with a tip, and the mouse actions on
// them. Everything runs on the user-interface thread; `pump` handles what the desktop reported.
class NotificationArea {
public:
    using IconId = uint64_t;
    enum class Mouse { Move, Down, Up, DoubleClick };
    struct Handlers {
        // Button 1 left, 2 right, 4 middle; 0 for a move.
        std::function<void(IconId, Mouse, int button)> mouse;
        // A host took the area over (the tray started or restarted): the icons shown before are
        // gone and may be added again.
        std::function<void()> created;
    };

    virtual ~NotificationArea() = default;
    virtual void setHandlers(Handlers handlers) = 0;
    // False when no host shows the area right now, or the icon is shown already.
    // `tipPicture` is the tip as drawn, shown while the pointer rests on the icon.
    virtual bool add(IconId id, const IconPixels& picture, const std::string& tipUtf8, const IconPixels& tipPicture) = 0;
    // False for an icon that is not shown.
    virtual bool remove(IconId id) = 0;
    // Handles what the desktop reported since the last call; never waits.
    virtual void pump() = 0;
    // How often the owner should pump while it uses the area, milliseconds.
    virtual int pumpIntervalMs() const { return 40; }
};

// The area of the desktop the program runs on; null when there is none (the headless backend,
// or a desktop without one).
NotificationArea* notificationArea();
// Takes ownership; nullptr removes it.
void installNotificationArea(std::unique_ptr<NotificationArea> area);

} // namespace plat::sys
