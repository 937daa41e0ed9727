// The texture library: every picture the game draws is loaded once per path and filter
// pair and named by a small index for the rest of the run. Pictures are decoded, and their
// mipmap levels built, on a worker thread while loading goes on; each becomes a GL texture when
// it is first needed, so pages and stages never shown cost no upload.
#pragma once

#include <cstdint>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "resources/DecodeQueue.h"

class TTextureLib {
public:
    // Same path (letter case counts) and same filters give the same index again.
    // Callers pass GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR except for the start-up logo.
    // A path found neither in the archive nor on disk raises "File not found " + path at once.
    int Load(const std::string& path, int minFilter, int magFilter);
    // A picture of the menus or the HUD, filtered like the others. When the data holds a sharper
    // version of it ("NAME@2x.png", twice the pixels each way), Bind takes that one instead while
    // the interface is drawn larger than its pictures.
    int LoadInterfacePicture(const std::string& path);
    // Starts decoding a picture that Load will be asked for later, ahead of those asked for
    // before then; a missing or damaged one is left for Load and the readers to report.
    void DecodeAhead(const std::string& path);
    // A picture DecodeAhead started, for another use than a texture: its first level (at sides
    // of powers of two), or the picture loaded here when it was not started or did not decode
    // (its message box or error then comes from here). False when it cannot be loaded.
    bool TakeAhead(const std::string& path, TImage& image);
    // Whether the interface is drawn larger than its pictures; the sharper versions load the
    // first time it is.
    void SetDetail(bool detail);
    // While held, the pictures Load is asked for are decoded only once DecodeHeld lets their hold
    // go, after the others (or when one is needed before then): what the first page does not show
    // must not take the processor from it, nor the menu's pictures from a stage started on its own.
    void HoldDecoding(THold hold) { hold_ = hold; }
    void DecodeHeld(THold hold) { queue_.ReleaseHeld(hold); }
    // Stops the decoding of pictures never drawn, before the program ends.
    void StopDecoding() { queue_.Stop(); }

    // The rest need the picture: one still being decoded is waited for (and uploaded by Bind
    // and TextureName); a damaged one shows its message box (or raises its error) then.
    // An index the library never handed out binds no texture.
    void Bind(int index) const;
    int Width(int index) const;
    int Height(int index) const;
    // Every pixel has full alpha (false when the picture could not be loaded).
    bool Opaque(int index) const;
    // The GL texture object; 0 when the picture could not be loaded.
    uint32_t TextureName(int index) const;

private:
    struct TEntry {
        std::string path;
        uint32_t textureName = 0;
        int minFilter = 0;
        int magFilter = 0;
        int width = 0;
        int height = 0;
        int referenceCount = 0;
        bool opaque = false;
        TDecodeQueue::TTicket decoding;           // valid until collected
        std::unique_ptr<TDecodedPicture> decoded; // waiting for its upload
        std::string detailPath;                   // of its sharper version, when there is one
        int detail = -1;                          // its index, once loaded
    };
    TEntry* EntryAt(int index) const;
    // Takes the worker's picture and its size, or loads a failed one again here to report it.
    void Collect(TEntry& entry) const;
    void Upload(TEntry& entry) const;
    // The ticket DecodeAhead made for `path`, no longer listed there; an invalid one when none.
    TDecodeQueue::TTicket ClaimAhead(const std::string& path);
    void LoadDetail(int index);
    int MaxSide();

    // Uploading is a cache filled on first use, so the readers stay const.
    mutable std::vector<TEntry> entries_;
    mutable TDecodeQueue queue_;
    std::vector<std::pair<std::string, TDecodeQueue::TTicket>> ahead_; // not yet asked for by Load
    int maxSide_ = -1; // the driver's largest texture side, asked once
    bool detail_ = false;
    THold hold_ = THold::None;
};

extern TTextureLib* TextureLib;
