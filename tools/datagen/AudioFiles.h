// Writers for the game's sound files through libsndfile: WAV 16-bit PCM and Ogg Vorbis.
#pragma once

#include <string>
#include <vector>

// Mono samples in [-1, 1]; louder values are clipped.
void WriteWav(const std::string& path, const std::vector<float>& mono, int rate);
// Interleaved stereo samples in [-1, 1]; `quality` 0..1 as libvorbis takes it.
void WriteOgg(const std::string& path, const std::vector<float>& stereo, int rate, double quality);
