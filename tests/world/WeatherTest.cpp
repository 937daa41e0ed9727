// Weather particles: the pool limit, and no weather.
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

TEST_F(WeatherTest, ThePoolNeverOverflowsLivingParticlesStayAndNoWeatherBringsNoneBack) {
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

    // The particles in the air live out their time.
    weather_.SetKind(W_NONE);
    weather_.Update(1000, 0);
    EXPECT_EQ(Alive(weather_), TWeather::kParticleCount);
    weather_.Update(5000, 0);
    EXPECT_EQ(Alive(weather_), 0);
}
