#include "tools/assetgen/sounds/Instruments.h"

#include "tools/assetgen/sounds/Filters.h"
#include "tools/assetgen/sounds/NoiseSource.h"
#include "tools/assetgen/sounds/Oscillators.h"
#include "tools/assetgen/sounds/VoiceEnvelope.h"

#include <algorithm>
#include <cmath>

namespace {

// Phase modulation is given in radians; our phases count cycles.
constexpr double kRadiansToCycles = 0.15915494309189535;
// A delayed vibrato, as a singer or violinist would add to a held note.
class Vibrato {
public:
    Vibrato(double depth, int sampleRate) : depth_(depth), rate_(sampleRate) {}

    // Moves at the control rate: far slower than any pitch it bends.
    double Factor(size_t frame)
    {
        if (frame % kFilterControlInterval == 0) {
            const double t = static_cast<double>(frame) / rate_;
            const double amount = std::clamp((t - 0.18) / 0.3, 0.0, 1.0) * depth_;
            factor_ = 1.0 + amount * SineWave(5.6 * t);
        }
        return factor_;
    }

private:
    double depth_;
    int rate_;
    double factor_ = 1.0;
};

class BassVoice {
public:
    BassVoice(double frequency, const TrackSetup& track, float velocity, int sampleRate)
        : increment_(frequency / sampleRate), rate_(sampleRate), envelopeFactor_(DecayPerSample(0.5, sampleRate)),
          base_(110.0 * track.bright), sweep_((250.0 + 2000.0 * velocity) * track.bright)
    {
    }

    float Next(size_t frame)
    {
        if (frame % kFilterControlInterval == 0) {
            filter_.Tune(base_ + sweep_ * (0.25 + 0.75 * sweepLevel_), 0.3, rate_);
        }
        sweepLevel_ *= envelopeFactor_;
        const float value = 0.55f * SawWave(saw_.Advance(increment_), increment_) +
                            0.3f * PulseWave(pulse_.Advance(increment_ * 1.003), increment_ * 1.003, 0.5) +
                            0.45f * SineWave(sine_.Advance(increment_));
        return filter_.Process(value, FilterMode::LowPass);
    }

private:
    double increment_;
    int rate_;
    double envelopeFactor_;
    double base_;
    double sweep_;
    double sweepLevel_ = 1.0;
    Phase saw_;
    Phase pulse_;
    Phase sine_;
    StateVariableFilter filter_;
};

class LeadVoice {
public:
    LeadVoice(double frequency, const TrackSetup& track, float velocity, int sampleRate, NoiseSource& noise)
        : increment_(frequency / sampleRate), rate_(sampleRate), vibrato_(0.0045, sampleRate),
          envelopeFactor_(DecayPerSample(1.2, sampleRate)), scale_(track.bright * (0.6 + 0.4 * velocity))
    {
        upper_.value = noise.NextUnit();
        square_.value = noise.NextUnit();
    }

    float Next(size_t frame)
    {
        if (frame % kFilterControlInterval == 0) {
            filter_.Tune((1600.0 + 3200.0 * sweepLevel_) * scale_, 0.25, rate_);
        }
        sweepLevel_ *= envelopeFactor_;
        const double increment = increment_ * vibrato_.Factor(frame);
        const double lower = increment * 0.9982;
        const double upper = increment * 1.0018;
        const float value = 0.5f * SawWave(lower_.Advance(lower), lower) + 0.5f * SawWave(upper_.Advance(upper), upper) +
                            0.3f * PulseWave(square_.Advance(increment), increment, 0.5);
        return filter_.Process(value, FilterMode::LowPass);
    }

private:
    double increment_;
    int rate_;
    Vibrato vibrato_;
    double envelopeFactor_;
    double scale_;
    double sweepLevel_ = 1.0;
    Phase lower_;
    Phase upper_;
    Phase square_;
    StateVariableFilter filter_;
};

class ChipVoice {
public:
    ChipVoice(double frequency, const TrackSetup& track, int sampleRate)
        : increment_(frequency / sampleRate), vibrato_(0.006, sampleRate)
    {
        filter_.Tune(6500.0 * track.bright, 0.0, sampleRate);
    }

    float Next(size_t frame)
    {
        const double increment = increment_ * vibrato_.Factor(frame);
        return filter_.Process(PulseWave(phase_.Advance(increment), increment, 0.25), FilterMode::LowPass);
    }

private:
    double increment_;
    Vibrato vibrato_;
    Phase phase_;
    StateVariableFilter filter_;
};

class PluckVoice {
public:
    PluckVoice(double frequency, const TrackSetup& track, float velocity, int sampleRate)
        : increment_(frequency / sampleRate), rate_(sampleRate), envelopeFactor_(DecayPerSample(0.35, sampleRate)),
          sweep_(6000.0 * track.bright * velocity), base_(250.0 * track.bright)
    {
    }

    float Next(size_t frame)
    {
        if (frame % kFilterControlInterval == 0) {
            filter_.Tune(base_ + sweep_ * sweepLevel_, 0.25, rate_);
        }
        sweepLevel_ *= envelopeFactor_;
        const double phase = phase_.Advance(increment_);
        const float value = SawWave(phase, increment_) + 0.4f * PulseWave(phase, increment_, 0.25);
        return filter_.Process(value, FilterMode::LowPass);
    }

private:
    double increment_;
    int rate_;
    double envelopeFactor_;
    double sweep_;
    double base_;
    double sweepLevel_ = 1.0;
    Phase phase_;
    StateVariableFilter filter_;
};

class BellVoice {
public:
    BellVoice(double frequency, float velocity, int sampleRate)
        : increment_(frequency / sampleRate), indexFactor_(DecayPerSample(1.6, sampleRate)), index_(2.2 * velocity)
    {
    }

    float Next(size_t)
    {
        index_ *= indexFactor_;
        const double modulator = (index_ + 0.3) * SineWave(modulator_.Advance(increment_ * 3.0));
        const double carrier = carrier_.Advance(increment_);
        return SineWave(carrier + modulator * kRadiansToCycles) + 0.2f * SineWave(octave_.Advance(increment_ * 2.0));
    }

private:
    double increment_;
    double indexFactor_;
    double index_;
    Phase carrier_;
    Phase modulator_;
    Phase octave_;
};

// Three detuned saws spread across the stereo field under a slowly moving filter.
class PadVoice {
public:
    PadVoice(double frequency, const TrackSetup& track, int sampleRate, NoiseSource& noise)
        : increment_(frequency / sampleRate), rate_(sampleRate), cutoff_(700.0 + 900.0 * track.bright)
    {
        for (Phase& phase : phases_) {
            phase.value = noise.NextUnit();
        }
        lfo_.value = noise.NextUnit();
    }

    void Next(size_t frame, float& left, float& right)
    {
        if (frame % kFilterControlInterval == 0) {
            const double cutoff = cutoff_ * (1.0 + 0.25 * SineWave(lfo_.value));
            leftFilter_.Tune(cutoff, 0.15, rate_);
            rightFilter_.Tune(cutoff * 1.07, 0.15, rate_);
        }
        lfo_.Advance(0.15 / rate_);
        const double low = increment_ * 0.995;
        const double high = increment_ * 1.0045;
        const float a = SawWave(phases_[0].Advance(low), low);
        const float b = SawWave(phases_[1].Advance(increment_), increment_);
        const float c = SawWave(phases_[2].Advance(high), high);
        left = leftFilter_.Process(a + 0.6f * b, FilterMode::LowPass);
        right = rightFilter_.Process(c + 0.6f * b, FilterMode::LowPass);
    }

private:
    double increment_;
    int rate_;
    double cutoff_;
    Phase phases_[3];
    Phase lfo_;
    StateVariableFilter leftFilter_;
    StateVariableFilter rightFilter_;
};

struct NoteSpan {
    size_t first = 0;
    size_t count = 0;
};

NoteSpan SpanOf(const PlayedNote& note, size_t envelopeFrames, int sampleRate, const TrackOutput& out)
{
    const size_t first = static_cast<size_t>(note.start * sampleRate + 0.5);
    if (first >= out.Frames()) {
        return {};
    }
    return {first, std::min(envelopeFrames, out.Frames() - first)};
}

template <typename Voice>
void RenderMono(Voice& voice, const EnvelopeShape& shape, const PlayedNote& note, int sampleRate, TrackOutput& out)
{
    VoiceEnvelope envelope(shape, note.length, sampleRate);
    const NoteSpan span = SpanOf(note, envelope.Frames(), sampleRate, out);
    for (size_t i = 0; i < span.count; ++i) {
        out.Add(span.first + i, note.velocity * envelope.Next() * voice.Next(i));
    }
}

void RenderPad(PadVoice& voice, const PlayedNote& note, int sampleRate, TrackOutput& out)
{
    VoiceEnvelope envelope({0.4, 0.6, 0.85, 0.9}, note.length, sampleRate);
    const NoteSpan span = SpanOf(note, envelope.Frames(), sampleRate, out);
    const PanGains centre = PanGains::For(out.Pan());
    for (size_t i = 0; i < span.count; ++i) {
        float left = 0.0f;
        float right = 0.0f;
        voice.Next(i, left, right);
        const float level = note.velocity * envelope.Next();
        out.AddStereo(span.first + i, level * left * centre.left * 1.41f, level * right * centre.right * 1.41f);
    }
}

} // namespace

double MidiToHertz(int pitch)
{
    return 440.0 * std::pow(2.0, (pitch - 69) / 12.0);
}

void RenderNote(const TrackSetup& track, const PlayedNote& note, uint32_t seed, int sampleRate, TrackOutput& out)
{
    const double frequency = MidiToHertz(note.pitch);
    NoiseSource noise(seed);
    switch (track.voice) {
    case VoiceKind::Bass: {
        BassVoice voice(frequency, track, note.velocity, sampleRate);
        RenderMono(voice, {0.003, 0.3, 0.8, 0.05}, note, sampleRate, out);
        break;
    }
    case VoiceKind::Lead: {
        LeadVoice voice(frequency, track, note.velocity, sampleRate, noise);
        RenderMono(voice, {0.012, 0.4, 0.8, 0.15}, note, sampleRate, out);
        break;
    }
    case VoiceKind::Chip: {
        ChipVoice voice(frequency, track, sampleRate);
        RenderMono(voice, {0.005, 0.2, 0.7, 0.06}, note, sampleRate, out);
        break;
    }
    case VoiceKind::Pluck: {
        PluckVoice voice(frequency, track, note.velocity, sampleRate);
        RenderMono(voice, {0.002, 0.9, 0.0, 0.08}, note, sampleRate, out);
        break;
    }
    case VoiceKind::Bell: {
        BellVoice voice(frequency, note.velocity, sampleRate);
        RenderMono(voice, {0.002, 2.5, 0.0, 0.5}, note, sampleRate, out);
        break;
    }
    case VoiceKind::Pad: {
        PadVoice voice(frequency, track, sampleRate, noise);
        RenderPad(voice, note, sampleRate, out);
        break;
    }
    case VoiceKind::Drums:
        RenderDrumHit(note, seed, sampleRate, out);
        break;
    }
}
