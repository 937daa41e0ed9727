// One GLSL program built from a vertex and a fragment source file; the game's one
// instance draws the paused or finished stage in grey behind the menu.
#pragma once

#include <string>

#include <GL/gl.h>
#include <GL/glext.h>

class TShaderObject {
public:
    // Builds only when shaders are available and switched on in the settings. A stage whose
    // file is found nowhere is skipped; a source that does not compile raises
    // path + " contains errors!" + LF + the compiler's log; a program that does not link
    // is logged and left unready.
    TShaderObject(const std::string& vertexPath, const std::string& fragmentPath);

    // Makes the program current and returns true, or changes nothing and returns false.
    bool Enable();
    void Disable();
    bool Ready() const { return ready_; }

private:
    bool Usable() const;
    GLhandleARB Compile(const std::string& path, GLenum type);

    GLhandleARB program_ = 0;
    bool ready_ = false;
};

extern TShaderObject* GreyShader;
