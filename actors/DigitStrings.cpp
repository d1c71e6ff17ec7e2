#include "actors/DigitStrings.h"

#include "engine/AssetLists.h"
#include "engine/GraphicsSystem.h"

#include <cstring>

namespace {

constexpr int kSmallSpacing = 5;
constexpr int kStringDigitSize = 12;

}  // namespace

void DrawDigitRow(const int digitTextures[10], int x, int y, const char* text, int spacing, int size, float alpha)
{
    for (int i = 0; text[i] != '\0'; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9')
            g_graphics->DrawTexture2D(digitTextures[c - '0'], x + spacing * i, y, 0, 0, size, size, alpha);
    }
}

void DrawDigitsRight(int x, int y, const char* text)
{
    const int length = static_cast<int>(std::strlen(text));
    DrawDigitsLeft(x - kSmallSpacing * length, y, text);
}

void DrawDigitsLeft(int x, int y, const char* text)
{
    DrawDigitRow(g_texDigits, x, y, text, kSmallSpacing, kStringDigitSize, 1.0f);
}
