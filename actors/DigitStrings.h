// Numbers drawn from digit pictures, one blit per character; a character
// that is not a digit leaves a gap. The HUD calls the two string functions
// every frame, inside the overlay's sprite batch.
#pragma once

// Character i at (x + spacing × i, y), cut size × size from digitTextures[digit].
void DrawDigitRow(const int digitTextures[10], int x, int y, const char* text, int spacing, int size, float alpha);

// The small digits, ending at x.
void DrawDigitsRight(int x, int y, const char* text);
// The small digits, starting at x.
void DrawDigitsLeft(int x, int y, const char* text);
