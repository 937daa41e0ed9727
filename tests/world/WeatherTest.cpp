// Weather particles: rebirth counts and the pool limit.
#include "world/WeatherControl.h"

#include <gtest/gtest.h>

#include "core/Random.h"
#include "resources/Effects.h"
#include "resources/ModelFiles.h"

namespace {

class WeatherTest : public ::testing::Test {
protected:
    void SetUp() override { Randomize(7); }

    static int Alive(const TWeather& weather) {
        int alive = 0;
        for (int i = 0; i < TWeather::kParticleCount; ++i)
            if (weather.Particle(i).life > 0) ++alive;
        return alive;
    }

    TFakeTextures textures_;
    TVector4 cameraAngles_;
    TEffects effects_{cameraAngles_, textures_};
    TSimpleEffect snowflake_{3};
    TWeather weather_{&effects_, &snowflake_};
};

} // namespace

TEST_F(WeatherTest, RebirthCountFollowsTheStepUpToThePoolAndStopsWithoutWeather) {
    weather_.SetKind(W_RAIN);
    weather_.Update(0, 0);
    EXPECT_EQ(Alive(weather_), 1);
    weather_.Update(0, 0);
    EXPECT_EQ(Alive(weather_), 2);
    weather_.Update(1000, 0); // round(7.14) + 1; the two older ones are still alive
    EXPECT_EQ(Alive(weather_), 10);
    weather_.Update(420, 0); // round(3.0) + 1
    EXPECT_EQ(Alive(weather_), 14);
    // No weather brings nothing back, but the particles in the air live out their time.
    weather_.SetKind(W_NONE);
    weather_.Update(1000, 0);
    EXPECT_EQ(Alive(weather_), 14);
    weather_.Update(5000, 0);
    EXPECT_EQ(Alive(weather_), 0);

    // The pool never exceeds its size, and living particles are not reborn.
    weather_.SetKind(W_RAIN);
    weather_.Update(200000, 0); // asks for 1430 births
    EXPECT_EQ(Alive(weather_), TWeather::kParticleCount);
    for (int i = 0; i < TWeather::kParticleCount; ++i) {
        const TWeatherParticle& p = weather_.Particle(i);
        EXPECT_GE(p.life, 5000);
        EXPECT_LT(p.position.x, 20);
        EXPECT_GE(p.position.z, 40);
    }
    const TWeatherParticle first = weather_.Particle(0);
    weather_.Update(0, 0);
    EXPECT_EQ(weather_.Particle(0).life, first.life);
    EXPECT_FLOAT_EQ(weather_.Particle(0).position.z, first.position.z);
}
