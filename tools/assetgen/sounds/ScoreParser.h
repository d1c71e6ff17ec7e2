// Reads our note format into a Score.
//
// Statements start at the beginning of a line; indented lines continue the
// statement above; ';' starts a comment.
//   tempo 132            beats per minute
//   meter 4              beats per bar
//   loop                 the piece repeats: its tail wraps round to the start
//   track NAME VOICE [gain= pan= reverb= delay= low= bright= gate=]
//   melody NAME          notes: o4 > < octave, l8 default length, c d+ e- notes,
//     o4 l8 a4. > d e    r rests, 4 8. lengths (dotted), ^8 ties, v7 velocity,
//                        | bar checks
//   figure NAME STEP     chord tones by index on a grid of STEP notes (16 = sixteenths):
//     0 . 2 4 - *!       . rest, - hold, * whole chord, ! accent; | bar checks
//   groove NAME BARS     drum lines: a letter, then one character per step:
//     k x...x...         X accent, x hit, g ghost, . rest, - hold
//   section NAME BARS    chords Am F:2 G:2 (beats after ':', one bar by default);
//     chords ...         then lines "TRACK PATTERN[:SEMITONES] ...": the patterns
//     lead theme         play in turn and repeat to fill the section
//   arrange A B A+2      the sections in order, each optionally transposed
#pragma once

#include "tools/assetgen/sounds/Score.h"

#include <string>

// On failure returns false and sets error to "line N: ...".
bool ParseScore(const std::string& text, Score& score, std::string& error);
