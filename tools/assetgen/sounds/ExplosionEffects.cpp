// Explosions, deaths and bursts: a falling sine thump for weight, low-passed
// noise whose cutoff sinks for the blast, and sparse crackle for debris.
#include "tools/assetgen/sounds/EffectCatalogue.h"

namespace {

ToneLayer Thump(double from, double to, double fall, double decay, double gain, double start = 0.0)
{
    return {.shape = Waveform::Sine, .pitch = {from, to, fall}, .start = start,
            .envelope = {0.002, 0.0, decay}, .gain = gain};
}

NoiseLayer Blast(double from, double to, double decay, double gain, uint32_t seed, double start = 0.0)
{
    return {.mode = FilterMode::LowPass, .cutoff = {from, to, decay * 0.8}, .resonance = 0.1, .start = start,
            .envelope = {0.002, 0.0, decay}, .gain = gain, .seed = seed};
}

NoiseLayer Crackle(double centre, double density, double decay, double gain, uint32_t seed, double start = 0.0)
{
    return {.mode = FilterMode::BandPass, .cutoff = {centre, centre * 0.5, decay}, .resonance = 0.3,
            .start = start, .envelope = {0.01, decay * 0.2, decay}, .gain = gain, .density = density, .seed = seed};
}

ToneLayer Ring(double pitch, double ratio, double index, double decay, double gain, double start = 0.0)
{
    return {.pitch = {pitch, pitch * 0.97, decay}, .start = start, .envelope = {0.001, 0.0, decay}, .gain = gain,
            .fmRatio = ratio, .fmIndex = {index, index * 0.1, decay}};
}

} // namespace

std::vector<EffectEntry> ExplosionEffects()
{
    std::vector<EffectEntry> list;
    // The small enemies' burst, heard all the time: short and not too heavy.
    list.push_back({105, {.tones = {Thump(150, 45, 0.18, 0.35, 0.9)},
                          .noises = {Blast(7000, 350, 0.55, 0.9, 105), Crackle(2600, 0.012, 0.4, 0.5, 1105)},
                          .drive = 1.0, .loudness = -14.0f}});
    // A bit (drone): lighter and brighter, with a metallic ping.
    list.push_back({148, {.tones = {Thump(260, 90, 0.12, 0.2, 0.6), Ring(1850, 1.73, 3.0, 0.25, 0.25)},
                          .noises = {Blast(9000, 900, 0.4, 0.8, 148)},
                          .drive = 0.6, .loudness = -16.0f}});
    // A large enemy mortally hit: a crack, then a falling whine while it tumbles.
    list.push_back({127, {.tones = {Thump(110, 40, 0.3, 0.5, 0.9),
                                    {.shape = Waveform::Saw, .pitch = {1300, 260, 0.85}, .start = 0.03,
                                     .envelope = {0.02, 0.25, 0.6}, .gain = 0.35, .detune = 0.012,
                                     .vibratoRate = 9.0, .vibratoDepth = 0.03, .lowPass = 3200}},
                          .noises = {{.mode = FilterMode::HighPass, .cutoff = {1500, 1500, 0},
                                      .envelope = {0.001, 0.0, 0.12}, .gain = 0.9, .seed = 127},
                                     Blast(4000, 500, 0.4, 0.5, 1127)},
                          .drive = 1.2, .loudness = -13.0f}});
    // A large enemy's burst: two booms and a longer debris tail.
    list.push_back({106, {.tones = {Thump(110, 32, 0.4, 1.0, 1.0), Thump(75, 30, 0.3, 0.7, 0.7, 0.12)},
                          .noises = {Blast(5500, 220, 1.4, 1.0, 106), Crackle(1600, 0.007, 1.2, 0.6, 1106),
                                     Blast(9000, 2000, 0.25, 0.35, 2106)},
                          .drive = 1.5, .loudness = -11.0f}});
    // The boss mortally hit: a huge impact with a long metallic ring under the white flash.
    list.push_back({103, {.tones = {Thump(95, 28, 0.5, 2.0, 1.0), Ring(310, 1.414, 5.0, 2.4, 0.45),
                                    Ring(466, 2.41, 3.0, 1.6, 0.2)},
                          .noises = {Blast(9500, 200, 2.2, 1.0, 103), Crackle(2200, 0.008, 1.8, 0.5, 1103)},
                          .drive = 2.0, .loudness = -10.0f}});
    // The boss's final explosion: the biggest; a chain of booms over a long rumble.
    list.push_back({102, {.tones = {Thump(100, 28, 0.6, 2.5, 1.0), Thump(85, 26, 0.5, 2.0, 0.8, 0.28),
                                    Thump(120, 30, 0.5, 2.0, 0.7, 0.65), Thump(70, 24, 0.8, 2.6, 0.9, 1.1)},
                          .noises = {Blast(9000, 80, 4.2, 1.0, 102), Blast(6000, 300, 0.9, 0.6, 1102, 0.65),
                                     Crackle(1800, 0.01, 3.5, 0.6, 2102), Crackle(3500, 0.004, 2.5, 0.3, 3102, 0.3)},
                          .drive = 2.0, .echo = {0.19, 0.3, 0.25}, .loudness = -9.0f}});
    // The player's ship destroyed: a blast and a falling tone.
    list.push_back({108, {.tones = {Thump(130, 35, 0.5, 0.9, 0.9),
                                    {.shape = Waveform::Square, .pitch = {880, 100, 1.2}, .start = 0.02,
                                     .envelope = {0.005, 0.1, 1.3}, .gain = 0.4, .lowPass = 2500}},
                          .noises = {Blast(7000, 300, 1.3, 1.0, 108), Crackle(2500, 0.01, 1.0, 0.5, 1108)},
                          .drive = 1.4, .loudness = -11.0f}});
    // An enemy bullet destroyed: a small pop.
    list.push_back({170, {.tones = {{.shape = Waveform::Sine, .pitch = {950, 300, 0.05},
                                     .envelope = {0.001, 0.0, 0.06}, .gain = 0.8}},
                          .noises = {{.mode = FilterMode::BandPass, .cutoff = {2600, 2600, 0}, .resonance = 0.3,
                                      .envelope = {0.001, 0.0, 0.03}, .gain = 0.6, .seed = 170}},
                          .loudness = -23.0f}});
    return list;
}
