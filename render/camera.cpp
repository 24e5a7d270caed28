// The projection that follows the window, the mouse orbit and the view toggles.
#include <GL/gl.h>

#include "render/scene.h"

namespace {

// The frustum's vertical half-extent at the near plane; the horizontal one is this times
// the window's aspect, so the window's height decides what is seen.
constexpr double frustumHalfHeight = 1.0;
constexpr double nearPlane = 2.5;  // world units from the eye
constexpr double farPlane = 75.0;  // beyond the whole field from any orbit

}  // namespace

void onReshape(int width, int height)
{
    glViewport(0, 0, width, height);
    {
        std::lock_guard<std::mutex> lock(gameMutex);
        gameState.windowHeight = height;
        gameState.windowWidth = width;
    }
    // An empty window has no aspect ratio; the last projection stands until a real size comes.
    if (width <= 0 || height <= 0)
        return;
    // The vertical extent is fixed; the horizontal one follows the window's shape.
    const double aspect = double(width) / double(height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glFrustum(-aspect * frustumHalfHeight, aspect * frustumHalfHeight, -frustumHalfHeight,
              frustumHalfHeight, nearPlane, farPlane);
    glMatrixMode(GL_MODELVIEW);
}

// Only a left press moves the anchor; a drag with any button turns from the last position.
void onMouseButton(int button, int state, int x, int y)
{
    if (button != 0 || state != 0)  // GLUT_LEFT_BUTTON, GLUT_DOWN
        return;
    std::lock_guard<std::mutex> lock(gameMutex);
    gameState.mouseLastX = x;
    gameState.mouseLastY = y;
}

// Half a turn per window width of drag, and per window height.
void onMouseDrag(int x, int y)
{
    std::lock_guard<std::mutex> lock(gameMutex);
    GameState& g = gameState;
    const int dx = x - g.mouseLastX;
    g.mouseLastX = x;
    const int dy = y - g.mouseLastY;
    g.mouseLastY = y;
    // An empty window has no size to measure the drag against.
    const double yaw = g.windowWidth > 0 ? 180.0 * dx / g.windowWidth : 0.0;
    const double pitch = g.windowHeight > 0 ? 180.0 * dy / g.windowHeight : 0.0;
    turnCamera(g, yaw, pitch);
}

// In double, rounded once as stored; the angles are not wrapped.
void turnCamera(GameState& g, double yawDegrees, double pitchDegrees)
{
    g.cameraYaw = float(g.cameraYaw + yawDegrees);
    g.cameraPitch = float(g.cameraPitch + pitchDegrees);
}

void applyLighting(bool on)
{
    if (on)
        glEnable(GL_LIGHTING);
    else
        glDisable(GL_LIGHTING);
}

void applyPolygonMode(bool filled)
{
    glPolygonMode(GL_FRONT_AND_BACK, filled ? GL_FILL : GL_LINE);
}
