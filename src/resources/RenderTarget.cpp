// The off-screen target: a framebuffer object with a colour texture and a depth and stencil
// buffer (the shadows need the stencil).
#include "resources/RenderTarget.h"

#include <algorithm>
#include <initializer_list>

#include "resources/OGLExt.h"
#include "resources/Out2D.h"

TRenderTarget::~TRenderTarget() {
    Release();
    if (stretch_ != 0) oglext::glDeleteObjectARB(stretch_);
}

void TRenderTarget::Release() {
    if (framebuffer_ == 0) return;
    oglext::glDeleteFramebuffers(1, &framebuffer_);
    oglext::glDeleteRenderbuffers(1, &depthStencil_);
    glDeleteTextures(1, &colour_);
    framebuffer_ = colour_ = depthStencil_ = 0;
    storageWidth_ = storageHeight_ = 0;
}

void TRenderTarget::Bind(int width, int height) {
    width_ = std::min(width, storageWidth_);
    height_ = std::min(height, storageHeight_);
    oglext::glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
}

bool TRenderTarget::Reserve(int storageWidth, int storageHeight) {
    if (!oglext::FramebuffersAvailable) return false;
    if (framebuffer_ != 0 && storageWidth == storageWidth_ && storageHeight == storageHeight_) return true;
    Release();
    GLint texture = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
    glGenTextures(1, &colour_);
    glBindTexture(GL_TEXTURE_2D, colour_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    // Unsized, so that the driver keeps the upload's order: blue first, as the window's pixels
    // are, which is all its fast stretch takes.
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, storageWidth, storageHeight, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));

    oglext::glGenRenderbuffers(1, &depthStencil_);
    oglext::glBindRenderbuffer(GL_RENDERBUFFER, depthStencil_);
    oglext::glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, storageWidth, storageHeight);
    oglext::glGenFramebuffers(1, &framebuffer_);
    oglext::glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    oglext::glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour_, 0);
    oglext::glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, depthStencil_);
    const bool complete = oglext::glCheckFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    oglext::glBindFramebuffer(GL_FRAMEBUFFER, 0);
    if (!complete) {
        Release();
        return false;
    }
    storageWidth_ = storageWidth;
    storageHeight_ = storageHeight;
    return true;
}

void TRenderTarget::CopyEdges() {
    // Blits within one framebuffer are defined while source and destination do not overlap.
    if (width_ < storageWidth_)
        oglext::glBlitFramebuffer(width_ - 1, 0, width_, height_, width_, 0, width_ + 1, height_, GL_COLOR_BUFFER_BIT,
                                  GL_NEAREST);
    if (height_ < storageHeight_) {
        const int across = std::min(width_ + 1, storageWidth_);
        oglext::glBlitFramebuffer(0, height_ - 1, across, height_, 0, height_, across, height_ + 1, GL_COLOR_BUFFER_BIT,
                                  GL_NEAREST);
    }
}

void TRenderTarget::MakeStretchProgram() {
    stretchTried_ = true;
    if (!oglext::ShadersAvailable) return;
    const char* source = "uniform sampler2D picture;\n"
                         "void main() { gl_FragColor = texture2D(picture, gl_TexCoord[0].xy); }\n";
    const GLhandleARB shader = oglext::glCreateShaderObjectARB(GL_FRAGMENT_SHADER_ARB);
    oglext::glShaderSourceARB(shader, 1, &source, nullptr);
    oglext::glCompileShaderARB(shader);
    stretch_ = oglext::glCreateProgramObjectARB();
    oglext::glAttachObjectARB(stretch_, shader);
    oglext::glDeleteObjectARB(shader);
    oglext::glLinkProgramARB(stretch_);
    GLint linked = 0;
    oglext::glGetObjectParameterivARB(stretch_, GL_OBJECT_LINK_STATUS_ARB, &linked);
    if (linked == 1) return;
    oglext::glDeleteObjectARB(stretch_);
    stretch_ = 0;
}

void TRenderTarget::DrawStretched(int x, int y, int width, int height) {
    if (!stretchTried_) MakeStretchProgram();
    CopyEdges();
    oglext::glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glPushAttrib(GL_ENABLE_BIT | GL_TEXTURE_BIT | GL_VIEWPORT_BIT);
    glViewport(x, y, width, height);
    for (GLenum off : {GL_DEPTH_TEST, GL_BLEND, GL_ALPHA_TEST, GL_STENCIL_TEST, GL_LIGHTING, GL_FOG, GL_CULL_FACE})
        glDisable(off);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, colour_);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    GLhandleARB program = 0;
    if (stretch_ != 0) {
        program = oglext::glGetHandleARB(GL_PROGRAM_OBJECT_ARB);
        oglext::glUseProgramObjectARB(stretch_);
    }
    glMatrixMode(GL_TEXTURE);
    glPushMatrix();
    glLoadIdentity();
    glScalef(static_cast<float>(width_) / storageWidth_, static_cast<float>(height_) / storageHeight_, 1);
    DrawTextureOverViewport();
    if (stretch_ != 0) oglext::glUseProgramObjectARB(program);
    glMatrixMode(GL_TEXTURE);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
}
