// Damaged, truncated and random archives through every reader: each call either succeeds
// or raises EGameError; anything else (a crash, a read past a buffer, an absurd
// allocation) fails here or under AddressSanitizer.
#include "platform/FileSystem.h"
#include "resources/ArchiveFormat.h"
#include "resources/ArchiveWriter.h"
#include "resources/Extractor.h"
#include "support/ErrorOf.h"
#include "fuzz/Damage.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

namespace {

class ArchiveFuzz : public ::testing::Test {
protected:
    void SetUp() override {
        fuzzlimits::CapMemory();
        TTempDir tree;
        tree.Write("Data/Maps/Track1.cfg", "[Track]\r\nBlocks=12\r\n\r\nlast line\r");
        tree.Write("Data/Tables/ints.bin", std::string("\x01\x00\x00\x00\xfe\xff\xff\xff\x07", 9));
        tree.Write("Data/empty", "");
        tree.Write("Data/Menu/Logo.png", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        WriteArchive(dir_.Path() + "valid.dpg", CollectTree(tree.Path()));
        ASSERT_TRUE(platform::ReadWholeFile(dir_.Path() + "valid.dpg", valid_));
    }

    // Everything a loader may do with an archive, member by member.
    void Exercise(const std::string& bytes) {
        const std::string path = dir_.Write("fuzz.dpg", bytes);
        TExtractor archive;
        if (ErrorOf([&] { archive.Open(path); }) != "no error") {
            EXPECT_EQ(archive.EntryCount(), 0);
            return;
        }
        ASSERT_LE(uint64_t(archive.EntryCount()) * archive::kEntrySize, bytes.size());
        archive.SetBaseDirectory(dir_.Path());
        for (int i = 0; i < archive.EntryCount(); ++i) {
            const std::string fullPath = dir_.Path() + archive.MemberName(i);
            ErrorOf([&] { EXPECT_LE(archive.FindFile(fullPath), i); });
            ErrorOf([&] {
                const TBytes member = archive.ReadMember(i);
                EXPECT_EQ(int(member.size()), archive.MemberSize(i));
                EXPECT_LE(member.size(), bytes.size());
            });
            ErrorOf([&] {
                TTextFile text(fullPath, archive);
                while (!text.EndOfFile())
                    text.ReadTrimmedLine();
            });
            ErrorOf([&] {
                TIntegerFile ints(fullPath, archive);
                for (;;)
                    ints.ReadInteger();
            });
        }
        ErrorOf([&] { archive.ReadMember(archive.EntryCount()); });
    }

    TTempDir dir_;
    std::string valid_;
};

TEST_F(ArchiveFuzz, TruncatedAndDamaged) {
    FuzzReader(valid_, 1500, [&](const std::string& bytes) { Exercise(bytes); });
}

} // namespace
