// The two matrix stacks and the calls that build the camera's and the objects' transforms.
#include <GL/glu.h>

#include <cmath>

#include "web/gl/gl_state.h"
#include "web/gl/lists.h"
#include "web/gl/refuse.h"

namespace {

constexpr Matrix identity = {{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};

Matrix& current()
{
    return gl.projectionMode ? gl.projection[gl.projectionTop] : gl.modelview[gl.modelviewTop];
}

void changed()
{
    if (gl.projectionMode)
        ++gl.projectionVersion;
}

Matrix product(const Matrix& a, const Matrix& b)
{
    Matrix r;
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 4; ++row) {
            float sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += a.m[k * 4 + row] * b.m[column * 4 + k];
            r.m[column * 4 + row] = sum;
        }
    return r;
}

// OpenGL post-multiplies: the new transform applies to vertices first.
void multiplyCurrent(const char* call, const Matrix& by)
{
    if (refusedInList(call))
        return;
    current() = product(current(), by);
    changed();
}

}  // namespace

const Matrix& currentModelview()
{
    return gl.modelview[gl.modelviewTop];
}

const Matrix& currentProjection()
{
    return gl.projection[gl.projectionTop];
}

void transform(const Matrix& matrix, const float in[4], float out[4])
{
    for (int row = 0; row < 4; ++row) {
        float sum = 0;
        for (int k = 0; k < 4; ++k)
            sum += matrix.m[k * 4 + row] * in[k];
        out[row] = sum;
    }
}

extern "C" {

void glMatrixMode(GLenum mode)
{
    if (refusedInList(__func__))
        return;
    if (mode != GL_MODELVIEW && mode != GL_PROJECTION)
        return refuse(__func__, "mode 0x%04x is not done", mode);
    gl.projectionMode = mode == GL_PROJECTION;
}

void glLoadIdentity()
{
    if (refusedInList(__func__))
        return;
    current() = identity;
    changed();
}

// A push past the stack's depth, or a pop of its last matrix, is an error that OpenGL
// ignores and that leaves the game's matrices wrong from then on.
void glPushMatrix()
{
    int& top = gl.projectionMode ? gl.projectionTop : gl.modelviewTop;
    const int depth = gl.projectionMode ? projectionDepth : modelviewDepth;
    if (refusedInList(__func__))
        return;
    if (top + 1 >= depth)
        return refuse(__func__, "more than %d matrices on the stack", depth);
    Matrix* stack = gl.projectionMode ? gl.projection : gl.modelview;
    stack[top + 1] = stack[top];
    ++top;
}

void glPopMatrix()
{
    int& top = gl.projectionMode ? gl.projectionTop : gl.modelviewTop;
    if (refusedInList(__func__))
        return;
    if (top == 0)
        return refuse(__func__, "a pop of the stack's last matrix");
    --top;
    changed();
}

void glFrustum(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top, GLdouble zNear,
               GLdouble zFar)
{
    Matrix f = {};
    f.m[0] = float(2 * zNear / (right - left));
    f.m[5] = float(2 * zNear / (top - bottom));
    f.m[8] = float((right + left) / (right - left));
    f.m[9] = float((top + bottom) / (top - bottom));
    f.m[10] = float(-(zFar + zNear) / (zFar - zNear));
    f.m[11] = -1;
    f.m[14] = float(-2 * zFar * zNear / (zFar - zNear));
    multiplyCurrent(__func__, f);
}

void gluOrtho2D(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top)
{
    Matrix o = identity;
    o.m[0] = float(2 / (right - left));
    o.m[5] = float(2 / (top - bottom));
    o.m[10] = -1;
    o.m[12] = float(-(right + left) / (right - left));
    o.m[13] = float(-(top + bottom) / (top - bottom));
    multiplyCurrent(__func__, o);
}

void glTranslatef(GLfloat x, GLfloat y, GLfloat z)
{
    Matrix t = identity;
    t.m[12] = x;
    t.m[13] = y;
    t.m[14] = z;
    multiplyCurrent(__func__, t);
}

// The rotation of the OpenGL reference pages, about the axis made unit length.
void glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z)
{
    const double length = std::sqrt(double(x) * x + double(y) * y + double(z) * z);
    if (length == 0)
        return;
    const double radians = angle * 3.14159265358979323846 / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double ax = x / length;
    const double ay = y / length;
    const double az = z / length;
    Matrix r = identity;
    r.m[0] = float(ax * ax * (1 - c) + c);
    r.m[1] = float(ay * ax * (1 - c) + az * s);
    r.m[2] = float(ax * az * (1 - c) - ay * s);
    r.m[4] = float(ax * ay * (1 - c) - az * s);
    r.m[5] = float(ay * ay * (1 - c) + c);
    r.m[6] = float(ay * az * (1 - c) + ax * s);
    r.m[8] = float(ax * az * (1 - c) + ay * s);
    r.m[9] = float(ay * az * (1 - c) - ax * s);
    r.m[10] = float(az * az * (1 - c) + c);
    multiplyCurrent(__func__, r);
}

}  // extern "C"
