// A draw that switches lighting, blending, depth writes or texturing leaves them as it found
// them: it makes one of these first, and what it found comes back when that goes out of scope.
#pragma once

#include <GL/gl.h>

class TKeepGLState {
public:
    TKeepGLState()
        : lighting_(glIsEnabled(GL_LIGHTING)), blending_(glIsEnabled(GL_BLEND)),
          texturing_(glIsEnabled(GL_TEXTURE_2D)) {
        glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites_);
    }
    ~TKeepGLState() {
        Restore(GL_LIGHTING, lighting_);
        Restore(GL_BLEND, blending_);
        Restore(GL_TEXTURE_2D, texturing_);
        glDepthMask(depthWrites_);
    }
    TKeepGLState(const TKeepGLState&) = delete;
    TKeepGLState& operator=(const TKeepGLState&) = delete;

private:
    static void Restore(GLenum capability, GLboolean on) {
        if (on) {
            glEnable(capability);
        } else {
            glDisable(capability);
        }
    }

    GLboolean lighting_;
    GLboolean blending_;
    GLboolean texturing_;
    GLboolean depthWrites_ = GL_TRUE;
};
