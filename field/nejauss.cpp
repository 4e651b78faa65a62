// The blasts' random numbers.
#include "field/nejauss.h"

namespace {
unsigned stavoklis = 1;
}

void NejaussSekla(unsigned sekla) { stavoklis = sekla; }

int NejaussSkaitlis() {
  stavoklis = stavoklis * 214013u + 2531011u;
  return (int)((stavoklis >> 16) & 0x7FFFu);
}
