// Builds "Data.dpg" archives from files on disk: the dpg tool packs the data tree with it.
#pragma once

#include <string>
#include <vector>

struct TArchiveSource {
    std::string storedPath; // as the game names it: relative, backslash separators
    std::string diskPath;   // where the member's bytes are read from
};

// Every regular file under `root`, stored relative to it with backslashes, sorted by
// stored path so that the same tree always packs to the same bytes.
std::vector<TArchiveSource> CollectTree(const std::string& root);

// Writes `members` in their order, header byte and unused fields 0. The archive is
// written beside `archivePath` and renamed over it, so a failure leaves no half archive.
// Raises EGameError for a stored path over 255 bytes, two paths equal but for letter case
// (the game would only ever find the first), an archive beyond 4 GiB, or a file that
// cannot be read or written.
void WriteArchive(const std::string& archivePath, const std::vector<TArchiveSource>& members);
