// The camera's world transform, described once: the scene applies it through GL, and the
// brick batch takes the eye back through it to see which faces can face the eye.
// No GL here.
#pragma once

constexpr float cameraDistance = 40.0f;  // world units from the eye to the field's centre

// One GL transform call: a translation by (x, y, z), or a rotation by degrees about (x, y, z).
struct TransformStep {
    bool rotation;
    float degrees;
    float x, y, z;
};

constexpr int worldTransformLength = 3;

struct WorldTransform {
    TransformStep steps[worldTransformLength];  // in GL call order
};

// Back from the eye, then the pitch about x, then the yaw about y: a world point is turned
// by the yaw first, then by the pitch, then pushed in front of the eye.
WorldTransform worldTransform(float cameraPitch, float cameraYaw);

// The eye in world units: the origin of eye space taken back through the transform.
void eyePosition(const WorldTransform& t, double eye[3]);
