// The game's sounds. The rules of play call one function per event; only this module talks
// to SDL_mixer. Without an audio device the game plays on silently.
#ifndef DELVORN_SHELL_SKANA_H
#define DELVORN_SHELL_SKANA_H

enum Skana {
  SK_SOLIS,   // footsteps, a loop while he walks
  SK_LAPSTA,  // the three tools' bites
  SK_CIRTNIS,
  SK_PNEIMO,
  SK_DEGLS,       // a burning fuse, a loop
  SK_SPRADZIENS,  // blasts: dynamite, Semtex
  SK_SEMTEX,
  SK_PACELT,    // an item picked up
  SK_APTIEKA,   // a kit used
  SK_BATERIJA,  // a battery taken
  SK_KONTROLPUNKTS,
  SK_SAP_SPRAD,  // hurt: by a blast, poison, radiation
  SK_SAP_INDE,
  SK_SAP_STAR,
  SK_NAVE,    // death
  SK_TUMSA,   // the lamp runs out
  SK_UZVARA,  // the level won, lost
  SK_ZAUDETS,
  SK_KLIKSKIS,  // a menu button clicked, hovered
  SK_VIRS,
  SK_SLAIDS,  // the intro's next slide
  SK_PIKST,   // the last 15 s of the battery
  SK_SKAITS
};

const int SKALUMS_MAX = 128;

struct Skanas {
  bool atverta = false;  // the mixer is open
  bool klusums = false;  // M, --mute
  int skalums = 96;      // 0 to SKALUMS_MAX
  int kadrs = 1;         // counts frames, so that an event sounds once a frame (0 is none)
  int sakta_kadra[SK_SKAITS] = {};
  int sakumi[SK_SKAITS] = {};  // how often each has started, for the tests
  bool cilpa[2] = {};          // the two loops playing
};
extern Skanas skanas;

// Opens audio after the video mode (22.05 kHz, 512-sample buffer, about 23 ms) and loads the
// effects from sound/; false, with one line on standard error, when no device opens.
bool AtvertSkanu(bool klusums);
void AizvertSkanu();
// Called once at the start of every frame.
void SkanasKadrs();
// Starts an effect, at most once a frame; `skalums` scales it (a blast far away is quieter).
void Skanet(Skana s, int skalums = SKALUMS_MAX);
// The same at most once in `kadri` frames: a hurt that lasts would sound on every frame.
void SkanetRetak(Skana s, int kadri);
// A blast's loudness at (dx, dy) pixels from the digger: full near him, a quarter far away.
int SkalumsAttaluma(int dx, int dy);
// The footsteps and the fuse play while `skan` holds.
void SkanetCilpu(Skana s, bool skan);
// M, and - / +.
void PartrauktKlusumu();
void MainitSkalumu(int solis);

#endif
