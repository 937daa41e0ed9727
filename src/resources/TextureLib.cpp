// Texture cache and upload: decoded pictures become mipmapped GL textures.
#include "resources/TextureLib.h"

#include <algorithm>

#include <GL/gl.h>
#include <GL/glu.h>

#include "platform/FileSystem.h"
#include "resources/Extractor.h"
#include "resources/Textures.h"

TTextureLib* TextureLib = nullptr;

namespace {

uint32_t CreateTexture(const TDecodedPicture& picture, int minFilter, int magFilter) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, magFilter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, minFilter);
    // Rows are packed without gaps, whatever the width.
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    const std::vector<TImage>& levels = picture.levels;
    const GLint internalFormat = levels[0].components == 4 ? GL_RGBA : 3;
    const GLenum format = levels[0].components == 4 ? GL_RGBA : GL_RGB;
    if (!picture.levelsBuilt) {
        gluBuild2DMipmaps(GL_TEXTURE_2D, internalFormat, levels[0].width, levels[0].height, format,
                          GL_UNSIGNED_BYTE, levels[0].pixels.data());
    } else {
        for (size_t level = 0; level < levels.size(); ++level)
            glTexImage2D(GL_TEXTURE_2D, static_cast<GLint>(level), internalFormat, levels[level].width,
                         levels[level].height, 0, format, GL_UNSIGNED_BYTE, levels[level].pixels.data());
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    return name;
}

} // namespace

int TTextureLib::Load(const std::string& path, int minFilter, int magFilter) {
    for (size_t i = 0; i < entries_.size(); ++i) {
        TEntry& entry = entries_[i];
        if (entry.referenceCount > 0 && entry.path == path && entry.minFilter == minFilter &&
            entry.magFilter == magFilter) {
            ++entry.referenceCount;
            return static_cast<int>(i);
        }
    }
    // Textures are never released, so there is no free slot to reuse: append.
    const int index = static_cast<int>(entries_.size());
    entries_.push_back({path, 0, minFilter, magFilter, 0, 0, 1, false, {}, {}, "", -1});
    if (ImageFormatOf(path) != TImageFormat::None) {
        // A missing picture stops the loading where it is asked for, as it always did.
        Extractor->FindFile(path);
        TDecodeQueue::TTicket ahead = ClaimAhead(path);
        entries_[index].decoding = ahead.Valid() ? std::move(ahead) : queue_.Decode(path, MaxSide(), hold_);
    }
    return index;
}

TDecodeQueue::TTicket TTextureLib::ClaimAhead(const std::string& path) {
    const auto ahead =
        std::find_if(ahead_.begin(), ahead_.end(), [&path](const auto& picture) { return picture.first == path; });
    if (ahead == ahead_.end()) return {};
    TDecodeQueue::TTicket ticket = std::move(ahead->second);
    ahead_.erase(ahead);
    return ticket;
}

void TTextureLib::DecodeAhead(const std::string& path) {
    if (ImageFormatOf(path) != TImageFormat::None) ahead_.emplace_back(path, queue_.Decode(path, MaxSide()));
}

bool TTextureLib::TakeAhead(const std::string& path, TImage& image) {
    TDecodeQueue::TTicket ahead = ClaimAhead(path);
    if (!ahead.Valid()) return LoadImage(path, image);
    TDecodedPicture picture = queue_.Take(ahead);
    if (!picture.ok) return LoadImage(path, image);
    image = std::move(picture.levels[0]);
    return true;
}

int TTextureLib::MaxSide() {
    if (maxSide_ < 0) {
        GLint side = 0;
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &side);
        maxSide_ = side;
    }
    return maxSide_;
}

void TTextureLib::Collect(TEntry& entry) const {
    if (!entry.decoding.Valid()) return;
    entry.decoded = std::make_unique<TDecodedPicture>(queue_.Take(entry.decoding));
    if (!entry.decoded->ok) {
        // Loaded again here, so that its message box or error comes from the main thread.
        entry.decoded.reset();
        TImage image;
        if (!LoadImage(entry.path, image)) return;
        entry.decoded = std::make_unique<TDecodedPicture>(ReadyForUpload(std::move(image), maxSide_));
    }
    entry.width = entry.decoded->width;
    entry.height = entry.decoded->height;
    entry.opaque = entry.decoded->opaque;
}

void TTextureLib::Upload(TEntry& entry) const {
    Collect(entry);
    if (!entry.decoded) return;
    entry.textureName = CreateTexture(*entry.decoded, entry.minFilter, entry.magFilter);
    entry.decoded.reset();
}

int TTextureLib::LoadInterfacePicture(const std::string& path) {
    const int index = Load(path, GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR);
    const size_t dot = path.rfind('.');
    const std::string sharper = dot == std::string::npos ? "" : path.substr(0, dot) + "@2x" + path.substr(dot);
    if (entries_[index].detailPath.empty() && !sharper.empty() &&
        ((Extractor && Extractor->FindMember(sharper) >= 0) || platform::FileExists(sharper))) {
        entries_[index].detailPath = sharper;
        if (detail_) LoadDetail(index);
    }
    return index;
}

void TTextureLib::SetDetail(bool detail) {
    detail_ = detail;
    if (!detail) return;
    for (size_t i = 0; i < entries_.size(); ++i)
        if (!entries_[i].detailPath.empty() && entries_[i].detail < 0) LoadDetail(static_cast<int>(i));
}

void TTextureLib::LoadDetail(int index) {
    const std::string path = entries_[index].detailPath;
    const int detail = Load(path, entries_[index].minFilter, entries_[index].magFilter);
    entries_[index].detail = detail;
    Upload(entries_[detail]);
    // Drawn between texel centres, a picture would take its far edges' colours into its near ones.
    glBindTexture(GL_TEXTURE_2D, entries_[detail].textureName);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

TTextureLib::TEntry* TTextureLib::EntryAt(int index) const {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return nullptr;
    return &entries_[index];
}

void TTextureLib::Bind(int index) const {
    TEntry* entry = EntryAt(index);
    if (entry && detail_ && entry->detail >= 0) {
        TEntry& sharper = entries_[entry->detail];
        Upload(sharper);
        if (sharper.textureName) entry = &sharper;
    }
    if (entry) Upload(*entry);
    glBindTexture(GL_TEXTURE_2D, entry ? entry->textureName : 0);
}

uint32_t TTextureLib::TextureName(int index) const {
    TEntry* entry = EntryAt(index);
    if (!entry) return 0;
    Upload(*entry);
    return entry->textureName;
}

int TTextureLib::Width(int index) const {
    TEntry* entry = EntryAt(index);
    if (!entry) return 0;
    Collect(*entry);
    return entry->width;
}

int TTextureLib::Height(int index) const {
    TEntry* entry = EntryAt(index);
    if (!entry) return 0;
    Collect(*entry);
    return entry->height;
}

bool TTextureLib::Opaque(int index) const {
    TEntry* entry = EntryAt(index);
    if (!entry) return false;
    Collect(*entry);
    return entry->opaque;
}
