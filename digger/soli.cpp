// Where one walking step takes the digger: the straight step of the speed code, tested with
// the body, and when the wall refuses it, a step along the wall.
//
// The body is the near collision mask. A step is taken only to a place with no more solid
// ground under the body than where he stands: a free digger stays free, one that overlaps
// ground (a level start, an old save) can always work his way out, and nothing he does
// sinks him into rock, so some heading always moves him.
#include <math.h>

#include "digger/racejs.h"
#include "field/noapalot.h"
#include "field/zeme.h"

namespace {

const int CIETS = 4;    // hardness above this blocks the digger
const int CENTRS = 10;  // the body's centre pixel in the mask

// Headings tried along a wall, nearest the facing first: the open side's, then the other
// side's as far as still leads forward.
const int NOVIRZES = 3;
const int NOVIRZE[NOVIRZES] = {30, 60, 90};
const int PRETEJAS = 2;

}  // namespace

int Speletajs::Parklajums(float x, float y, int* sanis, int v) const {
  if (!L1 || !maskam) return 0;
  const int px = (int)x, py = (int)y;
  const int solis = maskam->pitch / 4;
  const double sx = -sin(Radiani(v)), sy = -cos(Radiani(v));  // the facing's left hand
  int skaits = 0;
  double pa_kreisi = 0.0;
  for (int i = 0; i < IZMERS; i++) {
    const Uint32* rinda = (const Uint32*)maskam->pixels + i * solis;
    for (int j = 0; j < IZMERS; j++) {
      if ((rinda[j] & 0xFF) == 0) continue;
      if (SietaCietiba(L1->LasitSietu(px + j, py + i)) <= CIETS) continue;
      skaits++;
      pa_kreisi += (j - CENTRS) * sx + (i - CENTRS) * sy;
    }
  }
  // The open side is away from the ground's weight; a wall square ahead has none.
  if (sanis) *sanis = pa_kreisi > 0.5 * skaits ? -1 : pa_kreisi < -0.5 * skaits ? 1 : 0;
  return skaits;
}

bool Speletajs::MekletSoli(int v, int kods, int slide, float* nx, float* ny) const {
  const int tagad = Parklajums(pozx, pozy);
  const double a = Radiani(v), sanis = Radiani(v - 45);
  int atrums = kods / 2;
  if (atrums == 0 && tagad > 0) atrums = 2;  // sunk in: any way out that is no deeper
  for (int s = atrums; s >= 1; s--) {
    const float x = NoapalotFloat(pozx + cos(a) * s), y = NoapalotFloat(pozy - sin(a) * s);
    if (slide != 0) {
      // The side step away from a blocked side, only where the body fits.
      const float sx = NoapalotFloat(x + cos(sanis) * slide),
                  sy = NoapalotFloat(y - sin(sanis) * slide);
      if (Parklajums(sx, sy) <= tagad) {
        *nx = sx;
        *ny = sy;
        return true;
      }
    }
    if (Parklajums(x, y) <= tagad) {
      *nx = x;
      *ny = y;
      return true;
    }
  }

  // Refused straight ahead: along the wall, towards the side the ground leaves open.
  const int garums = kods == 2 ? 1 : 2;
  int puse = 0;
  Parklajums(NoapalotFloat(pozx + cos(a) * garums), NoapalotFloat(pozy - sin(a) * garums), &puse,
             v);
  int virzieni[NOVIRZES + PRETEJAS + 1];
  int n = 0;
  if (puse != 0) {
    for (int k = 0; k < NOVIRZES; k++) virzieni[n++] = v + puse * NOVIRZE[k];
    for (int k = 0; k < PRETEJAS; k++) virzieni[n++] = v - puse * NOVIRZE[k];
  } else {
    // Square against a wall: only the headings that still lead towards the pointer.
    for (int k = 0; k < PRETEJAS; k++) {
      virzieni[n++] = v + NOVIRZE[k];
      virzieni[n++] = v - NOVIRZE[k];
    }
  }
  for (int k = 0; k < n; k++) {
    const double b = Radiani(virzieni[k]);
    for (int s = garums; s >= 1; s--) {
      const float x = NoapalotFloat(pozx + cos(b) * s), y = NoapalotFloat(pozy - sin(b) * s);
      if (Parklajums(x, y) <= tagad) {
        *nx = x;
        *ny = y;
        return true;
      }
    }
  }
  return false;
}
