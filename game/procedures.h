#pragma once
// Granzel's procedures. The lower-case ones are in the procedure-name table
// and can be called by name; the others are the game's own helpers.

namespace granzel {

// The main program: start-up, intro and the painting loop.
void GameMain();

// Scene (drawn first by every screen of the game).
void pintafondo();
// Loads the grain strip, keeps its pixels for composing the loose grains and
// makes the picture they are composed into.
void LoadGrainPictures();
// Paints the pictures of the grains that settled this frame into the canvas.
void PaintSettledGrains();

// Options screen and its pages.
void opciones();
void menu1();
void menu2();
void menu3();
// Captures the colour of every colour cell into "colores.dat".
void leecolor();

// Clip editor.
void clipea();

// Reads mouse 0 and applies the press rule shared by the main loop and the
// options screen.
void miramouse();
// Waits until every mouse button is up, so one click is not taken twice.
void WaitForButtonRelease();

}  // namespace granzel
