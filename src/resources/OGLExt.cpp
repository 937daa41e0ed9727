// Fetches the ARB entry points through the platform, by the names the extensions give them.
#include "resources/OGLExt.h"

#include <string>

#include "platform/Platform.h"
#include "core/TextCase.h"

namespace oglext {

#define KESTROVA_DEFINE_ENTRY_POINT(type, name) type name = nullptr;
KESTROVA_VBO_ENTRY_POINTS(KESTROVA_DEFINE_ENTRY_POINT)
KESTROVA_SHADER_ENTRY_POINTS(KESTROVA_DEFINE_ENTRY_POINT)
KESTROVA_MULTITEXTURE_ENTRY_POINTS(KESTROVA_DEFINE_ENTRY_POINT)
KESTROVA_FRAMEBUFFER_ENTRY_POINTS(KESTROVA_DEFINE_ENTRY_POINT)
KESTROVA_QUERY_ENTRY_POINTS(KESTROVA_DEFINE_ENTRY_POINT)
KESTROVA_STENCIL_ENTRY_POINTS(KESTROVA_DEFINE_ENTRY_POINT)
#undef KESTROVA_DEFINE_ENTRY_POINT

bool VertexBuffersAvailable = false;
bool ShadersAvailable = false;
bool FramebuffersAvailable = false;
bool OcclusionQueriesAvailable = false;

} // namespace oglext

namespace {

// Stores the entry point and tells whether the platform had one.
template <typename T> bool Fetch(T& pointer, const char* name) {
    pointer = reinterpret_cast<T>(platform::GetProcAddress(name));
    return pointer != nullptr;
}

} // namespace

void LoadGLExtensions() {
    const char* text = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
    const std::string extensions = UpperCase(text ? text : "");
    const auto has = [&](const char* name) { return extensions.find(name) != std::string::npos; };

#define KESTROVA_FETCH_ENTRY_POINT(type, name) loaded = Fetch(oglext::name, #name) && loaded;
    bool loaded = true;
    if (has("GL_ARB_VERTEX_BUFFER_OBJECT")) {
        KESTROVA_VBO_ENTRY_POINTS(KESTROVA_FETCH_ENTRY_POINT)
        oglext::VertexBuffersAvailable = loaded;
    }
    loaded = true;
    if (has("GL_ARB_VERTEX_PROGRAM") && has("GL_ARB_FRAGMENT_PROGRAM")) {
        KESTROVA_SHADER_ENTRY_POINTS(KESTROVA_FETCH_ENTRY_POINT)
        oglext::ShadersAvailable = loaded;
    }
    KESTROVA_MULTITEXTURE_ENTRY_POINTS(KESTROVA_FETCH_ENTRY_POINT)
    loaded = true;
    if (has("GL_ARB_FRAMEBUFFER_OBJECT")) {
        KESTROVA_FRAMEBUFFER_ENTRY_POINTS(KESTROVA_FETCH_ENTRY_POINT)
        oglext::FramebuffersAvailable = loaded;
    }
    loaded = true;
    if (has("GL_ARB_OCCLUSION_QUERY")) {
        KESTROVA_QUERY_ENTRY_POINTS(KESTROVA_FETCH_ENTRY_POINT)
        oglext::OcclusionQueriesAvailable = loaded;
    }
    // Core since 2.0: one pass for both faces of a shadow volume.
    const char* version = reinterpret_cast<const char*>(glGetString(GL_VERSION));
    if (version && version[0] >= '2') {
        KESTROVA_STENCIL_ENTRY_POINTS(KESTROVA_FETCH_ENTRY_POINT)
    }
#undef KESTROVA_FETCH_ENTRY_POINT
}
