// DirectInput key codes, as the settings file stores them, to SDL scancodes.
#pragma once

#include <SDL.h>

// SDL_SCANCODE_UNKNOWN for a code outside 0..255 or without a key on a PC keyboard.
SDL_Scancode ScancodeFromDik(int dik);
