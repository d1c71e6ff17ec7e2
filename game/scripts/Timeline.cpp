#include "game/scripts/Timeline.h"

#include "engine/ObjectLists.h"

void RunCues(std::span<const Cue> cues)
{
    for (const Cue& cue : cues) {
        const int now = cue.clock == Clock::Step ? g_stepFrame : g_sceneFrame;
        if (now >= cue.first && now <= cue.last)
            cue.action();
    }
}
