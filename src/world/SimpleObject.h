// A static scene object of a track block: a model at a place and heading, with an optional
// contact radius and a stencil shadow built the first time it is needed.
#pragma once

#include <string>

#include "resources/Vector.h"
#include "world/ShadowVolume.h"

class THSAModel;
struct TAnimation;

// What an OBJECT_SIMPLE entity says about its object.
struct TObjectDescription {
    int layer = 0;     // 0 drawn with the road, 1 over the cars, 2 after the effects
    TVector4 angles;   // radians; only z (heading about the vertical) is drawn
    TVector4 position; // world units, relative to the block
    int bornAnimation = 0;
    int deadAnimation = 0;
    int idleAnimation = 0;
    int idleDeadAnimation = 0;
    int health = 0;
    int firstBornDelay = 0;
    int bornDelay = 0;
    int deadDelay = 0;
    bool castsShadow = true;
};

class TSimpleObject {
public:
    // Loads "Data\Objects\" + modelName + ".hsa" through the model library and reads the
    // contact radius from the loose file "Data\Objects\" + modelName + ".col" when it exists.
    TSimpleObject(const std::string& modelName, const TObjectDescription& description);
    TSimpleObject(const TSimpleObject&) = delete;
    TSimpleObject& operator=(const TSimpleObject&) = delete;

    // The model, or with `shadow` its shadow volume into the stencil buffer.
    void Render(bool shadow);

    float Radius() const { return radius_; }
    const TObjectDescription& Description() const { return description_; }
    const TVector4& Position() const { return description_.position; }
    int Layer() const { return description_.layer; }
    THSAModel* Model() const { return model_; }
    // Null when the model has no such animation.
    const TAnimation* IdleDeadAnimation() const { return idleDeadAnimation_; }
    const TShadowVolume& ShadowVolume() const { return shadowVolume_; }

private:
    void ComputeShadow();

    float radius_ = 0;
    TObjectDescription description_;
    THSAModel* model_ = nullptr;
    const TAnimation* idleDeadAnimation_ = nullptr;
    TShadowVolume shadowVolume_;
    bool shadowComputed_ = false;
};
