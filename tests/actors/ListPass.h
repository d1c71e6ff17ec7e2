// The frame pass's walk over one object list, for tests and benchmarks that
// run lists without the whole frame.
#pragma once

#include "engine/ObjectLists.h"

#include <cstddef>

namespace listpass {

// Draw, then update, every object; dead ones are deleted where they stand.
inline void RunList(SpriteList* list)
{
    for (std::size_t i = 0; i < list->size();) {
        CSprite* sprite = (*list)[i];
        if (sprite->state == STATE_DEAD) {
            delete sprite;
            list->erase(list->begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        sprite->Draw();
        sprite->Update();
        ++i;
    }
}

inline void ClearList(SpriteList* list)
{
    for (CSprite* sprite : *list)
        delete sprite;
    list->clear();
}

}  // namespace listpass
