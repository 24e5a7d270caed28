#include "render/view_transform.h"

#include <cmath>

namespace {

constexpr double degree = 3.14159265358979323846 / 180.0;

// Turns v by the given degrees about a unit axis, counter-clockwise seen from its tip.
void rotateAbout(const TransformStep& axis, double degrees, double v[3])
{
    const double k[3] = {axis.x, axis.y, axis.z};
    const double c = std::cos(degrees * degree);
    const double s = std::sin(degrees * degree);
    const double along = (k[0] * v[0] + k[1] * v[1] + k[2] * v[2]) * (1 - c);
    const double cross[3] = {k[1] * v[2] - k[2] * v[1], k[2] * v[0] - k[0] * v[2],
                             k[0] * v[1] - k[1] * v[0]};
    for (int a = 0; a < 3; ++a)
        v[a] = v[a] * c + cross[a] * s + k[a] * along;
}

}  // namespace

WorldTransform worldTransform(float cameraPitch, float cameraYaw)
{
    return {{
        {false, 0, 0, 0, -cameraDistance},
        {true, cameraPitch, 1, 0, 0},
        {true, cameraYaw, 0, 1, 0},
    }};
}

// The transform's inverse undoes its steps in call order, each one backwards.
void eyePosition(const WorldTransform& t, double eye[3])
{
    eye[0] = eye[1] = eye[2] = 0;
    for (const TransformStep& step : t.steps) {
        if (step.rotation) {
            rotateAbout(step, -step.degrees, eye);
        } else {
            eye[0] -= step.x;
            eye[1] -= step.y;
            eye[2] -= step.z;
        }
    }
}
