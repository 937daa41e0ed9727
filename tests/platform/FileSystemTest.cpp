#include "platform/FileSystem.h"
#include "support/TestFiles.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(FileSystem, ResolvesAnyCaseAndEitherSeparator) {
    TTempDir dir;
    const std::string real = dir.Write("Data/Menu/Logo.png", "png");
    EXPECT_EQ(platform::ResolveFile(dir.Path() + "DATA\\menu\\LOGO.PNG"), real);
    EXPECT_EQ(platform::ResolveFile(dir.Path() + "Data/Menu/Logo.png"), real);
    EXPECT_EQ(platform::ResolveFile(dir.Path() + "Data\\Menu"), "") << "a folder is not a file";
    EXPECT_EQ(platform::ResolveFile(dir.Path() + "Data\\Menu\\Other.png"), "");
}

TEST(FileSystem, ReplacingKeepsOldFileWhenTargetCannotBeWritten) {
    TTempDir dir;
    const std::string path = dir.Write("Config.cfg", "old");
    ASSERT_TRUE(platform::WriteFileReplacing(path, "new"));
    EXPECT_EQ(dir.Read("Config.cfg"), "new");

    chmod(dir.Path().c_str(), 0500);
    const bool writable = platform::DirectoryWritable(dir.Path());
    if (!writable) { // root ignores directory permissions
        EXPECT_FALSE(platform::WriteFileReplacing(path, "lost"));
        EXPECT_EQ(dir.Read("Config.cfg"), "new");
    }
    chmod(dir.Path().c_str(), 0700);
}

namespace {

// Sets an environment variable for one test and puts the old value back.
class TScopedEnv {
public:
    TScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old, had_ = true;
        setenv(name, value.c_str(), 1);
    }
    ~TScopedEnv() { had_ ? setenv(name_, old_.c_str(), 1) : unsetenv(name_); }

private:
    const char* name_;
    std::string old_;
    bool had_ = false;
};

} // namespace

TEST(FileSystem, AnInstalledGameKeepsItsSettingsAndPicturesInTheUsersFolders) {
    TTempDir home;
    const TScopedEnv homeVar("HOME", home.Path());
    const TScopedEnv config("XDG_CONFIG_HOME", home.Path() + "config");
    const std::string portable = home.Path() + "game/";
    const std::string installed = home.Path() + "usr/lib/kestrova/";
    std::filesystem::create_directories(portable);
    std::filesystem::create_directories(installed);
    EXPECT_EQ(platform::SettingsDirectory(portable), portable);
    EXPECT_EQ(platform::SettingsDirectory(installed), home.Path() + "config/kestrova/");
    EXPECT_TRUE(std::filesystem::is_directory(home.Path() + "config/kestrova"));

    {
        const TScopedEnv pictures("XDG_PICTURES_DIR", home.Path() + "Bilder");
        EXPECT_EQ(platform::ScreenshotDirectory(), home.Path() + "Bilder/Kestrova/");
    }
    {
        const TScopedEnv unset("XDG_PICTURES_DIR", "");
        EXPECT_EQ(platform::ScreenshotDirectory(), home.Path() + "Pictures/Kestrova/");
        EXPECT_TRUE(std::filesystem::is_directory(home.Path() + "Pictures/Kestrova"));
    }
    home.Write("file", "");
    const TScopedEnv blocked("XDG_PICTURES_DIR", home.Path() + "file");
    EXPECT_EQ(platform::ScreenshotDirectory(), "") << "a file where the folder should be";
}
