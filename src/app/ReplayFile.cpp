// Writing and reading replay files: a header of little-endian fields, then the frames as
// changes, deflated.
#include "app/ReplayFile.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/Error.h"
#include "platform/Compression.h"

namespace {

const std::string kMagic = "KESTROVA REPLAY\n";
constexpr size_t kMaxText = 256;
constexpr uint8_t kRun = 0x80; // with the count less one in the low bits
constexpr int kMaxRun = 128;
enum TChange : uint8_t {
    CH_STEP = 1,
    CH_SCALED = 2,
    CH_DIVISOR = 4,
    CH_CONTROLS = 8,
    CH_AIM = 16,
    CH_HEALTH = 32
};
constexpr uint8_t kAllChanges = 63;
constexpr size_t kLargestFrame = 1 + 1 + 1 + 1 + 2 + 12 + 4;

struct EDamaged {
    std::string what;
};

class TWriter {
public:
    void Byte(uint8_t v) { bytes.push_back(static_cast<char>(v)); }
    void Unsigned(uint64_t v, int size) {
        for (int i = 0; i < size; ++i)
            Byte(static_cast<uint8_t>(v >> (8 * i)));
    }
    void Float(float v) {
        uint32_t bits;
        std::memcpy(&bits, &v, 4);
        Unsigned(bits, 4);
    }
    void Text(const std::string& v) {
        const std::string kept = v.substr(0, kMaxText); // profile names have no limit of their own
        Unsigned(kept.size(), 2);
        bytes += kept;
    }
    std::string bytes;
};

class TReader {
public:
    explicit TReader(const std::string& bytes) : bytes_(bytes) {}
    bool AtEnd() const { return at_ == bytes_.size(); }
    uint8_t Byte() {
        if (at_ >= bytes_.size()) throw EDamaged{"cut short"};
        return static_cast<uint8_t>(bytes_[at_++]);
    }
    uint64_t Unsigned(int size) {
        uint64_t v = 0;
        for (int i = 0; i < size; ++i)
            v |= static_cast<uint64_t>(Byte()) << (8 * i);
        return v;
    }
    float Float() {
        const auto bits = static_cast<uint32_t>(Unsigned(4));
        float v;
        std::memcpy(&v, &bits, 4);
        if (!std::isfinite(v)) throw EDamaged{"a number is not finite"};
        return v;
    }
    std::string Text() {
        const size_t size = Unsigned(2);
        if (size > kMaxText || size > bytes_.size() - at_) throw EDamaged{"a text is cut short"};
        at_ += size;
        return bytes_.substr(at_ - size, size);
    }
    std::string Tail() const { return bytes_.substr(at_); }

private:
    const std::string& bytes_;
    size_t at_ = 0;
};

bool SameAim(const TReplayFrame& a, const TReplayFrame& b) {
    return std::memcmp(a.aim.data(), b.aim.data(), sizeof a.aim) == 0;
}

uint8_t Changes(const TReplayFrame& f, const TReplayFrame& previous) {
    return (f.step != previous.step ? CH_STEP : 0) | (f.scaledStep != previous.scaledStep ? CH_SCALED : 0) |
           (f.divisor != previous.divisor ? CH_DIVISOR : 0) |
           (f.controls != previous.controls ? CH_CONTROLS : 0) | (!SameAim(f, previous) ? CH_AIM : 0) |
           (f.health ? CH_HEALTH : 0);
}

std::string PackFrames(const std::vector<TReplayFrame>& frames) {
    TWriter out;
    TReplayFrame previous;
    int run = 0;
    const auto endRun = [&] {
        if (run > 0) out.Byte(static_cast<uint8_t>(kRun | (run - 1)));
        run = 0;
    };
    for (const TReplayFrame& f : frames) {
        const uint8_t changes = Changes(f, previous);
        if (changes == 0) {
            if (++run == kMaxRun) endRun();
            continue;
        }
        endRun();
        out.Byte(changes);
        if (changes & CH_STEP) out.Byte(f.step);
        if (changes & CH_SCALED) out.Byte(f.scaledStep);
        if (changes & CH_DIVISOR) out.Byte(f.divisor);
        if (changes & CH_CONTROLS) out.Unsigned(f.controls, 2);
        if (changes & CH_AIM)
            for (float v : f.aim)
                out.Float(v);
        if (changes & CH_HEALTH) out.Float(*f.health);
        previous = f;
        previous.health.reset();
    }
    endRun();
    return out.bytes;
}

void CheckFrame(const TReplayFrame& f) {
    if (f.step > 25 || f.scaledStep > 25 || f.divisor < 1 || f.divisor > 4 || f.controls > RC_ALL)
        throw EDamaged{"a frame holds impossible values"};
}

std::vector<TReplayFrame> UnpackFrames(const std::string& packed, uint32_t count) {
    std::vector<TReplayFrame> frames;
    frames.reserve(std::min<size_t>(count, packed.size() * kMaxRun));
    TReader in(packed);
    TReplayFrame previous;
    while (!in.AtEnd()) {
        const uint8_t changes = in.Byte();
        if (changes & kRun) {
            frames.insert(frames.end(), (changes & ~kRun) + 1, previous);
        } else {
            if (changes & ~kAllChanges) throw EDamaged{"unknown frame data"};
            TReplayFrame f = previous;
            if (changes & CH_STEP) f.step = in.Byte();
            if (changes & CH_SCALED) f.scaledStep = in.Byte();
            if (changes & CH_DIVISOR) f.divisor = in.Byte();
            if (changes & CH_CONTROLS) f.controls = static_cast<uint16_t>(in.Unsigned(2));
            if (changes & CH_AIM)
                for (float& v : f.aim)
                    v = in.Float();
            if (changes & CH_HEALTH) f.health = in.Float();
            CheckFrame(f);
            frames.push_back(f);
            previous = f;
            previous.health.reset();
        }
        if (frames.size() > count) throw EDamaged{"more frames than its header says"};
    }
    if (frames.size() != count) throw EDamaged{"fewer frames than its header says"};
    return frames;
}

} // namespace

std::string WriteReplay(const TReplay& replay) {
    TWriter out;
    out.bytes = kMagic;
    out.Unsigned(kReplayFormat, 4);
    out.Text(replay.gameVersion);
    out.Unsigned(static_cast<uint32_t>(replay.stage), 4);
    out.Unsigned(replay.missionDigest, 8);
    out.Unsigned(replay.dataDigest, 8);
    out.Unsigned(replay.seed, 8);
    out.Text(replay.profile);
    const TStageStart& s = replay.start;
    out.Unsigned(static_cast<uint32_t>(s.score), 4);
    out.Float(s.health);
    out.Float(s.shield);
    out.Unsigned(static_cast<uint32_t>(s.timeLeft), 4);
    for (int32_t count : s.ammunition)
        out.Unsigned(static_cast<uint32_t>(count), 4);
    out.Unsigned(static_cast<uint64_t>(s.playTime), 8);
    out.Unsigned(static_cast<uint64_t>(s.frameCounter), 8);
    out.Float(s.cameraOffset);
    out.Float(s.fieldOfView);
    for (float drift : s.cloudDrift)
        out.Float(drift);
    for (float v : s.velocity)
        out.Float(v);
    for (int32_t v : s.car)
        out.Unsigned(static_cast<uint32_t>(v), 4);
    out.Byte(replay.outcome);
    out.Unsigned(static_cast<uint32_t>(replay.finalScore), 4);
    out.Unsigned(replay.frames.size(), 4);
    out.bytes += platform::Deflate(PackFrames(replay.frames));
    return out.bytes;
}

TReplay ReadReplay(const std::string& bytes, const std::string& name) {
    if (bytes.compare(0, kMagic.size(), kMagic) != 0) throw EGameError(name + " is not a Kestrova replay");
    TReader in(bytes);
    TReplay replay;
    try {
        for (size_t i = 0; i < kMagic.size(); ++i)
            in.Byte();
        const auto format = static_cast<uint32_t>(in.Unsigned(4));
        if (format != kReplayFormat)
            throw EGameError("Replay " + name + " is of format " + std::to_string(format) +
                             "; this game reads format " + std::to_string(kReplayFormat));
        replay.gameVersion = in.Text();
        replay.stage = static_cast<int32_t>(in.Unsigned(4));
        replay.missionDigest = in.Unsigned(8);
        replay.dataDigest = in.Unsigned(8);
        replay.seed = in.Unsigned(8);
        replay.profile = in.Text();
        TStageStart& s = replay.start;
        s.score = static_cast<int32_t>(in.Unsigned(4));
        s.health = in.Float();
        s.shield = in.Float();
        s.timeLeft = static_cast<int32_t>(in.Unsigned(4));
        for (int32_t& count : s.ammunition)
            count = static_cast<int32_t>(in.Unsigned(4));
        s.playTime = static_cast<int64_t>(in.Unsigned(8));
        s.frameCounter = static_cast<int64_t>(in.Unsigned(8));
        s.cameraOffset = in.Float();
        s.fieldOfView = in.Float();
        for (float& drift : s.cloudDrift)
            drift = in.Float();
        for (float& v : s.velocity)
            v = in.Float();
        for (int32_t& v : s.car)
            v = static_cast<int32_t>(in.Unsigned(4));
        replay.outcome = in.Byte();
        replay.finalScore = static_cast<int32_t>(in.Unsigned(4));
        const auto count = static_cast<uint32_t>(in.Unsigned(4));
        if (replay.stage < 1 || replay.stage > 15 || replay.outcome > RO_LOST || count > kMaxReplayFrames)
            throw EDamaged{"its header holds impossible values"};
        std::string packed;
        if (!platform::Inflate(in.Tail(), count * kLargestFrame + 1, packed))
            throw EDamaged{"its frames cannot be unpacked"};
        replay.frames = UnpackFrames(packed, count);
    } catch (const EDamaged& damage) {
        throw EGameError("Replay " + name + " is damaged: " + damage.what);
    }
    return replay;
}
