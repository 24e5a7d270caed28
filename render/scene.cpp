#include "render/scene.h"

#include <GL/glut.h>

#include <cstddef>

#include "game/level.h"
#include "render/brick_batch.h"
#include "render/colors.h"
#include "render/models.h"
#include "render/overlay.h"
#include "render/view_transform.h"

namespace {

void setUpLight(GLenum light, const float* position)
{
    glLightfv(light, GL_AMBIENT, lightAmbient);
    glLightfv(light, GL_SPECULAR, lightSpecular);
    glLightfv(light, GL_DIFFUSE, lightDiffuse);
    glLightfv(light, GL_POSITION, position);
}

void compileModel(int32_t GameState::*listName, void (*build)())
{
    const GLuint name = glGenLists(1);
    {
        std::lock_guard<std::mutex> lock(gameMutex);
        gameState.*listName = int32_t(name);
    }
    glNewList(name, GL_COMPILE);
    build();
    glEndList();
}

void setDiffuse(const float* color)
{
    glMaterialfv(GL_FRONT, GL_DIFFUSE, color);
}

void drawPlaced(int32_t list, float x, float y)
{
    glPushMatrix();
    glTranslatef(x, y, 0);
    glCallList(GLuint(list));
    glPopMatrix();
}

// Models face +y; a heading turns them counter-clockwise about z.
void drawTurned(int32_t list, float x, float y, int32_t heading)
{
    glPushMatrix();
    glTranslatef(x, y, 0);
    glRotatef(float(heading), 0, 0, 1);
    glCallList(GLuint(list));
    glPopMatrix();
}

// Shells set no colour: each takes the diffuse colour current when it is drawn.
void drawShells(const Shells& shells, int32_t shellList)
{
    for (int k = 0; k < shellsPerTank; ++k)
        if (shells.active[k])
            drawTurned(shellList, shells.pos[k][0], shells.pos[k][1], shells.heading[k]);
}

// The walls are closed, so the faces turned away from the eye lie behind their other
// faces: culling them spares the rasterizer and changes no pixel.
void drawBatchRange(const BrickBatch& batch, VertexRange range)
{
    if (range.count == 0)
        return;
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, batch.vertices);
    glNormalPointer(GL_FLOAT, 0, batch.normals);
    glEnable(GL_CULL_FACE);
    const ptrdiff_t firstIndex = ptrdiff_t(range.first / vertsPerFace) * indicesPerFace;
    glDrawElements(GL_TRIANGLES, range.count / vertsPerFace * indicesPerFace, GL_UNSIGNED_SHORT,
                   brickFaceIndices() + firstIndex);
    glDisable(GL_CULL_FACE);
    glDisableClientState(GL_NORMAL_ARRAY);
    // A brick's list leaves its last face's normal current, and the next frame's floor
    // grid is lit with whatever normal is current.
    glNormal3fv(boxFaceNormals[faceMinusX]);
}

}  // namespace

void initScene()
{
    glClearColor(1, 1, 1, 0);
    glEnable(GL_DEPTH_TEST);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
    // Set while the modelview is the identity, so the lights stay fixed to the viewer.
    setUpLight(GL_LIGHT0, light0Position);
    setUpLight(GL_LIGHT1, light1Position);
    // Only the diffuse colour changes between models; nothing else touches the material.
    glMaterialfv(GL_FRONT, GL_SPECULAR, materialSpecular);
    glMaterialfv(GL_FRONT, GL_SHININESS, &shininess);

    compileModel(&GameState::gridList, buildGridModel);
    compileModel(&GameState::tankList, buildTankModel);
    compileModel(&GameState::shellList, buildShellModel);
    compileModel(&GameState::brickList, buildBrickModel);
    compileModel(&GameState::baseList, buildBaseModel);

    std::lock_guard<std::mutex> lock(gameMutex);
    setUpFirstGame(gameState);
}

void drawFrame()
{
    drawFrameWith(drawBricks);
}

// The commander writes gameState concurrently; a frame draws from a copy so no lock is held
// through the GL calls and the swap. Static, so a frame neither allocates nor puts a record
// of several kilobytes on the stack.
const GameState& takeFrameSnapshot()
{
    static GameState snapshot;
    std::lock_guard<std::mutex> lock(gameMutex);
    snapshot = gameState;
    return snapshot;
}

void drawFrameWith(BrickPass brickPass)
{
    renderFrame(takeFrameSnapshot(), brickPass);
    glutSwapBuffers();
}

void renderFrame(const GameState& g, BrickPass brickPass)
{
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawWorld(g, brickPass);
    drawHud(g);  // relies on the modelview being the identity again
}

void drawWorld(const GameState& g, BrickPass brickPass)
{
    glPushMatrix();
    for (const TransformStep& step : worldTransform(g.cameraPitch, g.cameraYaw).steps) {
        if (step.rotation)
            glRotatef(step.degrees, step.x, step.y, step.z);
        else
            glTranslatef(step.x, step.y, step.z);
    }

    setDiffuse(black);
    glCallList(GLuint(g.gridList));

    brickPass(g);
    // Every model is built of closed boxes wound outward, so a face turned away from the
    // eye lies behind the box's own front faces: culling it only spares the rasterizer.
    // Outlines show every edge, the hidden ones too.
    if (g.filledPolygons)
        glEnable(GL_CULL_FACE);
    drawPlayer(g);
    if (!g.baseDestroyed) {
        setDiffuse(baseColor);
        drawPlaced(g.baseList, g.base.x, g.base.y);
    }
    drawEnemies(g);
    glDisable(GL_CULL_FACE);
    glPopMatrix();
}

// Outlines show every edge of every brick, the hidden ones too, so they take the full pass.
void drawBricks(const GameState& g)
{
    if (!g.filledPolygons) {
        drawBrickCells(g);
        return;
    }
    // Only the GLUT thread draws, and it rebuilds only after a strike or a new game.
    static BrickBatch batch;
    refreshBrickBatch(g.bricks, batch);
    setDiffuse(brickColor);
    drawBatchRange(batch, visibleBrickFaces(batch, eyeHeight(g.cameraPitch, g.cameraYaw)));
}

void drawBrickCells(const GameState& g)
{
    setDiffuse(brickColor);
    for (int i = 0; i < gridCells; ++i)
        for (int j = 0; j < gridCells; ++j)
            if (g.bricks.cells[i][j])
                drawPlaced(g.brickList, brickCellOffset(i), brickCellOffset(j));
}

// A destroyed tank hides its shells too, whatever their flags say.
void drawPlayer(const GameState& g)
{
    if (g.playerDead)
        return;
    setDiffuse(playerColor);
    drawTurned(g.tankList, g.player.x, g.player.y, g.player.heading);
    setDiffuse(black);
    drawShells(g.player.shells, g.shellList);
}

// Shells outlive the tank that fired them, so they are drawn for dead slots as well.
void drawEnemies(const GameState& g)
{
    for (const EnemyTank& e : g.enemies) {
        if (e.alive) {
            setDiffuse(enemyColor);
            drawTurned(g.tankList, e.x, e.y, e.heading);
            setDiffuse(black);
        }
        drawShells(e.shells, g.shellList);
    }
}
