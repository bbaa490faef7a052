#include "scoreboard/key_names.h"

#include <map>

namespace scoreboard {

std::string ballkey(int16_t keyCode)
{
    static const std::map<int, std::string> named = {
        {8, "BACKSPACE 键"}, {9, "TAB 键"}, {12, "CLEAR 键"}, {13, "回车键"}, {16, "SHIFT 键"}, {17, "CTRL 键"},
        {18, "Alt键"}, {19, "PAUSE 键"}, {20, "CAPS LOCK 键"}, {27, "ESC 键"}, {32, "空格键"}, {33, "PAGEUP 键"},
        {34, "PAGEDOWN 键"}, {35, "END 键"}, {36, "HOME 键"}, {37, "左 键"}, {38, "上 键"}, {39, "右 键"},
        {40, "下 键"}, {41, "SELECT 键"}, {42, "PRINT 键"}, {43, "EXECUTE 键"}, {44, "PRINT SCREEN 键"},
        {45, "INS 键"}, {46, "DEL 键"}, {47, "HELP 键"}, {106, "* 数字键"}, {107, "+ 数字键"},
        {108, "SEPARATOR 数字键"}, {109, "- 数字键"}, {110, ".数字键"}, {111, "/数字键"}, {144, "NUM LOCK 键"},
    };
    const int code = keyCode;
    if (auto it = named.find(code); it != named.end())
        return it->second;
    if (code >= '0' && code <= '9')
        return std::string(1, char(code)) + " 键";
    if (code == 'A')
        return " A 键";
    if (code > 'A' && code <= 'Z')
        return std::string(1, char(code)) + " 键";
    if (code >= 96 && code <= 105)
        return std::to_string(code - 96) + " 数字键";
    if (code >= 112 && code <= 127)
        return "F" + std::to_string(code - 111) + " 键";
    if (code >= 1 && code <= 254)
        return "键码 " + std::to_string(code);
    return {};
}

} // namespace scoreboard
