// Game texts in Windows-1251 reach the desktop as UTF-8; UTF-8 they already hold stays.
#include "platform/Platform.h"
#include "platform/Windows1251.h"

#include <gtest/gtest.h>
#include <iostream>
#include <sstream>

TEST(DesktopText, Windows1251BecomesUtf8AndUtf8PassesThrough) {
    // "При разборе" as the map reader's error starts, then a folder name already in UTF-8.
    const std::string game =
        "\xcf\xf0\xe8 \xf0\xe0\xe7\xe1\xee\xf0\xe5: /home/\xd0\xb8\xd0\xb3\xd1\x80\xd0\xb0";
    EXPECT_EQ(platform::DesktopText(game), u8"При разборе: /home/игра");
    EXPECT_EQ(platform::DesktopText("\xa8\xb8\xb9 \x98"), u8"Ёё№ \uFFFD");
    EXPECT_EQ(platform::DesktopText("plain ASCII\r\n"), "plain ASCII\r\n");
}

TEST(DesktopText, MessageBoxesSpeakUtf8OnStderr) {
    std::ostringstream captured;
    std::streambuf* saved = std::cerr.rdbuf(captured.rdbuf());
    platform::MessageBox("Error", "\xd2\xe5\xea\xf3\xf9\xe0\xff \xeb\xe5\xea\xf1\xe5\xec\xe0");
    std::cerr.rdbuf(saved);
    EXPECT_EQ(captured.str(), u8"Error: Текущая лексема\n");
}
