// The archive's lookup rules, its readers and the writer the dpg tool packs with (the first of
// two equal names wins: ArchiveFuzz; integers: the track sequences; the same bytes from the
// same tree: datagen_deterministic; a packed tree read back: the data tests).
#include "resources/Extractor.h"
#include "platform/FileSystem.h"
#include "resources/ArchiveFormat.h"
#include "resources/ArchiveWriter.h"
#include "resources/DataPath.h"
#include "support/ErrorOf.h"
#include "support/ScratchProgram.h"
#include "support/TestFiles.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

std::string Text(const TBytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// The scratch program's archive; members are {stored path, bytes}.
class ArchiveTest : public ::testing::Test {
protected:
    void OpenArchive(const std::vector<std::pair<std::string, std::string>>& members) {
        archiveFile_ = program_.PackArchive(members);
    }
    // Replaces the archive file's bytes, as damage would.
    void Rewrite(const std::string& bytes) { ASSERT_TRUE(platform::WriteFileReplacing(archiveFile_, bytes)); }
    std::string Bytes() const {
        std::string bytes;
        EXPECT_TRUE(platform::ReadWholeFile(archiveFile_, bytes));
        return bytes;
    }

    TScratchProgram program_;
    TExtractor& archive_ = program_.archive;
    std::string archiveFile_;
};

TEST_F(ArchiveTest, LooseFileWinsOverMemberWhateverTheCase) {
    OpenArchive({{"Data\\Menu\\Logo.png", "archived"}});
    program_.Write("data/MENU/logo.PNG", "loose");
    const std::string path = ProgramDir + "DATA\\menu\\Logo.png";

    EXPECT_EQ(archive_.FindFile(path), 0);
    EXPECT_EQ(Text(archive_.ReadFile(path)), "loose");
    EXPECT_EQ(Text(archive_.ExtractForReader(path)), "loose");
    EXPECT_FALSE(platform::FileExists(ProgramDir + "Extract.tmp")) << "a loose file needs no copy";
}

TEST_F(ArchiveTest, MembersMatchInAnyCaseOnlyUnderTheBaseDirectory) {
    OpenArchive({{"data\\maps\\GLOBAL.cfg", "tables"}, {"Data\\Zz.txt", "x"}});
    EXPECT_EQ(archive_.FindFile(ProgramDir + "Data\\Maps\\Global.cfg"), 0);
    EXPECT_EQ(Text(archive_.ReadFile(ProgramDir + "DATA\\zZ.TXT")), "x");
    EXPECT_EQ(Text(archive_.ReadFile(ProgramDir + "DATA\\MAPS\\global.CFG")), "tables");

    const std::string slashes = ProgramDir + "Data/Maps/Global.cfg";
    EXPECT_EQ(ErrorOf([&] { archive_.FindFile(slashes); }), "File not found " + slashes);
    EXPECT_EQ(archive_.FindMember("Data\\Maps\\Global.cfg"), -1) << "the base directory is part of the name";
}

// Every text file the game reads (models, hit boxes, settings, keys) splits its lines so.
TEST_F(ArchiveTest, TextLinesEndAtCrLfCrOrLf) {
    OpenArchive({{"crlf.txt", "a\r\nb"},
                 {"mixed.txt", "x\ny\rz\n\r\n\nw"},
                 {"cr.txt", "a\r"},
                 {"pad.txt", " \t x y\x01\r\n"}});
    TTextFile crlf(ProgramDir + "crlf.txt", archive_);
    EXPECT_EQ(crlf.ReadLine(), "a");
    EXPECT_EQ(crlf.ReadLine(), "b");
    EXPECT_EQ(ErrorOf([&] { crlf.ReadLine(); }), "Riched End Of File");

    // LF CR is two line ends, CR LF one.
    EXPECT_EQ(TTextFile(ProgramDir + "mixed.txt", archive_).ReadAllLines(),
              (std::vector<std::string>{"x", "y", "z", "", "", "w"}));

    TTextFile lastCr(ProgramDir + "cr.txt", archive_);
    EXPECT_EQ(lastCr.ReadLine(), "a");
    EXPECT_TRUE(lastCr.EndOfFile());
    EXPECT_EQ(ErrorOf([&] { lastCr.ReadLine(); }), "Riched End Of File");

    EXPECT_EQ(TTextFile(ProgramDir + "pad.txt", archive_).ReadTrimmedLine(), "x y");
}

TEST_F(ArchiveTest, WithoutArchiveOnlyLooseFilesAreFound) {
    TExtractor closed;
    closed.SetBaseDirectory(ProgramDir);
    const std::string missing = ProgramDir + "Data\\Maps\\Track1.CFG";
    EXPECT_EQ(ErrorOf([&] { closed.FindFile(missing); }), "File not found " + missing);
    EXPECT_EQ(ErrorOf([&] { TSimpleFile(missing, closed); }), "File not found " + missing);

    program_.Write("Data/Maps/track1.cfg", "loose");
    EXPECT_EQ(closed.FindFile(missing), -1);
    EXPECT_EQ(TSimpleFile(missing, closed).Size(), 5);
}

TEST_F(ArchiveTest, OpeningAnotherArchiveInAnyLetterCaseDropsTheFirst) {
    OpenArchive({{"a", "1"}});
    OpenArchive({{"b", "2"}, {"c", "3"}});
    const std::filesystem::path named(archiveFile_);
    std::filesystem::rename(named, named.parent_path() / "data.DPG");
    archive_.Open(archiveFile_);
    EXPECT_EQ(archive_.EntryCount(), 2);
    EXPECT_EQ(archive_.FindMember("b"), 0) << "the base directory is dropped too";
    EXPECT_EQ(archive_.FindMember(ProgramDir + "a"), -1);
}

TEST_F(ArchiveTest, ExtractionReplacesTheTemporaryFileOrFallsBackToMemory) {
    OpenArchive({{"Global.cfg", "[Track]\r\n"}});
    const std::string path = ProgramDir + "Global.cfg";
    program_.Write("Extract.tmp", "an older, longer mission file");
    EXPECT_EQ(Text(archive_.ExtractForReader(path)), "[Track]\r\n");
    EXPECT_EQ(program_.Read("Extract.tmp"), "[Track]\r\n");

    // A non-empty folder in the way cannot be replaced, even by root.
    std::filesystem::remove(ProgramDir + "Extract.tmp");
    program_.Write("Extract.tmp/keep", "");
    EXPECT_EQ(Text(archive_.ExtractForReader(path)), "[Track]\r\n");
    std::filesystem::remove_all(ProgramDir + "Extract.tmp");
    chmod(ProgramDir.c_str(), 0500);
    if (!platform::DirectoryWritable(ProgramDir)) { // root ignores directory permissions
        EXPECT_EQ(Text(archive_.ExtractForReader(path)), "[Track]\r\n");
    }
    chmod(ProgramDir.c_str(), 0700);
}

TEST_F(ArchiveTest, DamagedArchivesRaiseClearErrors) {
    OpenArchive({{"a.txt", "alpha"}, {"b.txt", "beta"}});
    const std::string path = archiveFile_, bytes = Bytes();

    Rewrite(bytes.substr(0, archive::kHeaderSize + archive::kEntrySize + 10));
    EXPECT_EQ(ErrorOf([&] { archive_.Open(path); }), "Damaged archive: " + path);
    EXPECT_EQ(archive_.EntryCount(), 0) << "a damaged archive is left closed";

    std::string lying = bytes;
    archive::PutUint32(reinterpret_cast<uint8_t*>(lying.data()) + archive::kHeaderSize + archive::kEntrySize +
                           archive::kSizeField,
                       1000);
    Rewrite(lying);
    archive_.Open(path);
    EXPECT_EQ(Text(archive_.ReadMember(0)), "alpha");
    EXPECT_EQ(ErrorOf([&] { archive_.ReadMember(1); }), "Damaged archive member: b.txt");
    for (int index : {-1, 2})
        EXPECT_EQ(ErrorOf([&] { archive_.ReadMember(index); }), "File Index in DPG archive out of range");

    EXPECT_EQ(ErrorOf([&] { archive_.Open(path + ".none"); }), "File not found " + path + ".none");
}

TEST(ArchiveWriter, RefusesPathsTheReaderCannotTellApart) {
    TTempDir dir;
    const std::string file = dir.Write("f", "x");
    const std::string archivePath = dir.Path() + "out.dpg";

    EXPECT_NO_THROW(WriteArchive(archivePath, {{std::string(255, 'a'), file}}));
    EXPECT_NE(ErrorOf([&] { WriteArchive(archivePath, {{std::string(256, 'a'), file}}); }), "no error");
    EXPECT_NE(ErrorOf([&] {
                  WriteArchive(archivePath, {{"Data\\A.png", file}, {"data\\a.PNG", file}});
              }),
              "no error");
    EXPECT_NE(ErrorOf([&] { WriteArchive(archivePath, {{"gone", dir.Path() + "missing"}}); }), "no error");

    TExtractor archive;
    archive.Open(archivePath);
    EXPECT_EQ(archive.MemberName(0), std::string(255, 'a')) << "a refused pack keeps the last good archive";
    EXPECT_FALSE(platform::FileExists(archivePath + ".tmp"));
}

} // namespace
