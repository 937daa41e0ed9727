#include "app/Window.h"
#include "app/Globals.h"
#include "core/Log.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

TEST(Window, CloseRequestShowsExitPageExceptOnLastScreenAndStageComplete) {
    for (int page = PAGE_MAIN; page <= PAGE_CONNECTION_FAILED; ++page) {
        MenuActive = false;
        CurrentMenuPage = page;
        HandleWindowMessage({platform::Message::Close, 0, 0});
        EXPECT_TRUE(MenuActive);
        const bool keeps = page == PAGE_LAST_SCREEN || page == PAGE_STAGE_COMPLETE;
        EXPECT_EQ(CurrentMenuPage, keeps ? page : PAGE_EXIT) << page;
    }
    QuitFlag = false;
    HandleWindowMessage({platform::Message::Quit, 0, 0});
    EXPECT_TRUE(QuitFlag);
    QuitFlag = false;
}

TEST(Window, ResizedWindowIsDrawnWholeAndMinimisedSizeKeepsTheScales) {
    ResizeGLScene(1023, 767);
    EXPECT_EQ(HalfWidth, 511);
    EXPECT_EQ(HalfHeight, 383);
    EXPECT_FLOAT_EQ(PixelScaleX, 2.0f / 1023);
    EXPECT_EQ(Viewport.width, 1023) << "the scene and the HUD cover the whole client area";
    EXPECT_EQ(Viewport.height, 767);
    ResizeGLScene(0, 0);
    EXPECT_EQ(HalfWidth, 511);
    EXPECT_FLOAT_EQ(PixelScaleY, 2.0f / 767);
    EXPECT_EQ(Viewport.width, 1023);
}

TEST(Log, RewritesWholeFileWithCrLfAndWritesNothingWhenDisabled) {
    TTempDir dir;
    TLOgFile off(dir.Path() + "log.txt", false);
    off.Write("Loading Config");
    EXPECT_EQ(dir.Read("log.txt"), "");

    dir.Write("log.txt", "old run\r\n");
    TLOgFile log(dir.Path() + "log.txt", true);
    log.Write("Loading Config");
    EXPECT_EQ(dir.Read("log.txt"), "Loading Config\r\n");
    log.Write("\xC7\xE0\xEF\xF3\xF1\xEA");
    EXPECT_EQ(dir.Read("log.txt"), "Loading Config\r\n\xC7\xE0\xEF\xF3\xF1\xEA\r\n");
}
