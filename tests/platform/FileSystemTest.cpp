#include "platform/FileSystem.h"
#include "platform/Compression.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

TEST(FileSystem, ResolvesAnyCaseAndEitherSeparator) {
    TTempDir dir;
    const std::string real = dir.Write("Data/Menu/Logo.png", "png");
    EXPECT_EQ(platform::ResolveFile(dir.Path() + "DATA\\menu\\LOGO.PNG"), real);
    EXPECT_EQ(platform::ResolveFile(dir.Path() + "Data/Menu/Logo.png"), real);
    EXPECT_EQ(platform::ResolveFile(dir.Path() + "Data\\Menu"), "") << "a folder is not a file";
    EXPECT_EQ(platform::ResolveFile(dir.Path() + "Data\\Menu\\Other.png"), "");
    // '..' is left to the file system: it climbs out of the folder found, never out of a missing one.
    EXPECT_EQ(platform::ResolveFile(dir.Path() + "data/MENU/../menu/logo.png"),
              dir.Path() + "Data/Menu/../Menu/Logo.png");
    EXPECT_EQ(platform::ResolveFile(dir.Path() + "Data/Missing/../Menu/Logo.png"), "");
}

TEST(FileSystem, ReplacingLeavesAnEqualFileAloneAndKeepsTheOldOneOnFailure) {
    TTempDir dir;
    const std::string path = dir.Write("Config.cfg", "newer"); // the bytes to write and more
    ASSERT_TRUE(platform::WriteFileReplacing(path, "new"));
    EXPECT_EQ(dir.Read("Config.cfg"), "new");
    struct stat before, after;
    stat(path.c_str(), &before);
    ASSERT_TRUE(platform::WriteFileReplacing(path, "new"));
    stat(path.c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino) << "the same bytes again leave the file alone";

    chmod(dir.Path().c_str(), 0500);
    const bool writable = platform::DirectoryWritable(dir.Path());
    if (!writable) { // root ignores directory permissions
        EXPECT_FALSE(platform::WriteFileReplacing(path, "lost"));
        EXPECT_EQ(dir.Read("Config.cfg"), "new");
    }
    chmod(dir.Path().c_str(), 0700);
}

TEST(FileSystem, FileDigestIsTheDigestOfItsBytes) {
    TTempDir dir;
    std::string bytes;
    for (unsigned i = 0; i < 700000; ++i) // pieces and a part piece
        bytes += static_cast<char>(i * 7919 >> 5);
    dir.Write("Data.dpg", bytes);
    EXPECT_EQ(platform::DigestFile(dir.Path() + "data.DPG").get(), platform::Digest(bytes));
    EXPECT_EQ(platform::DigestFile(dir.Path() + "Missing.dpg").get(), 0u);
}
