// The ten letter keys' places as the window system tells them: GLUT hands its keyboard
// callbacks the typed character alone, so what each place types on the keyboard in use is
// asked of the system and the character turned back into its place.
#pragma once

// The game key a press given to a GLUT keyboard callback stands for, or 0 for none.
unsigned char gameKeyOfPress(unsigned char typed);

// The place of the key a GLUT keyboard-up callback reports, or -1 when the character no
// longer says (the layout changed while the key was down).
int placeOfRelease(unsigned char typed);

// The driving places whose keys are down now, whatever window has the keyboard: bit p for
// place p. Every bit is set where the keyboard cannot be asked.
unsigned drivingPlacesDown();
