#include "platform/backend/sdl_keymap.h"
#include "platform/window/virtual_keys.h"
#include <SDL2/SDL_keyboard.h>
#include <gtest/gtest.h>

namespace plat::backend {

using namespace plat::win;

TEST(SdlKeymap, KeysBecomeWindowsVirtualKeyCodes)
{
    struct Case {
        SDL_Scancode scancode;
        int vk;
    };
    const Case cases[] = {
        {SDL_SCANCODE_A, 'A'},           {SDL_SCANCODE_Z, 'Z'},           {SDL_SCANCODE_1, '1'},
        {SDL_SCANCODE_2, '2'},           {SDL_SCANCODE_0, '0'},           {SDL_SCANCODE_F1, 112},
        {SDL_SCANCODE_F2, 113},          {SDL_SCANCODE_F5, 116},          {SDL_SCANCODE_F12, 123},
        {SDL_SCANCODE_F13, 124},         {SDL_SCANCODE_F24, 135},         {SDL_SCANCODE_RETURN, 13},
        {SDL_SCANCODE_KP_ENTER, 13},     {SDL_SCANCODE_SPACE, 32},        {SDL_SCANCODE_ESCAPE, 27},
        {SDL_SCANCODE_TAB, 9},           {SDL_SCANCODE_BACKSPACE, 8},     {SDL_SCANCODE_LEFT, 37},
        {SDL_SCANCODE_UP, 38},           {SDL_SCANCODE_RIGHT, 39},        {SDL_SCANCODE_DOWN, 40},
        {SDL_SCANCODE_KP_0, 96},         {SDL_SCANCODE_KP_9, 105},        {SDL_SCANCODE_KP_PLUS, 107},
        {SDL_SCANCODE_KP_MINUS, 109},    {SDL_SCANCODE_DELETE, 46},       {SDL_SCANCODE_LSHIFT, VK_LSHIFT},
        {SDL_SCANCODE_RCTRL, VK_RCONTROL}, {SDL_SCANCODE_MINUS, VK_OEM_MINUS}, {SDL_SCANCODE_EQUALS, VK_OEM_PLUS},
        {SDL_SCANCODE_PAGEUP, 33},       {SDL_SCANCODE_HOME, 36},
    };
    for (const Case& c : cases)
        EXPECT_EQ(virtualKeyFromSdl(SDL_GetKeyFromScancode(c.scancode), c.scancode), c.vk) << SDL_GetScancodeName(c.scancode);
}

TEST(SdlKeymap, KeysWithoutAWindowsCodeGiveZero)
{
    EXPECT_EQ(virtualKeyFromSdl(SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN), 0);
    EXPECT_EQ(virtualKeyFromSdl(SDLK_AUDIOPLAY, SDL_SCANCODE_AUDIOPLAY), 0);
}

} // namespace plat::backend
