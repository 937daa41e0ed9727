// Drawing pieces shared by the gameplay renders.
#include "gameplay/DrawHelpers.h"

#include <GL/gl.h>

#include "gameplay/Aim.h"
#include "resources/HSAModel.h"
#include "resources/TextureLib.h"

void DrawModelAt(const THSAModel& model, const TVector4& position, float heading, float scale) {
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    glRotatef(heading * kDegreesPerRadian, 0, 0, 1);
    if (scale != 1) glScalef(scale, scale, scale);
    model.Draw();
    glPopMatrix();
}

void DrawFlatQuad(int texture, const TVector4& position, float angle, float x1, float y1, float x2,
                  float y2) {
    if (TextureLib) TextureLib->Bind(texture);
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    glRotatef(angle * kDegreesPerRadian, 0, 0, 1);
    glBegin(GL_QUADS);
    glNormal3f(0, 0, 1);
    glTexCoord2f(0, 1);
    glVertex3f(x1, y1, 0);
    glTexCoord2f(1, 1);
    glVertex3f(x2, y1, 0);
    glTexCoord2f(1, 0);
    glVertex3f(x2, y2, 0);
    glTexCoord2f(0, 0);
    glVertex3f(x1, y2, 0);
    glEnd();
    glPopMatrix();
}
