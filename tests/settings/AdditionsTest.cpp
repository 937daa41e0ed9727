// Additions.cfg: what it keeps, and that a damaged file changes nothing.
#include "settings/Additions.h"

#include <gtest/gtest.h>

#include "support/TestFiles.h"

TEST(Additions, ScalesSurviveASaveAndLoadADamagedFileKeepsTheDefaults) {
    TTempDir dir;
    const std::string path = dir.Path() + "Additions.cfg";
    for (const TRenderScaleSetting setting : {TRenderScaleSetting{true, 1}, TRenderScaleSetting{false, 0.75f},
                                              TRenderScaleSetting{false, 0.5f}, TRenderScaleSetting{}}) {
        TAdditions saved;
        saved.RenderScale = setting;
        saved.AutoScale = setting.scale;
        ASSERT_TRUE(saved.Save(path));
        TAdditions loaded;
        loaded.RenderScale = {true, 0.6f};
        ASSERT_TRUE(loaded.Load(path)) << dir.Read("Additions.cfg");
        EXPECT_EQ(loaded.RenderScale.automatic, setting.automatic);
        EXPECT_FLOAT_EQ(loaded.RenderScale.scale, setting.scale);
        EXPECT_FLOAT_EQ(loaded.AutoScale, setting.scale);
    }
    EXPECT_EQ(dir.Read("Additions.cfg"), "RenderScale=1\r\nAutoScale=1\r\n");
    // Hand-edited: LF line ends, a key of a newer game.
    dir.Write("Additions.cfg", "Future=7\nRenderScale=0.8\n");
    TAdditions edited;
    ASSERT_TRUE(edited.Load(path));
    EXPECT_FLOAT_EQ(edited.RenderScale.scale, 0.8f);

    // A damaged file changes nothing.
    for (const char* text : {"RenderScale=0.4\r\n", "RenderScale=1.5\r\n", "RenderScale=fast\r\n",
                             "RenderScale=0,75\r\n", "RenderScale=\r\n", "RenderScale=auto\r\n\x01\x02garbage",
                             "RenderScale=0.8\r\nAutoScale=auto\r\n", "RenderScale=0.8\r\nAutoScale=0.3\r\n"}) {
        dir.Write("Additions.cfg", text);
        TAdditions additions;
        EXPECT_FALSE(additions.Load(path)) << text;
        EXPECT_FALSE(additions.RenderScale.automatic) << text;
        EXPECT_FLOAT_EQ(additions.RenderScale.scale, 1.0f) << text;
        EXPECT_FLOAT_EQ(additions.AutoScale, 1.0f) << text;
    }
    TAdditions missing;
    EXPECT_FALSE(missing.Load(dir.Path() + "none.cfg"));
}
