#include "tools/assetgen/sounds/StereoEcho.h"

#include "tools/assetgen/sounds/Filters.h"

void AddStereoEcho(const std::vector<float>& send, double delaySeconds, float feedback, int sampleRate,
                   std::vector<float>& left, std::vector<float>& right)
{
    const size_t delay = static_cast<size_t>(delaySeconds * sampleRate);
    if (delay == 0) {
        return;
    }
    std::vector<float> leftLine(delay, 0.0f);
    std::vector<float> rightLine(delay, 0.0f);
    OnePoleLowPass leftDamping;
    OnePoleLowPass rightDamping;
    leftDamping.Tune(3500.0, sampleRate);
    rightDamping.Tune(3500.0, sampleRate);
    size_t position = 0;
    for (size_t i = 0; i < send.size(); ++i) {
        const float fromLeft = leftLine[position];
        const float fromRight = rightLine[position];
        leftLine[position] = send[i] + feedback * rightDamping.Process(fromRight);
        rightLine[position] = feedback * leftDamping.Process(fromLeft);
        left[i] += fromLeft;
        right[i] += fromRight;
        position = position + 1 == delay ? 0 : position + 1;
    }
}
