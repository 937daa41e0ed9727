// dpg: packs the generated data tree into "Data.dpg", lists an archive and extracts members.
#include "core/Error.h"
#include "resources/ArchiveWriter.h"
#include "resources/Extractor.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace {

const char* const kUsage =
    "usage:\n"
    "  dpg pack <tree-root> <archive.dpg>    pack every file under tree-root\n"
    "  dpg list <archive.dpg>                one line per member: path and size\n"
    "  dpg extract <archive.dpg> <member-path> <out-file>\n"
    "Members are stored relative to tree-root with backslashes, e.g. Data\\Menu\\Logo.png;\n"
    "extract matches the member path in any letter case.\n";

void Pack(const std::string& root, const std::string& archivePath) {
    const std::vector<TArchiveSource> members = CollectTree(root);
    WriteArchive(archivePath, members);
    std::cout << "packed " << members.size() << " files into " << archivePath << "\n";
}

void List(const std::string& archivePath) {
    TExtractor archive;
    archive.Open(archivePath);
    for (int i = 0; i < archive.EntryCount(); ++i) {
        std::cout << archive.MemberName(i) << "\t" << archive.MemberSize(i) << "\n";
    }
}

void Extract(const std::string& archivePath, const std::string& member, const std::string& outPath) {
    TExtractor archive;
    archive.Open(archivePath);
    const int index = archive.FindMember(member);
    if (index < 0) throw EGameError("No member " + member + " in " + archivePath);
    const TBytes bytes = archive.ReadMember(index);
    FILE* out = std::fopen(outPath.c_str(), "wb");
    if (!out) throw EGameError("Unable to write " + outPath);
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    if (std::fclose(out) != 0 || !written) throw EGameError("Unable to write " + outPath);
}

} // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    try {
        if (command == "pack" && argc == 4) {
            Pack(argv[2], argv[3]);
        } else if (command == "list" && argc == 3) {
            List(argv[2]);
        } else if (command == "extract" && argc == 5) {
            Extract(argv[2], argv[3], argv[4]);
        } else {
            std::cerr << kUsage;
            return 2;
        }
    } catch (const EGameError& error) {
        std::cerr << "dpg: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
