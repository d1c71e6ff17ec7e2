// Where the music's voices are mixed: the dry stereo pair and the mono sends
// to the reverb and the echo. A TrackOutput adds one track's voices with the
// track's level, pan and send amounts.
#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

struct MixBus {
    std::vector<float> left;
    std::vector<float> right;
    std::vector<float> reverb;
    std::vector<float> delay;

    explicit MixBus(size_t frames) : left(frames, 0.0f), right(frames, 0.0f), reverb(frames, 0.0f), delay(frames, 0.0f) {}
    size_t Frames() const { return left.size(); }
};

// Constant-power pan gains for pan -1 (left) .. 1 (right).
struct PanGains {
    float left = 0.0f;
    float right = 0.0f;

    static PanGains For(double pan)
    {
        const double clamped = pan < -1.0 ? -1.0 : (pan > 1.0 ? 1.0 : pan);
        const double angle = (clamped + 1.0) * 0.7853981633974483;
        return {static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle))};
    }
};

class TrackOutput {
public:
    TrackOutput(MixBus& bus, double gain, double pan, double reverb, double delay)
        : bus_(bus), gain_(static_cast<float>(gain)), pan_(pan), reverb_(static_cast<float>(gain * reverb)),
          delay_(static_cast<float>(gain * delay))
    {
        const PanGains gains = PanGains::For(pan);
        left_ = gains.left * gain_;
        right_ = gains.right * gain_;
    }

    size_t Frames() const { return bus_.Frames(); }
    double Pan() const { return pan_; }

    void Add(size_t frame, float value)
    {
        bus_.left[frame] += left_ * value;
        bus_.right[frame] += right_ * value;
        Send(frame, value);
    }

    // A voice with its own stereo image (already panned), scaled by the track level.
    void AddStereo(size_t frame, float left, float right)
    {
        bus_.left[frame] += gain_ * left;
        bus_.right[frame] += gain_ * right;
        Send(frame, 0.5f * (left + right));
    }

private:
    void Send(size_t frame, float value)
    {
        bus_.reverb[frame] += reverb_ * value;
        bus_.delay[frame] += delay_ * value;
    }

    MixBus& bus_;
    float gain_;
    double pan_;
    float reverb_;
    float delay_;
    float left_ = 0.0f;
    float right_ = 0.0f;
};
