// The play flow inside the frame loop: level loads, the end-of-game check, the menu
// actions, the clocks and the cursor choice.
#ifndef DELVORN_SHELL_GAITA_H
#define DELVORN_SHELL_GAITA_H

#include <string>

#include "shell/spele.h"

// The screen the main screen shows; 0 while the level is played (also before it exists).
unsigned Ekrans();

// Loads a level into the game's field, digger and objects and makes it the current level.
// A failure changes nothing of a running game: one line on standard error (once per path)
// names the file and the reason, and a message panel tells the player.
bool IeladetSpelei(SpelesCikls& c, const std::string& cels);

// Frame step 15: the level clock at (60, 27) and the battery clock centred on x 34.
void ZimetPulksteni(SpelesCikls& c);
// A one-line notice over the field's top for ms milliseconds, and its drawing each frame.
void Pazinot(const std::string& teksts, unsigned ms);
void ZimetPazinojumu();
// The first touch of a kit at full health on a level says why the kit stays.
void TeiktVesels();
// Before the main screen draws: a panel just opened goes where it covers least of the
// digger and his way ahead.
void NovietotPaneli();
// Frame step 16: the arrow over an open panel, else the heading cursor.
void ZimetSpelesKursoru(SpelesCikls& c);
// The pointer is on the digger (the heading cursor hides) within dx² + dy² < 450.
bool PeleUzRaceja(int dx, int dy);
// Frame step 20: health below 0 becomes 0; death or an empty lamp loses the level.
void ParbauditBeigas();
// The sounds that last while a state does: footsteps, a fuse, the lamp's last seconds.
void SkanetSpele(SpelesCikls& c);
// Frame step 21: what the main screen's last button asked for.
void IzpilditDarbibu(SpelesCikls& c);

// P pauses play: the digger, the battery, the level clock, a burning fuse and the field's
// dangers stand still until P, a click or Escape.
bool Pauze();
void Pauzet();
void BeigtPauzi();
// Opens the level choice: the chain from the first level, each with its progress; the won
// ones and the first not won may be played.
void AtvertLimenjus();
extern const char* const PIRMAIS_LIMENIS;

// The clock text "m:ss" of a number of seconds, hours dropped.
void PulkstenaTeksts(char* kur, unsigned izmers, unsigned sekundes);

// The two loss messages, and the start of the one for a level that does not load.
extern const char* const NAVES_ZINJA;
extern const char* const NEIELADEJAS_ZINJA;
extern const char* const TUMSAS_ZINJA;

#endif
