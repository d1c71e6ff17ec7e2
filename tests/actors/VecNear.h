// All three coordinates of a vector in one check: within the tolerance, or
// within four ulps (as EXPECT_FLOAT_EQ) when none is given.
#pragma once

#include "engine/VectorMath.h"

#include <gtest/gtest.h>

#include <cmath>

inline ::testing::AssertionResult Near(const Vec3& found, const Vec3& expected, double tolerance = -1.0)
{
    using Float = ::testing::internal::FloatingPoint<float>;
    const float f[] = {found.x, found.y, found.z};
    const float e[] = {expected.x, expected.y, expected.z};
    for (int i = 0; i < 3; ++i)
        if (tolerance < 0.0 ? !Float(f[i]).AlmostEquals(Float(e[i])) : std::fabs(double(f[i]) - e[i]) > tolerance)
            return ::testing::AssertionFailure() << "(" << f[0] << ", " << f[1] << ", " << f[2] << ") is not ("
                                                 << e[0] << ", " << e[1] << ", " << e[2] << ")";
    return ::testing::AssertionSuccess();
}
