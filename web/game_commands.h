// The game's keys as every input of the page sends them: the keyboard, the touch controls
// and a pad all press and let go through here.
#pragma once

// The rules, then whatever the key asks of the page. False once "q" has ended the game:
// the key is the browser's again.
bool pressGameKey(unsigned char key);
bool releaseGameKey(unsigned char key);
