// A 3D object of the game: one or more skinned meshes (actors) and their animations, read
// from a ".hsa" descriptor, drawn statically from vertex buffers or posed on the CPU.
#pragma once

#include <string>
#include <vector>

#include "resources/Matrix.h"
#include "resources/SMD.h"

class TTextureSource;

class THSAModel {
public:
    explicit THSAModel(TTextureSource& textures) : textures_(textures) {}
    THSAModel(const THSAModel&) = delete;
    THSAModel& operator=(const THSAModel&) = delete;

    // Reads the descriptor, its meshes, hit boxes and animations, then fills the vertex
    // buffers. With `prepareSkinning` the vertices are kept in bone space for Pose.
    void Load(const std::string& path, bool prepareSkinning);

    // The current actor as loaded (bone space when skinning was prepared), one draw call per
    // texture group. The caller sets the matrices, client arrays and blending.
    void Draw() const;
    // The current actor as last posed, from client memory.
    void DrawSkinned() const;

    TActor& CurrentActor() { return actors_[currentActor_]; }
    const TActor& CurrentActor() const { return actors_[currentActor_]; }
    // Nullptr when there is no animation `index`.
    TAnimation* Animation(int index);
    // Index of the current actor's node `name` (exact); raises "Node "name" not found." otherwise.
    int FindNode(const std::string& name) const;

    const std::string& Path() const { return path_; }
    bool AxisFix() const { return axisFix_; }
    int ActorCount() const { return static_cast<int>(actors_.size()); }
    int AnimationCount() const { return static_cast<int>(animations_.size()); }
    // Around every actor's vertices as Draw takes them.
    const TBox& Box() const { return box_; }

private:
    void ReadAnimations(const std::vector<std::string>& lines, size_t next, const std::string& directory);
    void UploadVertexBuffers();

    TTextureSource& textures_;
    std::string path_;
    bool axisFix_ = false;
    std::vector<TActor> actors_;
    int currentActor_ = 0;
    std::vector<TAnimation> animations_;
    TBox box_;
};
