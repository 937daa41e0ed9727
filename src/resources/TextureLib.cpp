// Texture cache and upload: decoded pictures become mipmapped GL textures.
#include "resources/TextureLib.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "platform/FileSystem.h"
#include "resources/Extractor.h"
#include "resources/Textures.h"

TTextureLib* TextureLib = nullptr;

namespace {

uint32_t CreateTexture(const TImage& image, int minFilter, int magFilter) {
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
    if (image.components == 4) {
        gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA, image.width, image.height, GL_RGBA, GL_UNSIGNED_BYTE,
                          image.pixels.data());
    } else {
        gluBuild2DMipmaps(GL_TEXTURE_2D, 3, image.width, image.height, GL_RGB, GL_UNSIGNED_BYTE,
                          image.pixels.data());
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    return name;
}

bool IsOpaque(const TImage& image) {
    if (image.components != 4) return true;
    for (size_t i = 3; i < image.pixels.size(); i += 4)
        if (image.pixels[i] != 255) return false;
    return true;
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
    entries_.push_back({path, 0, minFilter, magFilter, 0, 0, 1, false, "", -1});
    TImage image;
    if (LoadImage(path, image)) {
        TEntry& entry = entries_[index];
        entry.width = image.width;
        entry.height = image.height;
        entry.opaque = IsOpaque(image);
        entry.textureName = CreateTexture(image, minFilter, magFilter);
    }
    return index;
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
    // Drawn between texel centres, a picture would take its far edges' colours into its near ones.
    glBindTexture(GL_TEXTURE_2D, entries_[detail].textureName);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
}

const TTextureLib::TEntry* TTextureLib::EntryAt(int index) const {
    if (index < 0 || index >= static_cast<int>(entries_.size())) return nullptr;
    return &entries_[index];
}

void TTextureLib::Bind(int index) const {
    const TEntry* entry = EntryAt(index);
    if (detail_ && entry && entry->detail >= 0 && entries_[entry->detail].textureName) entry = &entries_[entry->detail];
    glBindTexture(GL_TEXTURE_2D, entry ? entry->textureName : 0);
}

int TTextureLib::Width(int index) const {
    const TEntry* entry = EntryAt(index);
    return entry ? entry->width : 0;
}

int TTextureLib::Height(int index) const {
    const TEntry* entry = EntryAt(index);
    return entry ? entry->height : 0;
}

bool TTextureLib::Opaque(int index) const {
    const TEntry* entry = EntryAt(index);
    return entry && entry->opaque;
}

uint32_t TTextureLib::TextureName(int index) const {
    const TEntry* entry = EntryAt(index);
    return entry ? entry->textureName : 0;
}
