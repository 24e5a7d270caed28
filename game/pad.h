// What a game pad's state means as the game's keys: which way it drives, which buttons
// were just pressed, how far it turns the camera. Any shell that reads a pad, or a
// thumb stick drawn on a touch screen, asks here, so they all drive alike.
#pragma once

// One reading of a pad. Sticks run from -1 to 1 with y growing downwards, as pads
// report them; a button is true while held.
struct PadReading {
    float driveX, driveY;        // left stick
    float lookX, lookY;          // right stick
    bool up, down, left, right;  // d-pad
    bool fire, pause, newGame, resetCamera;
};

// What changed from one reading to the next, in the order to carry it out.
struct PadCommands {
    unsigned char release;   // a drive key to let go of, or 0
    unsigned char press[5];  // keys to press in turn; 0 after the last
    float turnX, turnY;      // the right stick past its dead zone, -1 to 1
};

// A stick this close to its centre reads as let go: worn sticks rest off centre.
constexpr float stickDeadZone = 0.3f;

// The drive key ("w" "s" "a" "d") a stick held at (x, y) stands for, or 0 inside the
// dead zone. The larger axis wins; a tie drives up or down.
unsigned char driveKeyOf(float x, float y);

// The drive key of a whole reading: the d-pad when any of it is held, else the stick.
unsigned char driveKeyOf(const PadReading& pad);

PadCommands padCommands(const PadReading& before, const PadReading& now);

// A full tilt of the right stick turns the camera this far each tick, in degrees.
constexpr double padTurnDegreesPerTick = 1.5;
