// The axis range and dead zone the game sets on its controller.
#pragma once

// A raw axis value (-32768..32767) in the range -1000..1000, with the dead
// zone of half the travel: inside it 0, outside it rescaled to the full range.
int ScaleControllerAxis(int raw);
