// Rockets: the model along each rocket's course.
#include "gameplay/RocketControl.h"

#include "gameplay/DrawHelpers.h"
#include "resources/DataPath.h"
#include "resources/ModelLib.h"

void TRocketControl::LoadAssets() {
    model_ = ModelLib->Load(DataPath("Data\\Objects\\rocket.hsa"), false);
}

void TRocketControl::Render() const {
    if (!model_) return;
    for (const TRocket& rocket : rockets_)
        DrawModelAt(*model_, rocket.position, rocket.orientation.z);
}
