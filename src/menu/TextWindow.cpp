// Picture panels.
#include "menu/TextWindow.h"

#include <GL/gl.h>

#include "resources/Out2D.h"

void TTextWindow::Draw() const {
    Out2D->DrawTexturedQuad(texture_, rect_.x1, rect_.y1, rect_.x2, rect_.y2, 0, 0.615234375f, 0.810546875f,
                            0);
    glColor4f(1, 1, 1, 1);
}
