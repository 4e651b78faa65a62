// The game window's icon: the miner of the launcher's picture.
#ifndef DELVORN_SHELL_IKONA_H
#define DELVORN_SHELL_IKONA_H

// The icon picture, relative to the data folder (32 x 32 with alpha, from the painter).
extern const char* const IKONAS_FAILS;

// Hands the icon to the window manager. SDL 1.2 takes it only between SDL_Init and the
// first video mode. Without the picture the window simply has the desktop's default icon.
void UzliktIkonu();

#endif
