// Scene objects: model, contact radius, lazily built shadow.
#include "world/SimpleObject.h"

#include <GL/gl.h>

#include <cmath>

#include "platform/FileSystem.h"
#include "resources/DataPath.h"
#include "resources/Matrix.h"
#include "resources/ModelLib.h"
#include "world/Lights.h"
#include "world/TextConvert.h"

namespace {

constexpr float kDegreesPerRadian = 180 / static_cast<float>(M_PI);

// The first line of a ".col" file; 0 when there is no such file on disk.
float ReadRadius(const std::string& path) {
    const std::string file = platform::ResolveFile(path);
    std::string bytes;
    if (file.empty() || !platform::ReadWholeFile(file, bytes)) return 0;
    const std::string line = bytes.substr(0, bytes.find_first_of("\r\n"));
    return StrToFloat(line);
}

} // namespace

TSimpleObject::TSimpleObject(const std::string& modelName, const TObjectDescription& description)
    : description_(description) {
    const std::string base = DataPath("Data\\Objects\\" + modelName);
    model_ = ModelLib->Load(base + ".hsa", false);
    for (const TSMDTextureGroup& group : model_->CurrentActor().textureGroups)
        shadowVolume_.AddMesh(group.vertices.data(), sizeof(TMeshVertex), group.VertexCount());
    radius_ = ReadRadius(base + ".col");
    idleDeadAnimation_ = model_->Animation(description_.idleDeadAnimation);
}

void TSimpleObject::Render(bool shadow) {
    glPushMatrix();
    glTranslatef(description_.position.x, description_.position.y, description_.position.z);
    glRotatef(description_.angles.z * kDegreesPerRadian, 0, 0, 1);
    // A third to a half of the blocks' objects and shadows lie outside the view: the renderer would
    // transform and clip them for no pixel.
    if (shadow) {
        if (description_.castsShadow) {
            if (!shadowComputed_) ComputeShadow();
            if (!OutsideCurrentView(shadowVolume_.Box())) shadowVolume_.Draw();
        }
    } else if (!OutsideCurrentView(model_->Box())) {
        model_->Draw();
    }
    glPopMatrix();
}

void TSimpleObject::ComputeShadow() {
    // The light in the object's own frame: turned back by the object's heading.
    const TVector4 light = LightsControl ? LightsControl->GlobalLightPosition() : TVector4{0, 0, 1, 0};
    const TVector4 local = TransformVector(RotationMatrix({0, 0, -description_.angles.z, 0}), light);
    // The block's ground (z = 0) in the object's frame, which only turns about z.
    shadowVolume_.Build(local, -description_.position.z);
    shadowComputed_ = true;
}
