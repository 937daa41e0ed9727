// Sound files and signal measurements for the sound tests.
#pragma once

#include <string>
#include <utility>
#include <vector>

enum class TSoundFormat { Wav8, Wav16, Ogg };

// `seconds` of a sine at `frequency` Hz and peak `amplitude` (0..1) on every channel,
// encoded as a complete file in memory.
std::string SineFile(TSoundFormat format, int sampleRate, int channels, double frequency, double seconds,
                     double amplitude);

// One channel (0 left, 1 right) of interleaved stereo frames, from `first` to `last` (exclusive).
std::vector<float> StereoChannel(const std::vector<float>& stereo, int channel, int first, int last);
double Rms(const std::vector<float>& signal);
// Left and right levels of `frames` frames rendered on the loopback device, once the fade
// OpenAL Soft gives every gain change has run out.
std::pair<double, double> Levels(int frames);
// Frequency in Hz from the number of sign changes.
double ZeroCrossingFrequency(const std::vector<float>& signal, int sampleRate);
