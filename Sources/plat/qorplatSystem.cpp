#include "plat/qorplatSystem.h"

#include "win/Windows.h"

namespace qor {
namespace plat {

int32_t currentModifierKeys()
{
    int32_t keys = 0;
    if (GetAsyncKeyState(VK_SHIFT) != 0)
        keys |= 1;
    if (GetAsyncKeyState(VK_MENU) != 0)
        keys |= 2;
    if (GetAsyncKeyState(VK_CONTROL) != 0)
        keys |= 4;
    return keys;
}

int32_t osVersionCode()
{
    struct Known {
        int32_t code;
        DWORD major, minor;
        WORD servicePack;
    };
    static const Known known[] = {{100000, 10, 0, 0}, {60300, 6, 3, 0}, {60200, 6, 2, 0}, {60101, 6, 1, 1},
                                  {60100, 6, 1, 0},   {60002, 6, 0, 2}, {60001, 6, 0, 1}, {60000, 6, 0, 0},
                                  {50103, 5, 1, 3},   {50102, 5, 1, 2}, {50101, 5, 1, 1}};
    ULONGLONG mask = 0;
    mask = VerSetConditionMask(mask, VER_MAJORVERSION, VER_GREATER_EQUAL);
    mask = VerSetConditionMask(mask, VER_MINORVERSION, VER_GREATER_EQUAL);
    mask = VerSetConditionMask(mask, VER_SERVICEPACKMAJOR, VER_GREATER_EQUAL);
    for (const Known& k : known) {
        OSVERSIONINFOEXW info{};
        info.dwOSVersionInfoSize = sizeof info;
        info.dwMajorVersion = k.major;
        info.dwMinorVersion = k.minor;
        info.wServicePackMajor = k.servicePack;
        if (VerifyVersionInfoW(&info, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR, mask))
            return k.code;
    }
    return 50100;
}

}  // namespace plat
}  // namespace qor
