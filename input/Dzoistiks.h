// Joystick 0 for steering and buttons: button 0 walks, button 1 digs, the stick faces.
#ifndef DELVORN_INPUT_DZOISTIKS_H
#define DELVORN_INPUT_DZOISTIKS_H

#include <SDL.h>

class Dzoistiks {
 public:
  float PI;
  SDL_Joystick* joy;
  bool atverts;
  unsigned index;

  Dzoistiks();
  // Opens device id unless SDL already has it open.
  void Atvert(unsigned id);
  // True while button idx is down; false when no device is open.
  bool Poga(unsigned idx);
  // The stick's direction in degrees, 0 right, 90 up; 0 when centred or not open.
  float XYLentjis();
  // The same from raw axis values (y grows downwards); |v| < 6000 reads as centred.
  static float Lenkis(Sint16 ax, Sint16 ay, float pi);
};

#endif
