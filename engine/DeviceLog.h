// The device log: the set-up and release of the devices write one line per
// step, each followed by its result line.
#pragma once

inline constexpr char kDeviceLog[] = "log\\d3d9.txt";
inline constexpr char kStepFinished[] = " -> Finished.\n";
inline constexpr char kStepFailed[] = " -> Failed.\n";

// Appends the step's line and then its result line.
void LogDeviceStep(const char* step, const char* result);
