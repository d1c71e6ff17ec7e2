// A plate-like stereo reverb: parallel damped feedback combs into a chain of
// all-pass diffusers, with slightly different line lengths per side.
#pragma once

#include <cstddef>
#include <vector>

class Reverb {
public:
    explicit Reverb(int sampleRate);
    // Adds the reverberated mono send to the stereo pair.
    void Process(const std::vector<float>& send, std::vector<float>& left, std::vector<float>& right);

private:
    struct Comb {
        std::vector<float> line;
        size_t position = 0;
        float store = 0.0f;
    };
    struct AllPass {
        std::vector<float> line;
        size_t position = 0;
    };
    struct Side {
        std::vector<Comb> combs;
        std::vector<AllPass> diffusers;
    };

    float ProcessSide(Side& side, float input);

    Side left_;
    Side right_;
};
