#include "engine/InputState.h"

void InputState::CopyGameplay(const InputState* source) {
    shot = source->shot;
    ray = source->ray;
    blade = source->blade;
    dash = source->dash;
    reload = source->reload;
    leftroll = source->leftroll;
    rightroll = source->rightroll;
    x = source->x;
    y = source->y;
}
