#include <cmath>

#include "platform/ControllerAxis.h"

int ScaleControllerAxis(int raw) {
    const double travel = raw < 0 ? raw / 32768.0 : raw / 32767.0;
    const double magnitude = std::fabs(travel);
    if (magnitude <= 0.5) {
        return 0;
    }
    const double beyond = (std::fmin(magnitude, 1.0) - 0.5) / 0.5;
    const int scaled = static_cast<int>(std::lround(beyond * 1000.0));
    return travel < 0 ? -scaled : scaled;
}
