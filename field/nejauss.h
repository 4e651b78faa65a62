// The blasts' random numbers: the classic C runtime generator (a linear congruential one,
// results 0 to 32767), kept here because a blast reseeds it once per cleared pixel and
// reseeding must cost nothing; some C libraries re-prime a large state on every srand.
#ifndef DELVORN_FIELD_NEJAUSS_H
#define DELVORN_FIELD_NEJAUSS_H

const int NEJAUSS_MAX = 32767;

void NejaussSekla(unsigned sekla);  // seeds, as srand does
int NejaussSkaitlis();              // the next number, 0 to NEJAUSS_MAX, as rand does

#endif
