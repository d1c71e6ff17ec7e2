// Every synthesised sound effect, by resource id, in three groups.
#pragma once

#include "tools/assetgen/sounds/EffectRecipe.h"

#include <vector>

struct EffectEntry {
    int id = 0;
    SoundRecipe recipe{};
};

std::vector<EffectEntry> ExplosionEffects();
std::vector<EffectEntry> WeaponEffects();
std::vector<EffectEntry> InterfaceEffects();
