// Joystick buttons and the stick's angle in the digger's convention.
#include "input/Dzoistiks.h"

#include <math.h>

Dzoistiks::Dzoistiks() : PI(3.14159274f), joy(NULL), atverts(false), index(0) {}

void Dzoistiks::Atvert(unsigned id) {
  if (SDL_JoystickOpened((int)id) == 1) return;
  joy = SDL_JoystickOpen((int)id);
  if (joy) atverts = true;
  index = id;
}

bool Dzoistiks::Poga(unsigned idx) {
  if (!atverts) return false;
  return SDL_JoystickGetButton(joy, (int)idx) == 1;
}

float Dzoistiks::Lenkis(Sint16 ax, Sint16 ay, float pi) {
  int x = ax, y = ay;
  if (x > -6000 && x <= 5999) x = 0;
  if (y > -6000 && y <= 5999) y = 0;
  float lenkis = (float)(atan2((double)y, (double)x) * (180.0f / pi));
  if (lenkis > 0) lenkis = 360 - lenkis;
  if (lenkis < 0) lenkis = -lenkis;
  return lenkis;
}

float Dzoistiks::XYLentjis() {
  if (!atverts) return 0.0f;
  return Lenkis(SDL_JoystickGetAxis(joy, 0), SDL_JoystickGetAxis(joy, 1), PI);
}
