// OpenGL entry points beyond 1.1, fetched at run time: vertex buffer objects for the
// models, ARB shader objects for the grey-scale pause picture, multitexture, framebuffer
// objects (the scene drawn at a lower resolution) and occlusion queries (the benchmark's
// fragment counts).
#pragma once

#include <GL/gl.h>
#include <GL/glext.h>

#define KESTROVA_VBO_ENTRY_POINTS(X)                                                                         \
    X(PFNGLBINDBUFFERARBPROC, glBindBufferARB)                                                               \
    X(PFNGLDELETEBUFFERSARBPROC, glDeleteBuffersARB)                                                         \
    X(PFNGLGENBUFFERSARBPROC, glGenBuffersARB)                                                               \
    X(PFNGLBUFFERDATAARBPROC, glBufferDataARB)                                                               \
    X(PFNGLBUFFERSUBDATAARBPROC, glBufferSubDataARB)

#define KESTROVA_SHADER_ENTRY_POINTS(X)                                                                      \
    X(PFNGLCREATESHADEROBJECTARBPROC, glCreateShaderObjectARB)                                               \
    X(PFNGLSHADERSOURCEARBPROC, glShaderSourceARB)                                                           \
    X(PFNGLCOMPILESHADERARBPROC, glCompileShaderARB)                                                         \
    X(PFNGLDELETEOBJECTARBPROC, glDeleteObjectARB)                                                           \
    X(PFNGLGETHANDLEARBPROC, glGetHandleARB)                                                                 \
    X(PFNGLDETACHOBJECTARBPROC, glDetachObjectARB)                                                           \
    X(PFNGLCREATEPROGRAMOBJECTARBPROC, glCreateProgramObjectARB)                                             \
    X(PFNGLATTACHOBJECTARBPROC, glAttachObjectARB)                                                           \
    X(PFNGLLINKPROGRAMARBPROC, glLinkProgramARB)                                                             \
    X(PFNGLUSEPROGRAMOBJECTARBPROC, glUseProgramObjectARB)                                                   \
    X(PFNGLVALIDATEPROGRAMARBPROC, glValidateProgramARB)                                                     \
    X(PFNGLGETOBJECTPARAMETERFVARBPROC, glGetObjectParameterfvARB)                                           \
    X(PFNGLGETOBJECTPARAMETERIVARBPROC, glGetObjectParameterivARB)                                           \
    X(PFNGLGETACTIVEUNIFORMARBPROC, glGetActiveUniformARB)                                                   \
    X(PFNGLGETATTACHEDOBJECTSARBPROC, glGetAttachedObjectsARB)                                               \
    X(PFNGLGETSHADERSOURCEARBPROC, glGetShaderSourceARB)                                                     \
    X(PFNGLGETUNIFORMFVARBPROC, glGetUniformfvARB)                                                           \
    X(PFNGLGETUNIFORMIVARBPROC, glGetUniformivARB)                                                           \
    X(PFNGLGETUNIFORMLOCATIONARBPROC, glGetUniformLocationARB)                                               \
    X(PFNGLGETINFOLOGARBPROC, glGetInfoLogARB)                                                               \
    X(PFNGLUNIFORM1FARBPROC, glUniform1fARB)                                                                 \
    X(PFNGLUNIFORM2FARBPROC, glUniform2fARB)                                                                 \
    X(PFNGLUNIFORM3FARBPROC, glUniform3fARB)                                                                 \
    X(PFNGLUNIFORM4FARBPROC, glUniform4fARB)                                                                 \
    X(PFNGLUNIFORM1IARBPROC, glUniform1iARB)                                                                 \
    X(PFNGLUNIFORM2IARBPROC, glUniform2iARB)                                                                 \
    X(PFNGLUNIFORM3IARBPROC, glUniform3iARB)                                                                 \
    X(PFNGLUNIFORM4IARBPROC, glUniform4iARB)                                                                 \
    X(PFNGLUNIFORM1FVARBPROC, glUniform1fvARB)                                                               \
    X(PFNGLUNIFORM2FVARBPROC, glUniform2fvARB)                                                               \
    X(PFNGLUNIFORM3FVARBPROC, glUniform3fvARB)                                                               \
    X(PFNGLUNIFORM4FVARBPROC, glUniform4fvARB)                                                               \
    X(PFNGLUNIFORM1IVARBPROC, glUniform1ivARB)                                                               \
    X(PFNGLUNIFORM2IVARBPROC, glUniform2ivARB)                                                               \
    X(PFNGLUNIFORM3IVARBPROC, glUniform3ivARB)                                                               \
    X(PFNGLUNIFORM4IVARBPROC, glUniform4ivARB)                                                               \
    X(PFNGLUNIFORMMATRIX2FVARBPROC, glUniformMatrix2fvARB)                                                   \
    X(PFNGLUNIFORMMATRIX3FVARBPROC, glUniformMatrix3fvARB)                                                   \
    X(PFNGLUNIFORMMATRIX4FVARBPROC, glUniformMatrix4fvARB)                                                   \
    X(PFNGLGETATTRIBLOCATIONARBPROC, glGetAttribLocationARB)                                                 \
    X(PFNGLVERTEXATTRIB3FARBPROC, glVertexAttrib3fARB)

#define KESTROVA_MULTITEXTURE_ENTRY_POINTS(X)                                                                \
    X(PFNGLACTIVETEXTUREARBPROC, glActiveTextureARB)                                                         \
    X(PFNGLMULTITEXCOORD2FARBPROC, glMultiTexCoord2fARB)

#define KESTROVA_FRAMEBUFFER_ENTRY_POINTS(X)                                                                 \
    X(PFNGLGENFRAMEBUFFERSPROC, glGenFramebuffers)                                                           \
    X(PFNGLDELETEFRAMEBUFFERSPROC, glDeleteFramebuffers)                                                     \
    X(PFNGLBINDFRAMEBUFFERPROC, glBindFramebuffer)                                                           \
    X(PFNGLFRAMEBUFFERTEXTURE2DPROC, glFramebufferTexture2D)                                                 \
    X(PFNGLGENRENDERBUFFERSPROC, glGenRenderbuffers)                                                         \
    X(PFNGLDELETERENDERBUFFERSPROC, glDeleteRenderbuffers)                                                   \
    X(PFNGLBINDRENDERBUFFERPROC, glBindRenderbuffer)                                                         \
    X(PFNGLRENDERBUFFERSTORAGEPROC, glRenderbufferStorage)                                                   \
    X(PFNGLFRAMEBUFFERRENDERBUFFERPROC, glFramebufferRenderbuffer)                                           \
    X(PFNGLCHECKFRAMEBUFFERSTATUSPROC, glCheckFramebufferStatus)                                             \
    X(PFNGLBLITFRAMEBUFFERPROC, glBlitFramebuffer)

#define KESTROVA_STENCIL_ENTRY_POINTS(X) X(PFNGLSTENCILOPSEPARATEPROC, glStencilOpSeparate)

#define KESTROVA_QUERY_ENTRY_POINTS(X)                                                                       \
    X(PFNGLGENQUERIESARBPROC, glGenQueriesARB)                                                               \
    X(PFNGLDELETEQUERIESARBPROC, glDeleteQueriesARB)                                                         \
    X(PFNGLBEGINQUERYARBPROC, glBeginQueryARB)                                                               \
    X(PFNGLENDQUERYARBPROC, glEndQueryARB)                                                                   \
    X(PFNGLGETQUERYOBJECTUIVARBPROC, glGetQueryObjectuivARB)

// Null until loaded. Called as oglext::glBindBufferARB(...) so that they never clash with
// the GL library's own symbols of the same names.
namespace oglext {

#define KESTROVA_DECLARE_ENTRY_POINT(type, name) extern type name;
KESTROVA_VBO_ENTRY_POINTS(KESTROVA_DECLARE_ENTRY_POINT)
KESTROVA_SHADER_ENTRY_POINTS(KESTROVA_DECLARE_ENTRY_POINT)
KESTROVA_MULTITEXTURE_ENTRY_POINTS(KESTROVA_DECLARE_ENTRY_POINT)
KESTROVA_FRAMEBUFFER_ENTRY_POINTS(KESTROVA_DECLARE_ENTRY_POINT)
KESTROVA_QUERY_ENTRY_POINTS(KESTROVA_DECLARE_ENTRY_POINT)
KESTROVA_STENCIL_ENTRY_POINTS(KESTROVA_DECLARE_ENTRY_POINT)
#undef KESTROVA_DECLARE_ENTRY_POINT

// True once every vertex-buffer entry point is loaded; without them models draw from client-side arrays.
extern bool VertexBuffersAvailable;
// True once both program extensions are present and every shader-object entry point is loaded.
extern bool ShadersAvailable;
// True once GL_ARB_framebuffer_object's entry points are loaded (off-screen targets).
extern bool FramebuffersAvailable;
// True once GL_ARB_occlusion_query's entry points are loaded.
extern bool OcclusionQueriesAvailable;

} // namespace oglext

// Reads the extension string of the current context and fetches what it offers (start-up "Init GL Ext").
void LoadGLExtensions();
