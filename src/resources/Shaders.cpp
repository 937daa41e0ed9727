// Compiling and linking the ARB shader objects, and switching the program on and off.
#include "resources/Shaders.h"

#include "core/Error.h"
#include "core/Log.h"
#include "resources/Extractor.h"
#include "resources/OGLExt.h"
#include "settings/Configure.h"

using namespace oglext;

TShaderObject* GreyShader = nullptr;

namespace {

// The game ships its shaders in the archive, so a source counts when either the loose
// file or the member exists.
bool SourceExists(const std::string& path) {
    if (path.empty()) return false;
    try {
        Extractor->FindFile(path);
        return true;
    } catch (const EGameError&) {
        return false;
    }
}

std::string InfoLog(GLhandleARB object) {
    GLint length = 0;
    glGetObjectParameterivARB(object, GL_OBJECT_INFO_LOG_LENGTH_ARB, &length);
    if (length < 2) return "";
    std::string log(length, '\0');
    GLsizei written = 0;
    glGetInfoLogARB(object, length, &written, log.data());
    log.resize(written);
    return log;
}

} // namespace

TShaderObject::TShaderObject(const std::string& vertexPath, const std::string& fragmentPath) {
    if (!ShadersAvailable || !Config->Shaders) return;
    const bool hasVertexShader = SourceExists(vertexPath);
    const bool hasFragmentShader = SourceExists(fragmentPath);
    program_ = glCreateProgramObjectARB();
    if (hasVertexShader) glAttachObjectARB(program_, Compile(vertexPath, GL_VERTEX_SHADER_ARB));
    if (hasFragmentShader) glAttachObjectARB(program_, Compile(fragmentPath, GL_FRAGMENT_SHADER_ARB));
    glLinkProgramARB(program_);
    GLint linked = 0;
    glGetObjectParameterivARB(program_, GL_OBJECT_LINK_STATUS_ARB, &linked);
    ready_ = linked == 1;
    if (!ready_)
        Log->Write("Shader program " + vertexPath + " + " + fragmentPath +
                   " failed to link: " + InfoLog(program_));
}

GLhandleARB TShaderObject::Compile(const std::string& path, GLenum type) {
    TTextFile file(path, *Extractor);
    std::string source;
    while (!file.EndOfFile())
        source += file.ReadLine() + "\r\n";
    const GLhandleARB shader = glCreateShaderObjectARB(type);
    const GLcharARB* text = source.c_str();
    const GLint length = static_cast<GLint>(source.size());
    glShaderSourceARB(shader, 1, &text, &length);
    glCompileShaderARB(shader);
    GLint status = 0;
    glGetObjectParameterivARB(shader, GL_OBJECT_COMPILE_STATUS_ARB, &status);
    if (status != 1) throw EGameError(path + " contains errors!\n" + InfoLog(shader));
    return shader;
}

bool TShaderObject::Usable() const {
    return ShadersAvailable && Config->Shaders && ready_;
}

bool TShaderObject::Enable() {
    if (!Usable()) return false;
    glUseProgramObjectARB(program_);
    return true;
}

void TShaderObject::Disable() {
    if (Usable()) glUseProgramObjectARB(0);
}
