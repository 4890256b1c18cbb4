#include <gtest/gtest.h>

#include "utils/qorutils__WinDebugOStream.h"
#include "win/WinTest.h"

TEST(DebugStream, EachInsertionIsSentAtOnce)
{
    qorwin::clearDebugOutput();
    qor::utils::__WinDebugOStream out;
    out << "abc";
    EXPECT_EQ(qorwin::debugOutput(), "abc");
    out << 12;
    EXPECT_EQ(qorwin::debugOutput(), "abc12");  // no line break or prefix added
    out << "" << std::string("x\n");
    EXPECT_EQ(qorwin::debugOutput(), "abc12x\n");
}

TEST(DebugStream, TextLeftInTheBufferIsSentOnceOnDestruction)
{
    qorwin::clearDebugOutput();
    {
        qor::utils::__WinDebugOStream out;
        out.rdbuf()->sputn("tail", 4);  // written without a flush
        EXPECT_EQ(qorwin::debugOutput(), "");
    }
    EXPECT_EQ(qorwin::debugOutput(), "tail");
}

TEST(DebugStream, TheProcessWideInstanceWrites)
{
    qorwin::clearDebugOutput();
    qor::utils::winDebugStream << "shared " << 3.5;
    EXPECT_EQ(qorwin::debugOutput(), "shared 3.5");
}
