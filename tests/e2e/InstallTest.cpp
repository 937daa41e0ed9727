// The game's Debian package: its dependencies, the layout it unpacks to, the desktop files
// checked by their own validators, and the installed game run as a user would.
#include "support/PngFile.h"
#include "support/Shell.h"
#include "support/TestFiles.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

constexpr char AppId[] = "org.example.kestrova";

} // namespace

TEST(Install, TheDebianPackageHoldsTheGameWhichRunsFromItsFolderAndKeepsSettingsInTheUsersFolder) {
    TTempDir root;
    std::string text;
    ASSERT_EQ(Shell("'" KESTROVA_CPACK "' -G DEB --config '" KESTROVA_BUILD_DIR "/CPackConfig.cmake' -B '" +
                        root.Path() + "deb'",
                    text),
              0)
        << text;
    std::string deb;
    for (const auto& entry : fs::directory_iterator(root.Path() + "deb")) {
        if (entry.path().extension() == ".deb") deb = entry.path().string();
    }
    ASSERT_FALSE(deb.empty()) << text;
    ASSERT_EQ(Shell("dpkg-deb --field '" + deb + "' Depends", text), 0) << text;
    for (const char* package :
         {"libsdl2-2.0-0", "libopenal1", "libcurl4", "libdevil1c2", "libgl1,", "fonts-urw-base35"})
        EXPECT_NE(text.find(package), std::string::npos) << package << " not in " << text;

    // The package's files, unpacked as dpkg lays them out.
    ASSERT_EQ(Shell("dpkg-deb -x '" + deb + "' '" + root.Path() + "'", text), 0) << text;
    const std::string usr = root.Path() + "usr/";
    EXPECT_EQ(fs::read_symlink(usr + "bin/kestrova"), "../lib/kestrova/kestrova");
    EXPECT_TRUE(fs::exists(usr + "lib/kestrova/Data.dpg"));
    EXPECT_FALSE(fs::is_empty(usr + "lib/kestrova/Data")) << "the loose files";
    const std::string desktop = usr + "share/applications/" + AppId + ".desktop";
    EXPECT_EQ(Shell("desktop-file-validate '" + desktop + "'", text), 0) << text;
    EXPECT_EQ(text, "");
    const std::string metainfo = usr + "share/metainfo/" + AppId + ".metainfo.xml";
    EXPECT_EQ(Shell("appstreamcli validate --no-net --pedantic '" + metainfo + "'", text), 0) << text;
    for (int size : {32, 256}) {
        const std::string side = std::to_string(size);
        TPngImage icon;
        ASSERT_TRUE(
            ReadPng(usr + "share/icons/hicolor/" + side + "x" + side + "/apps/" + AppId + ".png", icon));
        EXPECT_EQ(icon.width, size);
        EXPECT_EQ(icon.height, size);
    }

    // Started through bin/, from elsewhere, the game finds its data in lib/kestrova/ and keeps its
    // settings in the user's folder even though the installation could be written.
    const std::string config = root.Path() + "config/";
    ASSERT_EQ(Shell("cd / && HOME='" + root.Path() + "home' XDG_CONFIG_HOME='" + config + "' timeout 60 '" +
                        usr + "bin/kestrova' --frames=5 --screenshot=4:'" + root.Path() + "shot.png'",
                    text),
              0)
        << text;
    TPngImage shot;
    ASSERT_TRUE(ReadPng(root.Path() + "shot.png", shot));
    EXPECT_NE(shot.At(400, 300), 0x000000FFu) << "the menu is drawn";
    EXPECT_TRUE(fs::exists(config + "kestrova/Config.cfg"));
    EXPECT_TRUE(fs::exists(config + "kestrova/keys.cfg"));
    EXPECT_FALSE(fs::exists(usr + "lib/kestrova/Config.cfg"));
    EXPECT_FALSE(fs::exists(usr + "lib/kestrova/keys.cfg"));
}
