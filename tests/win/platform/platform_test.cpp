// Facts about the test platform that other Win32 tests rely on.
#include <windows.h>

#include <gtest/gtest.h>

TEST(Platform, AnsiCodePageIs936) {
    // The test runner starts Wine with LC_ALL=zh_CN.UTF-8; every Chinese
    // text of the program is code page 936.
    EXPECT_EQ(GetACP(), 936u);
}

TEST(Platform, ChineseLiteralsAreStoredAsCodePage936) {
    const char text[] = "真的";
    ASSERT_EQ(sizeof text, 5u);
    EXPECT_EQ(static_cast<unsigned char>(text[0]), 0xD5);
    EXPECT_EQ(static_cast<unsigned char>(text[1]), 0xE6);
}
