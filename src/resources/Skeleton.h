// Node matrices, bone-space vertices, posing (CPU skinning) and extra node transforms.
#pragma once

#include "resources/SMD.h"

// Local matrix of `node` from its stored position and rotation, then its world matrix: a root
// takes the bind pose's root local matrix (root motion is discarded); any other node is its
// parent's world times its local. Parents come first, so theirs are already current.
void UpdateNodeMatrices(const TActor& actor, TFrame& frame, int node);

// Moves every vertex into the space of its node in bind-pose frame 0.
void PrepareSkinning(TActor& actor);

// Makes `animation` the actor's current one and skins vertices and hit boxes with frame
// `frameIndex`. A frame outside the animation raises an error.
void Pose(TActor& actor, const TAnimation& animation, int frameIndex);

// Adds the transform (position, rotation) to `node` in that frame and carries it to the nodes
// after it; the stored positions and rotations stay as read.
void ApplyNodeTransform(const TActor& actor, TAnimation& animation, int frameIndex, const TVector4& position,
                        const TVector4& rotation, int node);
