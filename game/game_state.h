// The one game-state record, shared by the thread that runs the ticks and keys and the
// enemy commander.
#pragma once

#include <cstdint>
#include <mutex>

#include "game/events.h"

constexpr int fieldHalfWidth = 13;  // the field runs from -13 to +13 world units on both axes
constexpr double cellSize = 0.5;    // world units per brick cell
constexpr int gridCells = 52;       // brick cells per side
static_assert(gridCells * cellSize == 2 * fieldHalfWidth, "the bricks tile the field");
// The outermost lane a tank's centre reaches: a tank reaches one unit either side of it.
constexpr float edgeLane = 12.0f;
constexpr int enemySlots = 20;  // enemies per game, one slot each
constexpr int shellsPerTank = 2;

// Movement orders of a tank.
enum MoveDir : int32_t {
    moveNone = 0,
    moveUp = 1,     // +y, heading 0
    moveDown = 2,   // -y, heading 180
    moveLeft = 3,   // -x, heading 90
    moveRight = 4,  // +x, heading 270
};

// Cell (i, j) covers x from -fieldHalfWidth + i * cellSize over one cellSize, y likewise by j.
struct BrickGrid {
    uint8_t cells[gridCells][gridCells];  // [i along x][j along y]; 0 = empty, 1 = brick
};

// A tank's two shells as parallel arrays: shell k is index k of every array.
struct Shells {
    uint8_t active[shellsPerTank];   // 1 while in flight
    int32_t heading[shellsPerTank];  // degrees, for drawing only
    float pos[shellsPerTank][2];     // x, y in world units
    float vel[shellsPerTank][2];     // dx, dy in world units per tick
};

struct Tank {
    float x, y;       // centre, world units
    int32_t moveDir;  // a MoveDir code
    int32_t heading;  // 0, 90, 180 or 270 degrees, counter-clockwise from +y
    Shells shells;
};

using PlayerTank = Tank;

struct EnemyTank : Tank {
    uint8_t alive;  // 1 while a living enemy occupies the slot
};

struct BasePosition {
    float x, y;  // centre, world units
};

struct GameState {
    // player
    uint8_t playerDead;  // destroyed, awaiting respawn
    int8_t livesLeft;    // spare lives, the tank on the field not counted
    PlayerTank player;

    // base
    BasePosition base;
    uint8_t baseDestroyed;

    // enemies
    EnemyTank enemies[enemySlots];
    int8_t enemiesReleased;  // enemies that have entered this game, 0 to 20
    int8_t enemiesOnField;   // living enemies, 0 to 4

    // field
    BrickGrid bricks;

    // game
    uint8_t gameOver;   // shown by the overlay; the world keeps running
    uint8_t paused;     // no ticks run until the player goes on
    GameEvents events;  // since the shell last took them

    // view
    float cameraPitch;                  // degrees about x
    float cameraYaw;                    // degrees about y
    int32_t mouseLastX, mouseLastY;     // window pixels
    int32_t windowWidth, windowHeight;  // pixels, 0 until the first reshape
    uint8_t filledPolygons = 1;         // else outlines
    uint8_t lightingOn = 1;
    int32_t gridList, tankList, shellList, brickList, baseList;  // display-list names
};

// The live game. Every access from either thread holds gameMutex, which is never destroyed:
// the process may end while a thread holds it or waits for it.
extern GameState gameState;
extern std::mutex& gameMutex;

// Rounds to the nearest whole number, halves away from zero.
float snapToCell(float v);

// The unit direction a heading faces; (0, 0) for a heading that never occurs.
void headingDirection(int32_t heading, int& ux, int& uy);

bool brickAt(const BrickGrid& grid, int i, int j);  // false outside the grid
void clearBrick(BrickGrid& grid, int i, int j);     // ignores cells outside the grid
