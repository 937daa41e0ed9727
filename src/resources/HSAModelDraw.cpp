// Drawing a model: static meshes from vertex buffers (client memory when the driver has
// none), posed meshes from their skinned vertices.
#include "resources/HSAModel.h"

#include "resources/OGLExt.h"
#include "resources/TextureSource.h"

namespace {

constexpr GLsizei kStride = sizeof(TMeshVertex);

// `base` is an offset into the bound buffer, or the vertices themselves when none is bound.
void SetPointers(const char* base) {
    glVertexPointer(3, GL_FLOAT, kStride, base + offsetof(TMeshVertex, position));
    glNormalPointer(GL_FLOAT, kStride, base + offsetof(TMeshVertex, normal));
    glTexCoordPointer(2, GL_FLOAT, kStride, base + offsetof(TMeshVertex, u));
}

} // namespace

void THSAModel::UploadVertexBuffers() {
    if (!oglext::VertexBuffersAvailable) return;
    for (TActor& actor : actors_)
        for (TSMDTextureGroup& group : actor.textureGroups) {
            oglext::glGenBuffersARB(1, &group.vertexBuffer);
            oglext::glBindBufferARB(GL_ARRAY_BUFFER_ARB, group.vertexBuffer);
            oglext::glBufferDataARB(GL_ARRAY_BUFFER_ARB, group.vertices.size() * sizeof(TMeshVertex),
                                    group.vertices.data(), GL_STATIC_DRAW_ARB);
        }
    oglext::glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
}

void THSAModel::Draw() const {
    for (const TSMDTextureGroup& group : CurrentActor().textureGroups) {
        textures_.Bind(group.texture);
        if (group.vertexBuffer != 0) {
            oglext::glBindBufferARB(GL_ARRAY_BUFFER_ARB, group.vertexBuffer);
            SetPointers(nullptr);
        } else {
            SetPointers(reinterpret_cast<const char*>(group.vertices.data()));
        }
        glDrawArrays(GL_TRIANGLES, 0, group.VertexCount());
    }
    if (oglext::VertexBuffersAvailable) oglext::glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
}

void THSAModel::DrawSkinned() const {
    glEnable(GL_TEXTURE_2D);
    for (const TSMDTextureGroup& group : CurrentActor().textureGroups) {
        textures_.Bind(group.texture);
        SetPointers(reinterpret_cast<const char*>(group.skinnedVertices.data()));
        glDrawArrays(GL_TRIANGLES, 0, group.VertexCount());
    }
}
