// The game's fixed colours (RGBA), light parameters and material shininess.
#pragma once

inline constexpr float materialSpecular[4] = {0.5f, 0.5f, 0.5f, 1.0f};
inline constexpr float black[4] = {0.0f, 0.0f, 0.0f, 1.0f};  // grid, shells and the overlay's text
inline constexpr float brickColor[4] = {0.3f, 0.15f, 0.05f, 1.0f};
inline constexpr float playerColor[4] = {0.3f, 0.3f, 0.0f, 1.0f};
inline constexpr float baseColor[4] = {0.0f, 0.3f, 0.0f, 1.0f};
inline constexpr float enemyColor[4] = {0.0f, 0.2f, 0.3f, 1.0f};

inline constexpr float lightAmbient[4] = {0.5f, 0.5f, 0.5f, 1.0f};
inline constexpr float lightSpecular[4] = {1.0f, 1.0f, 1.0f, 1.0f};
inline constexpr float lightDiffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
// w = 1: positional lights, given in eye coordinates so they stay put while the camera orbits.
inline constexpr float light0Position[4] = {-20.0f, 0.0f, 5.0f, 1.0f};
inline constexpr float light1Position[4] = {20.0f, 0.0f, 5.0f, 1.0f};

inline constexpr float shininess = 100.0f;
