// Every SE resource: the synthesised effects and the jingles kept as scores.
#include "tools/assetgen/AssetSink.h"
#include "tools/assetgen/sounds/EffectCatalogue.h"
#include "tools/assetgen/sounds/MusicRenderer.h"
#include "tools/assetgen/sounds/ScoreLibrary.h"
#include "tools/assetgen/sounds/SoundLevels.h"

namespace {

constexpr int kEffectSampleRate = 44100;
constexpr float kEffectQuality = 0.5f;
// A jingle ends where its reverb has fallen to about -54 dB.
constexpr float kSilence = 0.002f;
constexpr size_t kEndFadeFrames = 441;

struct Jingle {
    int id;
    const char* score;
    float loudness;
};

constexpr Jingle kJingles[] = {
    {161, "sounds/extend.txt", -14.0f},
    {136, "sounds/gameover.txt", -15.0f},
    {168, "sounds/clear.txt", -14.0f},
};

void AddEffects(const std::vector<EffectEntry>& effects, AssetSink& sink)
{
    for (const EffectEntry& effect : effects) {
        sink.Add("SE", effect.id, EncodeOggVorbis(RenderEffect(effect.recipe, kEffectSampleRate), kEffectQuality));
    }
}

} // namespace

void GenerateSounds(AssetSink& sink)
{
    AddEffects(ExplosionEffects(), sink);
    AddEffects(WeaponEffects(), sink);
    AddEffects(InterfaceEffects(), sink);
    for (const Jingle& jingle : kJingles) {
        PcmSound sound = MixToMono(RenderScore(LoadScore(jingle.score), kEffectSampleRate));
        ScaleToLoudness(sound.samples, kEffectSampleRate, 1, jingle.loudness, kEffectPeakCeiling);
        TrimSilentEnd(sound.samples, kSilence, kEndFadeFrames);
        sink.Add("SE", jingle.id, EncodeOggVorbis(sound, kEffectQuality));
    }
}
