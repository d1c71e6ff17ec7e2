#include "tools/assetgen/sounds/Reverb.h"

namespace {

constexpr float kFeedback = 0.83f;
constexpr float kDamping = 0.3f;
constexpr float kDiffusion = 0.5f;
constexpr float kInputGain = 0.02f;
constexpr float kWetGain = 2.5f;
// Line lengths at 44.1 kHz (mutually prime, so the echoes do not pile up).
constexpr int kCombLengths[8] = {1117, 1187, 1279, 1361, 1423, 1493, 1559, 1627};
constexpr int kDiffuserLengths[4] = {557, 439, 347, 223};
constexpr int kRightSpread = 29;

size_t Scaled(int length, int sampleRate)
{
    return static_cast<size_t>(static_cast<long long>(length) * sampleRate / 44100) + 1;
}

} // namespace

Reverb::Reverb(int sampleRate)
{
    for (int length : kCombLengths) {
        left_.combs.push_back({std::vector<float>(Scaled(length, sampleRate), 0.0f)});
        right_.combs.push_back({std::vector<float>(Scaled(length + kRightSpread, sampleRate), 0.0f)});
    }
    for (int length : kDiffuserLengths) {
        left_.diffusers.push_back({std::vector<float>(Scaled(length, sampleRate), 0.0f)});
        right_.diffusers.push_back({std::vector<float>(Scaled(length + kRightSpread, sampleRate), 0.0f)});
    }
}

float Reverb::ProcessSide(Side& side, float input)
{
    float sum = 0.0f;
    for (Comb& comb : side.combs) {
        const float delayed = comb.line[comb.position];
        comb.store = delayed * (1.0f - kDamping) + comb.store * kDamping;
        comb.line[comb.position] = input + comb.store * kFeedback;
        comb.position = comb.position + 1 == comb.line.size() ? 0 : comb.position + 1;
        sum += delayed;
    }
    for (AllPass& diffuser : side.diffusers) {
        const float delayed = diffuser.line[diffuser.position];
        diffuser.line[diffuser.position] = sum + delayed * kDiffusion;
        diffuser.position = diffuser.position + 1 == diffuser.line.size() ? 0 : diffuser.position + 1;
        sum = delayed - sum;
    }
    return sum;
}

void Reverb::Process(const std::vector<float>& send, std::vector<float>& left, std::vector<float>& right)
{
    for (size_t i = 0; i < send.size(); ++i) {
        const float input = send[i] * kInputGain;
        left[i] += kWetGain * ProcessSide(left_, input);
        right[i] += kWetGain * ProcessSide(right_, input);
    }
}
