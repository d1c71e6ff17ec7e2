// The ship's and the enemies' weapons, hits, lock-on and manoeuvres. Sounds
// that repeat every few frames stay short and light.
#include "tools/assetgen/sounds/EffectCatalogue.h"

namespace {

NoiseLayer Hiss(FilterMode mode, Glide cutoff, double resonance, Envelope envelope, double gain, uint32_t seed,
                double start = 0.0)
{
    return {.mode = mode, .cutoff = cutoff, .resonance = resonance, .start = start, .envelope = envelope,
            .gain = gain, .seed = seed};
}

ToneLayer Zap(double from, double to, double fall, double decay, double gain, double start = 0.0)
{
    return {.pitch = {from, to, fall}, .start = start, .envelope = {0.001, 0.0, decay}, .gain = gain,
            .fmRatio = 0.5, .fmIndex = {3.0, 0.2, fall}};
}

ToneLayer Thump(double from, double to, double decay, double gain, double start = 0.0)
{
    return {.pitch = {from, to, decay * 0.5}, .start = start, .envelope = {0.002, 0.0, decay}, .gain = gain};
}

ToneLayer Bell(double pitch, double ratio, double decay, double gain, double start = 0.0)
{
    return {.pitch = {pitch, pitch, 0}, .start = start, .envelope = {0.001, 0.0, decay}, .gain = gain,
            .fmRatio = ratio, .fmIndex = {2.5, 0.3, decay * 0.6}};
}

ToneLayer BladeRing(double pitch, double ratio)
{
    return {.pitch = {pitch, pitch * 0.98, 0.3}, .envelope = {0.001, 0.0, 0.32}, .gain = 0.4,
            .fmRatio = ratio, .fmIndex = {2.2, 0.4, 0.25}};
}

void AddShotSounds(std::vector<EffectEntry>& list)
{
    // The ship's shot restarts every fourth frame: a 60 ms tick that never tires.
    list.push_back({115, {.tones = {{.shape = Waveform::Pulse25, .pitch = {1500, 520, 0.05},
                                     .envelope = {0.001, 0.0, 0.06}, .gain = 0.7, .lowPass = 6000}},
                          .noises = {Hiss(FilterMode::HighPass, {5000, 5000, 0}, 0.0, {0.001, 0.0, 0.015}, 0.5, 115)},
                          .loudness = -20.0f}});
    // A shot striking an enemy: a dry metallic tick.
    list.push_back({111, {.tones = {{.pitch = {1900, 1200, 0.03}, .envelope = {0.001, 0.0, 0.035}, .gain = 0.6}},
                          .noises = {Hiss(FilterMode::BandPass, {3200, 3200, 0}, 0.5, {0.001, 0.0, 0.04}, 1.0, 111)},
                          .loudness = -22.0f}});
    // Enemy bullets fired: a soft falling chirp, frequent and unobtrusive.
    list.push_back({109, {.tones = {{.shape = Waveform::Triangle, .pitch = {1250, 560, 0.08},
                                     .envelope = {0.002, 0.0, 0.09}, .gain = 1.0}},
                          .loudness = -22.0f}});
    // The mid-size enemy's stream: a thuddier machine-gun pop.
    list.push_back({119, {.tones = {{.shape = Waveform::Square, .pitch = {320, 120, 0.08},
                                     .envelope = {0.001, 0.0, 0.1}, .gain = 0.6, .lowPass = 1800}},
                          .noises = {Hiss(FilterMode::LowPass, {2400, 500, 0.08}, 0.2, {0.001, 0.0, 0.1}, 0.9, 119)},
                          .drive = 1.5, .loudness = -20.0f}});
}

void AddLaserSounds(std::vector<EffectEntry>& list)
{
    // Homing lasers launched: a falling phase-modulated zap and a whoosh.
    list.push_back({110, {.tones = {Zap(2600, 600, 0.25, 0.32, 0.8)},
                          .noises = {Hiss(FilterMode::BandPass, {6000, 1400, 0.3}, 0.4, {0.01, 0.0, 0.35}, 0.6, 110)},
                          .loudness = -17.0f}});
    // Sixteen lasers at once: a rising sweep under a cascade of zaps.
    list.push_back({131, {.tones = {{.shape = Waveform::Saw, .pitch = {180, 1400, 0.45}, .envelope = {0.15, 0.2, 0.6},
                                     .gain = 0.35, .detune = 0.015, .lowPass = 4000},
                                    Zap(3000, 500, 0.3, 0.4, 0.6), Zap(2700, 450, 0.3, 0.4, 0.5, 0.06),
                                    Zap(3300, 550, 0.3, 0.4, 0.5, 0.12), Zap(2400, 400, 0.3, 0.45, 0.5, 0.18)},
                          .noises = {Hiss(FilterMode::BandPass, {800, 7000, 0.5}, 0.3, {0.3, 0.05, 0.6}, 0.5, 131)},
                          .echo = {0.09, 0.35, 0.35}, .loudness = -13.0f}});
    // A normal homing laser striking.
    list.push_back({116, {.tones = {{.shape = Waveform::Square, .pitch = {650, 150, 0.12},
                                     .envelope = {0.001, 0.0, 0.16}, .gain = 0.5, .lowPass = 3000}},
                          .noises = {Hiss(FilterMode::BandPass, {3500, 800, 0.18}, 0.4, {0.001, 0.0, 0.22}, 1.0, 116)},
                          .drive = 1.0, .loudness = -18.0f}});
    // A full-lock laser striking: the same idea, heavier and ringing.
    list.push_back({125, {.tones = {Thump(170, 50, 0.3, 0.9),
                                    {.pitch = {740, 700, 0.4}, .envelope = {0.001, 0.0, 0.4}, .gain = 0.3,
                                     .fmRatio = 1.41, .fmIndex = {4.0, 0.5, 0.3}},
                                    {.shape = Waveform::Square, .pitch = {700, 140, 0.15},
                                     .envelope = {0.001, 0.0, 0.2}, .gain = 0.4, .lowPass = 3000}},
                          .noises = {Hiss(FilterMode::LowPass, {6000, 300, 0.35}, 0.2, {0.001, 0.0, 0.4}, 0.9, 125)},
                          .drive = 1.3, .loudness = -15.0f}});
    // The heavy special hit (a ray-special laser, or the shot special's strike).
    list.push_back({107, {.tones = {Thump(130, 38, 0.55, 1.0),
                                    {.shape = Waveform::Saw, .pitch = {950, 90, 0.25}, .envelope = {0.001, 0.0, 0.3},
                                     .gain = 0.45, .lowPass = 5000}},
                          .noises = {Hiss(FilterMode::LowPass, {8000, 200, 0.45}, 0.1, {0.001, 0.0, 0.55}, 1.0, 107)},
                          .drive = 2.0, .loudness = -13.0f}});
    // The shot special's strike itself: a deep boom with a shimmering ring.
    list.push_back({166, {.tones = {Thump(90, 30, 0.9, 1.0),
                                    {.pitch = {220, 210, 0.8}, .envelope = {0.001, 0.0, 0.85}, .gain = 0.4,
                                     .fmRatio = 1.41, .fmIndex = {4.0, 0.5, 0.6}}},
                          .noises = {Hiss(FilterMode::LowPass, {3200, 150, 0.8}, 0.1, {0.001, 0.0, 0.9}, 0.9, 166),
                                     {.mode = FilterMode::BandPass, .cutoff = {2200, 1000, 0.7}, .resonance = 0.3,
                                      .envelope = {0.01, 0.1, 0.7}, .gain = 0.6, .density = 0.004, .seed = 1166}},
                          .drive = 1.0, .loudness = -12.0f}});
}

void AddBladeSounds(std::vector<EffectEntry>& list)
{
    // A swish: band-passed noise rising through the swing.
    list.push_back({118, {.noises = {Hiss(FilterMode::BandPass, {700, 4500, 0.14}, 0.45, {0.07, 0.0, 0.18}, 1.0, 118),
                                     Hiss(FilterMode::HighPass, {6000, 6000, 0}, 0.0, {0.05, 0.0, 0.1}, 0.3, 1118)},
                          .loudness = -18.0f}});
    // Two cuts, so that a run of blade hits does not sound mechanical.
    list.push_back({128, {.tones = {BladeRing(1250, 2.76), Thump(210, 80, 0.16, 0.8)},
                          .noises = {Hiss(FilterMode::HighPass, {3000, 3000, 0}, 0.0, {0.001, 0.0, 0.08}, 0.9, 128)},
                          .drive = 0.8, .loudness = -16.0f}});
    list.push_back({129, {.tones = {BladeRing(1560, 3.17), Thump(180, 70, 0.16, 0.8)},
                          .noises = {Hiss(FilterMode::HighPass, {2600, 2600, 0}, 0.0, {0.001, 0.0, 0.09}, 0.9, 129)},
                          .drive = 0.8, .loudness = -16.0f}});
}

void AddEnemyWeaponSounds(std::vector<EffectEntry>& list)
{
    // An energy beam: a thick buzzing hum that swells and dies with the beam.
    list.push_back({134, {.tones = {{.shape = Waveform::Saw, .pitch = {55, 55, 0}, .envelope = {0.06, 0.75, 0.5},
                                     .gain = 0.8, .detune = 0.02, .vibratoRate = 12.0, .vibratoDepth = 0.03,
                                     .lowPass = 1400},
                                    {.shape = Waveform::Square, .pitch = {110, 110, 0}, .envelope = {0.06, 0.75, 0.5},
                                     .gain = 0.4, .detune = 0.01, .lowPass = 900},
                                    {.pitch = {1760, 1700, 1.2}, .envelope = {0.1, 0.6, 0.5}, .gain = 0.12,
                                     .vibratoRate = 7.0, .vibratoDepth = 0.01}},
                          .noises = {Hiss(FilterMode::LowPass, {2500, 900, 1.2}, 0.2, {0.03, 0.7, 0.5}, 0.5, 134)},
                          .drive = 1.5, .loudness = -15.0f}});
    // A charge-up: a warbling whine that climbs for half a second.
    list.push_back({123, {.tones = {{.pitch = {220, 1700, 0.5}, .envelope = {0.45, 0.0, 0.12}, .gain = 0.7,
                                     .vibratoRate = 28.0, .vibratoDepth = 0.02, .fmRatio = 2.0,
                                     .fmIndex = {0.5, 3.5, 0.5}}},
                          .noises = {{.mode = FilterMode::BandPass, .cutoff = {500, 6500, 0.5}, .resonance = 0.4,
                                      .envelope = {0.45, 0.0, 0.1}, .gain = 0.4, .seed = 123}},
                          .loudness = -17.0f}});
}

void AddManoeuvreSounds(std::vector<EffectEntry>& list)
{
    // Lock-on: a short high blip, fine in quick runs.
    list.push_back({101, {.tones = {{.shape = Waveform::Triangle, .pitch = {1760, 2100, 0.02},
                                     .envelope = {0.001, 0.03, 0.05}, .gain = 0.8},
                                    {.pitch = {3520, 4200, 0.02}, .envelope = {0.001, 0.02, 0.03}, .gain = 0.2}},
                          .loudness = -20.0f}});
    // Full lock: a quick rising chime.
    list.push_back({153, {.tones = {Bell(1047, 2.0, 0.25, 0.6), Bell(1319, 2.0, 0.25, 0.6, 0.045),
                                    Bell(1568, 2.0, 0.28, 0.6, 0.09), Bell(2093, 2.0, 0.35, 0.7, 0.135)},
                          .loudness = -17.0f}});
    // The special's stinger under the hit-stop: a chord stab, a bell and a shing.
    list.push_back({113, {.tones = {{.shape = Waveform::Saw, .pitch = {110, 110, 0}, .envelope = {0.003, 0.1, 0.9},
                                     .gain = 0.5, .detune = 0.012, .lowPass = 1800},
                                    {.shape = Waveform::Saw, .pitch = {165, 165, 0}, .envelope = {0.003, 0.1, 0.9},
                                     .gain = 0.4, .detune = 0.01, .lowPass = 2200},
                                    {.shape = Waveform::Saw, .pitch = {220, 220, 0}, .envelope = {0.003, 0.1, 0.9},
                                     .gain = 0.35, .detune = 0.008, .lowPass = 2600},
                                    Bell(880, 3.5, 1.0, 0.35)},
                          .noises = {Hiss(FilterMode::HighPass, {2000, 8000, 0.3}, 0.3, {0.005, 0.0, 0.5}, 0.5, 113)},
                          .drive = 0.8, .loudness = -13.0f}});
    // A dash: a sharp whoosh over a thump.
    list.push_back({147, {.tones = {Thump(160, 60, 0.22, 0.8),
                                    {.shape = Waveform::Saw, .pitch = {80, 320, 0.2}, .envelope = {0.005, 0.05, 0.25},
                                     .gain = 0.3, .lowPass = 1200}},
                          .noises = {Hiss(FilterMode::BandPass, {300, 3500, 0.15}, 0.35, {0.01, 0.0, 0.45}, 1.0, 147)},
                          .loudness = -16.0f}});
    // The ship flying in: a swelling engine and rushing air.
    list.push_back({112, {.tones = {{.shape = Waveform::Saw, .pitch = {85, 190, 1.5}, .envelope = {0.6, 0.2, 1.0},
                                     .gain = 0.6, .detune = 0.01, .lowPass = 900}},
                          .noises = {Hiss(FilterMode::LowPass, {400, 4500, 1.2}, 0.2, {0.8, 0.2, 0.8}, 1.0, 112)},
                          .loudness = -17.0f}});
    // The stage cut scene: a rising rush that lands on a boom and a bright chord.
    list.push_back({158, {.tones = {Thump(80, 34, 1.4, 1.0, 0.6), Bell(659, 2.0, 1.5, 0.25, 0.6),
                                    Bell(988, 2.0, 1.5, 0.22, 0.6), Bell(1319, 2.0, 1.5, 0.2, 0.6)},
                          .noises = {Hiss(FilterMode::BandPass, {200, 6000, 0.6}, 0.3, {0.6, 0.0, 1.5}, 0.9, 158)},
                          .echo = {0.25, 0.3, 0.3}, .loudness = -15.0f}});
}

} // namespace

std::vector<EffectEntry> WeaponEffects()
{
    std::vector<EffectEntry> list;
    AddShotSounds(list);
    AddLaserSounds(list);
    AddBladeSounds(list);
    AddEnemyWeaponSounds(list);
    AddManoeuvreSounds(list);
    return list;
}
