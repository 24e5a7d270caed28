#include <gtest/gtest.h>

#include <cmath>

#include "fixtures.h"
#include "game/tick.h"

namespace {

// The player's tank alone on an empty field, ordered to move.
GameState playerMoving(float x, float y, int32_t dir)
{
    GameState g = emptyField();
    g.player.x = x;
    g.player.y = y;
    g.player.moveDir = dir;
    return g;
}

}  // namespace

TEST(CellIndex, TruncatesTowardZero)
{
    EXPECT_EQ(cellIndex(-4.0f, 13.0), 18);
    EXPECT_EQ(cellIndex(-12.0f, 14.1), 4);
    EXPECT_EQ(cellIndex(-12.6f, 12.45), 0);  // -0.3 cells is row 0, never -1
    EXPECT_EQ(cellIndex(-13.0f, 13.0), 0);
    EXPECT_EQ(cellIndex(0.5f, 13.0), 27);   // a boundary belongs to the cell above it
    EXPECT_EQ(cellIndex(12.0f, 14.1), 52);  // one past the grid; reads as empty
}

// Far off the grid the index stops one cell outside it, where everything reads as empty,
// rather than overflowing the conversion to int.
TEST(CellIndex, StopsOneCellOutsideTheGrid)
{
    EXPECT_EQ(cellIndex(-1.5f, -12.0), -1);
    EXPECT_EQ(cellIndex(-3e9f, 13.0), -1);
    EXPECT_EQ(cellIndex(3e9f, 13.0), gridCells);
    GameState g = emptyField();
    g.bricks.cells[0][0] = 1;
    g.bricks.cells[gridCells - 1][gridCells - 1] = 1;
    EXPECT_FALSE(brickAt(g.bricks, cellIndex(-3e9f, 13.0), 0));
    EXPECT_FALSE(brickAt(g.bricks, cellIndex(3e9f, 13.0), gridCells - 1));
}

TEST(StepTank, StepsOncePastTheBoundAndNoFurther)
{
    GameState g = playerMoving(-4.0f, -12.0f, moveDown);
    advanceWorld(g);
    EXPECT_EQ(g.player.y, -12.1f);
    advanceWorld(g);
    EXPECT_EQ(g.player.y, -12.1f);

    g = playerMoving(-12.0f, 0.0f, moveLeft);
    advanceWorld(g);
    advanceWorld(g);
    EXPECT_EQ(g.player.x, -12.1f);

    g = playerMoving(11.95f, 0.0f, moveRight);  // look-ahead index 52 reads as empty
    for (int n = 0; n < 5; ++n)
        advanceWorld(g);
    EXPECT_EQ(g.player.x, float(double(11.95f) + 0.1));
}

TEST(StepTank, BlockedByTheOutermostCellButNotTheOneBeyond)
{
    GameState g = playerMoving(-4.0f, -12.0f, moveUp);
    g.bricks.cells[16][4] = 1;  // i - 2 of the four cells ahead
    advanceWorld(g);
    EXPECT_EQ(g.player.y, -12.0f);

    g = playerMoving(-4.0f, -12.0f, moveUp);
    g.bricks.cells[20][4] = 1;  // i + 2: beside the tank's path
    advanceWorld(g);
    EXPECT_EQ(g.player.y, -11.9f);
}

TEST(StepTank, AllOrNothingAgainstAnotherTank)
{
    GameState g = playerMoving(0.0f, 0.0f, moveUp);
    placeEnemy(g, 0, 0.0f, 2.05f);
    advanceWorld(g);
    EXPECT_EQ(g.player.y, 0.0f);  // 0.1 would overlap; no shorter step is taken
    g.enemies[0].y = 2.2f;
    advanceWorld(g);
    EXPECT_EQ(g.player.y, 0.1f);
}

TEST(StepTank, DrivesOverTheBaseAndEnemiesFollowTheirOrders)
{
    GameState g = playerMoving(-2.0f, -12.0f, moveRight);
    for (int n = 0; n < 20; ++n)
        advanceWorld(g);
    EXPECT_NEAR(g.player.x, 0.0f, 1e-5);

    EnemyTank& moving = placeEnemy(g, 1, 5.0f, 5.0f);
    moving.moveDir = moveLeft;
    placeEnemy(g, 2, -5.0f, 5.0f);  // moveDir 0: stands
    EnemyTank& dead = g.enemies[3];
    dead.moveDir = moveUp;
    advanceWorld(g);
    EXPECT_EQ(g.enemies[1].x, 4.9f);
    EXPECT_EQ(g.enemies[2].x, -5.0f);
    EXPECT_EQ(dead.y, 12.0f);
}

TEST(StepShell, RangeEndsAtExactly12Point7)
{
    GameState g = emptyField();
    placeShell(g.player, 0, 0.0f, 12.7f);
    placeShell(g.player, 1, 0.0f, 12.69f);
    advanceWorld(g);
    EXPECT_EQ(g.player.shells.active[0], 0);
    EXPECT_EQ(g.player.shells.pos[0][1], 12.7f);  // not moved
    EXPECT_EQ(g.player.shells.active[1], 1);

    // Fired up from y = 12 it reads row 51 twice, reaches 12.7f, then ends.
    g = emptyField();
    g.bricks.cells[0][51] = 1;  // far away, just so row 51 holds something
    placeShell(g.player, 0, 0.0f, 12.2f);
    advanceWorld(g);
    advanceWorld(g);
    EXPECT_EQ(g.player.shells.pos[0][1], 12.7f);
    EXPECT_EQ(g.player.shells.active[0], 1);
    advanceWorld(g);
    EXPECT_EQ(g.player.shells.active[0], 0);
    EXPECT_EQ(g.bricks.cells[0][51], 1);
}

TEST(StepShell, ClearsAStripOfFourAndStops)
{
    GameState g = emptyField();
    g.bricks.cells[26][27] = 1;
    for (int i = 22; i <= 29; ++i)
        g.bricks.cells[i][28] = 1;
    placeShell(g.player, 0, 0.0f, 0.2f);
    advanceWorld(g);
    EXPECT_EQ(g.player.shells.active[0], 0);
    EXPECT_EQ(g.player.shells.pos[0][1], 0.2f);
    EXPECT_EQ(brickCount(g), 8);  // only row 27 was touched
    // Sideways: a shell flying left along y = 0 clears column i, rows j-2..j+1.
    g = emptyField();
    for (int j = 22; j <= 29; ++j)
        g.bricks.cells[9][j] = 1;
    placeShell(g.player, 1, -7.5f, 0.0f, -0.25f, 0.0f);
    advanceWorld(g);
    EXPECT_EQ(g.player.shells.active[1], 0);
    for (int j = 22; j <= 29; ++j)
        EXPECT_EQ(g.bricks.cells[9][j], (j >= 24 && j <= 27) ? 0 : 1) << j;
}

TEST(StepShell, EdgesOfTheGridStayInside)
{
    // Down and left near -12.7 read row and column 0; strips at the edges clip.
    GameState g = emptyField();
    g.bricks.cells[0][0] = 1;
    g.bricks.cells[1][0] = 1;
    placeShell(g.player, 0, -12.0f, -12.6f, 0.0f, -0.25f);
    placeShell(g.enemies[5], 1, -12.6f, -12.0f, -0.25f, 0.0f);
    advanceWorld(g);
    EXPECT_EQ(g.player.shells.active[0], 0);
    EXPECT_EQ(g.bricks.cells[0][0], 0);
    EXPECT_EQ(g.bricks.cells[1][0], 0);
    EXPECT_EQ(g.enemies[5].shells.active[1], 1);  // its cells were already clear

    // Up and right at 12.45: the look-ahead rounds to cell 51 or past it, never out.
    g = emptyField();
    g.bricks.cells[51][50] = 1;
    g.bricks.cells[51][51] = 1;
    placeShell(g.player, 0, 12.45f, 12.0f, 0.25f, 0.0f);
    placeShell(g.player, 1, 12.0f, 12.45f, 0.0f, 0.25f);
    advanceWorld(g);
    EXPECT_EQ(brickCount(g), 0);
}

TEST(Tick, OrderOfPlayerShellsBeforeEnemies)
{
    // The player's shell breaks the brick before the enemy behind it moves.
    GameState g = emptyField();
    g.bricks.cells[25][27] = 1;
    placeShell(g.player, 0, 0.0f, 0.2f);
    EnemyTank& e = placeEnemy(g, 0, 0.0f, 2.0f);
    e.moveDir = moveDown;
    advanceWorld(g);
    EXPECT_EQ(g.enemies[0].y, 1.9f);

    // The player's shell is tested against where enemies stood before their step.
    g = emptyField();
    EnemyTank& target = placeEnemy(g, 0, 0.0f, 5.5f);
    target.moveDir = moveDown;
    placeShell(g.player, 0, 0.0f, 3.95f);
    advanceWorld(g);  // shell at 4.2, enemy still at 5.5 when tested: 1.3 apart
    EXPECT_EQ(g.enemies[0].alive, 0);
}
