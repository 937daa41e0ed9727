// Compares a vector's x, y and z with expected values, to float rounding.
#pragma once

#include <gtest/gtest.h>

#include "resources/Matrix.h"

inline void ExpectPoint(const TVector4& v, float x, float y, float z) {
    EXPECT_NEAR(v.x, x, 1e-5f);
    EXPECT_NEAR(v.y, y, 1e-5f);
    EXPECT_NEAR(v.z, z, 1e-5f);
}
