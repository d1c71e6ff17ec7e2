// Reloads and empty clicks, the menu, credits, messages, the warning tone,
// the results panel, pick-ups, and the ids that nothing plays.
#include "tools/assetgen/sounds/EffectCatalogue.h"

namespace {

NoiseLayer Click(double centre, double decay, double gain, uint32_t seed, double start = 0.0)
{
    return {.mode = FilterMode::BandPass, .cutoff = {centre, centre, 0}, .resonance = 0.6, .start = start,
            .envelope = {0.0005, 0.0, decay}, .gain = gain, .seed = seed};
}

ToneLayer Knock(double from, double to, double decay, double gain, double start = 0.0)
{
    return {.pitch = {from, to, decay}, .start = start, .envelope = {0.001, 0.0, decay}, .gain = gain};
}

ToneLayer Beep(Waveform shape, double pitch, double start, double hold, double gain, double lowPass)
{
    return {.shape = shape, .pitch = {pitch, pitch, 0}, .start = start, .envelope = {0.003, hold, 0.03},
            .gain = gain, .lowPass = lowPass};
}

ToneLayer Chime(double pitch, double start, double decay, double gain)
{
    return {.pitch = {pitch, pitch, 0}, .start = start, .envelope = {0.001, 0.0, decay}, .gain = gain,
            .fmRatio = 3.5, .fmIndex = {2.0, 0.2, decay * 0.5}};
}

void AddReloadSounds(std::vector<EffectEntry>& list)
{
    // The shot magazine out and a fresh one in: two clacks around a slide.
    list.push_back({138, {.tones = {Knock(420, 200, 0.05, 0.6), Knock(300, 150, 0.07, 0.7, 0.2)},
                          .noises = {Click(2500, 0.035, 1.0, 138),
                                     {.mode = FilterMode::BandPass, .cutoff = {1200, 2600, 0.1}, .resonance = 0.3,
                                      .start = 0.05, .envelope = {0.04, 0.0, 0.09}, .gain = 0.3, .seed = 1138},
                                     Click(1800, 0.05, 1.0, 2138, 0.2)},
                          .loudness = -18.0f}});
    // The ray magazine: an electronic charge chirp closing on a click.
    list.push_back({155, {.tones = {{.shape = Waveform::Square, .pitch = {400, 1600, 0.2}, .envelope = {0.01, 0.05, 0.2},
                                     .gain = 0.4, .lowPass = 3500},
                                    Knock(2000, 1900, 0.04, 0.4, 0.22)},
                          .noises = {Click(3500, 0.03, 0.9, 155, 0.22)},
                          .loudness = -18.0f}});
    // The blade cartridge: a heavy clack and a burst.
    list.push_back({140, {.tones = {Knock(200, 90, 0.09, 0.8), Knock(120, 38, 0.5, 1.0, 0.15)},
                          .noises = {Click(1500, 0.05, 1.0, 140),
                                     {.mode = FilterMode::LowPass, .cutoff = {6000, 300, 0.5}, .resonance = 0.1,
                                      .start = 0.15, .envelope = {0.002, 0.0, 0.6}, .gain = 1.0, .seed = 1140},
                                     {.mode = FilterMode::BandPass, .cutoff = {2000, 1000, 0.5}, .resonance = 0.3,
                                      .start = 0.15, .envelope = {0.01, 0.05, 0.5}, .gain = 0.5, .density = 0.008,
                                      .seed = 2140}},
                          .drive = 1.2, .loudness = -14.0f}});
    // Reload pressed with the blade held: a soft thunk.
    list.push_back({157, {.tones = {Knock(250, 120, 0.08, 0.9)},
                          .noises = {{.mode = FilterMode::LowPass, .cutoff = {1500, 1500, 0},
                                      .envelope = {0.001, 0.0, 0.04}, .gain = 0.6, .seed = 157}},
                          .loudness = -21.0f}});
}

void AddRefusalSounds(std::vector<EffectEntry>& list)
{
    // No shot ammunition: a dry mechanical click.
    list.push_back({139, {.tones = {Knock(1000, 900, 0.015, 0.3)}, .noises = {Click(3000, 0.025, 1.0, 139)},
                          .loudness = -20.0f}});
    // No ray ammunition: an electronic click.
    list.push_back({154, {.tones = {{.shape = Waveform::Square, .pitch = {620, 300, 0.05},
                                     .envelope = {0.001, 0.0, 0.05}, .gain = 0.6, .lowPass = 3000}},
                          .noises = {Click(5000, 0.02, 0.5, 154)},
                          .loudness = -20.0f}});
    // Not ready: two low buzzes.
    list.push_back({126, {.tones = {Beep(Waveform::Square, 150, 0.0, 0.05, 0.8, 2000),
                                    Beep(Waveform::Square, 150, 0.1, 0.05, 0.8, 2000)},
                          .loudness = -20.0f}});
}

void AddCabinetSounds(std::vector<EffectEntry>& list)
{
    // A credit: a token clinks into the slot and rings twice, metallic.
    list.push_back({121, {.tones = {{.pitch = {1760, 1760, 0}, .envelope = {0.001, 0.0, 0.3}, .gain = 0.6,
                                     .fmRatio = 2.76, .fmIndex = {3.0, 0.3, 0.2}},
                                    {.pitch = {2637, 2637, 0}, .start = 0.07, .envelope = {0.001, 0.0, 0.45},
                                     .gain = 0.5, .fmRatio = 2.76, .fmIndex = {2.5, 0.2, 0.3}}},
                          .noises = {Click(6000, 0.015, 0.8, 121)},
                          .loudness = -17.0f}});
    // The title menu cursor.
    list.push_back({146, {.tones = {Beep(Waveform::Pulse25, 1200, 0.0, 0.015, 0.8, 5000)}, .loudness = -21.0f}});
    // A screenshot: a shutter's two clicks.
    list.push_back({160, {.noises = {Click(4000, 0.02, 1.0, 160),
                                     {.mode = FilterMode::BandPass, .cutoff = {2000, 1500, 0.08}, .resonance = 0.2,
                                      .start = 0.02, .envelope = {0.005, 0.0, 0.08}, .gain = 0.5, .seed = 1160},
                                     Click(3000, 0.03, 0.8, 2160, 0.12)},
                          .loudness = -20.0f}});
}

void AddMessageSounds(std::vector<EffectEntry>& list)
{
    // Each further message line: a radio blip over a breath of static.
    list.push_back({162, {.tones = {Beep(Waveform::Sine, 1200, 0.0, 0.04, 0.8, 0)},
                          .noises = {{.mode = FilterMode::BandPass, .cutoff = {3000, 3000, 0}, .resonance = 0.2,
                                      .envelope = {0.005, 0.03, 0.06}, .gain = 0.25, .seed = 162}},
                          .loudness = -21.0f}});
    // The first line of a transmission: three rising beeps over static.
    list.push_back({163, {.tones = {Beep(Waveform::Square, 880, 0.0, 0.08, 0.5, 3000),
                                    Beep(Waveform::Square, 1319, 0.13, 0.08, 0.5, 3000),
                                    Beep(Waveform::Square, 1760, 0.26, 0.08, 0.5, 3000)},
                          .noises = {{.mode = FilterMode::BandPass, .cutoff = {2500, 2500, 0}, .resonance = 0.2,
                                      .envelope = {0.01, 0.35, 0.1}, .gain = 0.15, .seed = 163}},
                          .loudness = -19.0f}});
    // The rear warning: one beep and a rest, so back-to-back restarts make a steady alarm.
    list.push_back({165, {.length = 0.22, .tones = {Beep(Waveform::Square, 1400, 0.0, 0.09, 0.8, 3000)},
                          .loudness = -19.0f}});
}

void AddResultSounds(std::vector<EffectEntry>& list)
{
    // A results counter: a small bright ding.
    list.push_back({152, {.tones = {Chime(2093, 0.0, 0.16, 0.6),
                                    {.shape = Waveform::Triangle, .pitch = {2093, 2093, 0},
                                     .envelope = {0.001, 0.0, 0.15}, .gain = 0.4}},
                          .loudness = -19.0f}});
    // The results panel opening: a short rush and a chime.
    list.push_back({149, {.tones = {Chime(1319, 0.1, 0.4, 0.5), Chime(1976, 0.1, 0.4, 0.4)},
                          .noises = {{.mode = FilterMode::BandPass, .cutoff = {1000, 6000, 0.12}, .resonance = 0.3,
                                      .envelope = {0.1, 0.0, 0.2}, .gain = 0.5, .seed = 149}},
                          .loudness = -18.0f}});
    // A score item collected: two sparkling notes.
    list.push_back({171, {.tones = {{.shape = Waveform::Triangle, .pitch = {1319, 1319, 0},
                                     .envelope = {0.001, 0.04, 0.03}, .gain = 0.6},
                                    Chime(1976, 0.06, 0.25, 0.6)},
                          .loudness = -19.0f}});
}

// Nothing plays these ids, but the list loads them: short, quiet variations.
void AddUnplayedSounds(std::vector<EffectEntry>& list)
{
    const int ids[] = {132, 137, 141, 142, 159, 164, 167};
    double pitch = 660.0;
    for (int id : ids) {
        list.push_back({id, {.tones = {Beep(Waveform::Triangle, pitch, 0.0, 0.05, 0.8, 0)}, .loudness = -24.0f}});
        pitch *= 1.122;
    }
}

} // namespace

std::vector<EffectEntry> InterfaceEffects()
{
    std::vector<EffectEntry> list;
    AddReloadSounds(list);
    AddRefusalSounds(list);
    AddCabinetSounds(list);
    AddMessageSounds(list);
    AddResultSounds(list);
    AddUnplayedSounds(list);
    return list;
}
