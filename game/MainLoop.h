// The loop that runs from the title until the window closes: window events,
// frame pacing, and per frame the game pass, the arcade-cabinet buttons, the
// title menu, the recording or playback of the input and the ship's controls.
#pragma once

class ProgramHost;

// Runs until the window is closed or Esc is pressed. With vsync every turn
// runs a frame, since presenting waits for the display.
void RunMainLoop(ProgramHost& host, bool vsync);

// The parts of a loop turn, in the order the loop runs them.

// Before the first turn: the frame and one-second schedules start at now, and the title is entered.
void StartFrameTimer(int now);
// True when a frame is to run at now; it then schedules the next one,
// counted from now (a late frame is not caught up).
bool TakeDueFrame(int now, bool vsync);
// One game frame and everything the cabinet does after it; false when a
// hit-stop freeze cut the turn short.
bool RunFrame();
// Once a second the frames counted become the frame-rate figure.
void LatchFrameRate(int now);
// How long the loop may sleep at now and still wake before the next frame is due.
int IdleMilliseconds(int now);
