// Rounding a computed position to float the same way in every build.
#ifndef DELVORN_FIELD_NOAPALOT_H
#define DELVORN_FIELD_NOAPALOT_H

// GCC 12 at -O2 pairs an x and a y update into one vector operation and then drops their
// float round trip, keeping the double; at -O0, -O1 and under the sanitizers it rounds. A
// last bit apart, a digger or a blast ray can take another way, and a recorded run no longer
// replays. A volatile float cannot be kept in double, so every build rounds here.
inline float NoapalotFloat(double v) {
  volatile float f = (float)v;
  return f;
}

#endif
