#include <gtest/gtest.h>

#include "core/qorcoreSystem.h"
#include "win/WinTest.h"
#include "win/WinUser.h"

TEST(System, ModifierKeys)
{
    qorwin::resetState();
    EXPECT_EQ(qor::core::currentModifierKeys(), 0);
    qorwin::setKeyDown(VK_SHIFT, true);
    qorwin::setKeyDown(VK_CONTROL, true);
    EXPECT_EQ(qor::core::currentModifierKeys(), 1 | 4);
    qorwin::setKeyDown(VK_SHIFT, false);
    qorwin::setKeyDown(VK_MENU, true);
    EXPECT_EQ(qor::core::currentModifierKeys(), 2 | 4);
    qorwin::resetState();
}

TEST(System, VersionCodes)
{
    struct Case {
        DWORD major, minor;
        WORD sp;
        int32_t code;
    } cases[] = {
        {10, 0, 0, 100000}, {11, 5, 0, 100000}, {6, 3, 0, 60300}, {6, 2, 4, 60200}, {6, 1, 1, 60101},
        {6, 1, 0, 60100},   {6, 0, 2, 60002},   {6, 0, 1, 60001}, {6, 0, 0, 60000}, {5, 2, 0, 50103},
        {5, 1, 3, 50103},   {5, 1, 2, 50102},   {5, 1, 1, 50101}, {5, 1, 0, 50100}, {4, 0, 0, 50100},
    };
    for (const Case& c : cases) {
        qorwin::setSystemVersion(c.major, c.minor, c.sp);
        EXPECT_EQ(qor::core::osVersionCode(), c.code) << c.major << "." << c.minor << " sp" << c.sp;
    }
    qorwin::resetState();
}
