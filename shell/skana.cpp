// Playing the effects with SDL_mixer: two reserved channels for the loops, the rest shared.
#include "shell/skana.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <math.h>
#include <stdio.h>

Skanas skanas;

namespace {

const char* const FAILI[SK_SKAITS] = {
    "sound/solis.wav",    "sound/lapsta.wav",     "sound/cirtnis.wav",       "sound/pneimo.wav",
    "sound/degls.wav",    "sound/spradziens.wav", "sound/semtex.wav",        "sound/pacelt.wav",
    "sound/aptieka.wav",  "sound/baterija.wav",   "sound/kontrolpunkts.wav", "sound/sap_sprad.wav",
    "sound/sap_inde.wav", "sound/sap_star.wav",   "sound/nave.wav",          "sound/tumsa.wav",
    "sound/uzvara.wav",   "sound/zaudets.wav",    "sound/klikskis.wav",      "sound/virs.wav",
    "sound/slaids.wav",   "sound/pikst.wav"};
const int KANALI = 16;
const int CILPU_KANALI = 2;  // 0 footsteps, 1 fuse

Mix_Chunk* efekti[SK_SKAITS] = {};

int Kanals(Skana s) { return s == SK_SOLIS ? 0 : (s == SK_DEGLS ? 1 : -1); }

void IestatitSkalumu() {
  if (skanas.atverta) Mix_Volume(-1, skanas.klusums ? 0 : skanas.skalums);
}

}  // namespace

bool AtvertSkanu(bool klusums) {
  skanas.klusums = klusums;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0 || Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 512) < 0) {
    fprintf(stderr, "delvorn: no sound (%s); the game plays on silently\n", SDL_GetError());
    return false;
  }
  skanas.atverta = true;
  Mix_AllocateChannels(KANALI);
  Mix_ReserveChannels(CILPU_KANALI);
  for (int i = 0; i < SK_SKAITS; i++) efekti[i] = Mix_LoadWAV(FAILI[i]);  // missing: silent
  IestatitSkalumu();
  return true;
}

void AizvertSkanu() {
  if (!skanas.atverta) return;
  Mix_HaltChannel(-1);
  for (Mix_Chunk*& e : efekti) {
    if (e) Mix_FreeChunk(e);
    e = NULL;
  }
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  skanas.atverta = false;
  skanas.cilpa[0] = skanas.cilpa[1] = false;
}

void SkanasKadrs() { skanas.kadrs++; }

void Skanet(Skana s, int skalums) {
  if (s < 0 || s >= SK_SKAITS || skanas.sakta_kadra[s] == skanas.kadrs) return;
  skanas.sakta_kadra[s] = skanas.kadrs;
  skanas.sakumi[s]++;
  if (!skanas.atverta || !efekti[s]) return;
  const int kanals = Mix_PlayChannel(-1, efekti[s], 0);
  if (kanals < 0) return;  // every channel busy: this one is left out
  const int v = skanas.klusums ? 0 : skanas.skalums * skalums / SKALUMS_MAX;
  Mix_Volume(kanals, v < 0 ? 0 : v);
}

void SkanetRetak(Skana s, int kadri) {
  if (s < 0 || s >= SK_SKAITS) return;
  const int kops = skanas.kadrs - skanas.sakta_kadra[s];
  if (skanas.sakumi[s] > 0 && kops >= 0 && kops < kadri) return;
  Skanet(s);
}

int SkalumsAttaluma(int dx, int dy) {
  const double d = sqrt((double)dx * dx + (double)dy * dy);
  const double TUVU = 150, TALU = 900, MAZAKAIS = 0.25;
  const double k =
      d <= TUVU ? 1.0
                : (d >= TALU ? MAZAKAIS : 1.0 - (1.0 - MAZAKAIS) * (d - TUVU) / (TALU - TUVU));
  return (int)(SKALUMS_MAX * k);
}

void SkanetCilpu(Skana s, bool skan) {
  const int kanals = Kanals(s);
  if (kanals < 0 || skanas.cilpa[kanals] == skan) return;
  skanas.cilpa[kanals] = skan;
  if (skan) skanas.sakumi[s]++;
  if (!skanas.atverta || !efekti[s]) return;
  if (skan) {
    Mix_PlayChannel(kanals, efekti[s], -1);
    Mix_Volume(kanals, skanas.klusums ? 0 : skanas.skalums);
  } else {
    Mix_HaltChannel(kanals);
  }
}

void PartrauktKlusumu() {
  skanas.klusums = !skanas.klusums;
  IestatitSkalumu();
}

void MainitSkalumu(int solis) {
  int v = skanas.skalums + solis;
  skanas.skalums = v < 0 ? 0 : (v > SKALUMS_MAX ? SKALUMS_MAX : v);
  IestatitSkalumu();
}
