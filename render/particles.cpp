#include "render/particles.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "bench/catalogue/equipment_geometry.h"
#include "bench/model/lab_objects.h"

ParticleLists Particles;

namespace {

class LibraryRandom final : public ParticleRandom {
public:
    int32_t Next() override { return std::rand() & 0x7FFF; }
};

LibraryRandom libraryRandom;
ParticleRandom* particleRandom = &libraryRandom;
uint32_t paintSerial = 1;

constexpr int kSpawnCount = 5;
constexpr int32_t kFlameAlpha = 75, kBubbleAlpha = 150, kVapourAlpha = 150;
constexpr int32_t kFadeStep = 10;
constexpr int32_t kVapourSize = 10;
constexpr uint8_t kBubbleGrey = 128, kVapourGrey = 160;

int32_t NextRandom() { return particleRandom->Next(); }

// Toward zero like a C cast, but a value from a damaged record (NaN, out
// of range) can not overflow the integer.
int32_t Truncate(double v) {
    if (!(v == v)) return 0;
    if (v >= 2147483647.0) return INT32_MAX;
    if (v <= -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(v);
}

// fmod(rand(), m): 0 when m is not a usable modulus.
double RandomBelow(double m) {
    const double r = NextRandom();
    return m > 0 ? std::fmod(r, m) : 0.0;
}

uint8_t Byte(int32_t v) { return static_cast<uint8_t>(v < 0 ? 0 : v > 255 ? 255 : v); }

int32_t Advance(int32_t at, float step) { return Truncate(static_cast<double>(at) + step); }

int32_t ReadHeadInt(const LabObject& o, size_t offset) {
    int32_t v;
    std::memcpy(&v, reinterpret_cast<const unsigned char*>(&o) + offset, sizeof v);
    return v;
}

// Visits the whole list from its end, sliding the kept entries toward the end
// as it goes, then drops the gap in one move: erasing each retired entry where
// it stood moved thousands of entries a paint on a bench full of bubbles.
template <typename List, typename Visit>
void WalkBackwards(List& list, Visit visit) {
    size_t kept = list.size();  // list[kept..] are the kept entries, in order
    for (size_t i = list.size(); i-- > 0;)
        if (!visit(list[i])) {
            if (--kept != i) list[kept] = list[i];
        }
    list.erase(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(kept));
}

void Push(ParticleDrawList* draws, const ParticleDraw& d) {
    if (draws) draws->push_back(d);
}

}  // namespace

void SetParticleRandom(ParticleRandom* r) { particleRandom = r ? r : &libraryRandom; }

void BeginParticlePaint() {
    if (++paintSerial == 0) paintSerial = 1;  // 0 marks a particle never stepped
}

double BurnerMouthDepth(const LabObject& burner) {
    // The flame rises from the burner's mouth, under the tripod's gauze.
    const ShapePart* mouth = FindShapePart(EquipmentBodyShape(kBunsenBurner), "mouth");
    const int32_t height = burner.position.bottom - burner.position.top;
    return mouth && height > 0 ? mouth->box.top * height : 0.0;
}

void UpdateFlame(const LabObject& burner, int32_t bodyWidth, double s, ParticleDrawList* draws) {
    int32_t red = burner.liquidColour[0], green = burner.liquidColour[1], blue = burner.liquidColour[2];
    if (red == 0 && green == 0 && blue == 0) blue = 255;
    const int32_t x0 = Truncate(burner.position.left + bodyWidth * 0.5 - 6 * s);
    const int32_t y0 = Truncate(burner.position.top + BurnerMouthDepth(burner) - 10 * s);
    int32_t spread = Truncate(5 * s);
    if (spread < 1) spread = 1;
    for (int i = 0; i < kSpawnCount; ++i) {
        FlameParticle p{};
        p.x = x0 + NextRandom() % spread;
        p.y = y0 + NextRandom() % spread;
        p.dy = static_cast<float>(-3 * s);
        p.alpha = kFlameAlpha;
        p.red = red;
        p.blue = blue;
        p.green = green;
        p.size = Truncate(12 * s);
        Particles.flame.push_back(p);
    }
    WalkBackwards(Particles.flame, [&](FlameParticle& p) {
        if (p.steppedInPaint == paintSerial) return false;
        p.steppedInPaint = paintSerial;
        p.size -= 1;
        p.x = Advance(p.x, p.dx);
        p.y = Advance(p.y, p.dy);
        p.alpha = p.alpha - kFadeStep < 0 ? 0 : p.alpha - kFadeStep;
        Push(draws, {p.x, p.y, p.size, Byte(p.alpha), Byte(p.red), Byte(p.green), Byte(p.blue), false});
        return p.alpha <= 0 || p.size < 0;
    });
}

void UpdateVapour(const LabObject& flask, double s, ParticleDrawList* draws) {
    constexpr uint16_t kTakeOffFitted = 0x10;
    if (!(flask.flowSetting > 0) || !(flask.stateBits & kTakeOffFitted) || flask.pourTarget == 0) return;
    const int32_t outletRight = ReadHeadInt(flask, 272);
    const int32_t x0 =
        Truncate(flask.position.left + flask.outletX + (outletRight - flask.outletX) * 0.5);
    VapourParticle p{};
    p.x = Truncate(x0 + RandomBelow(10));
    p.y = flask.position.top + flask.outletY;
    p.dy = static_cast<float>(5 * s);
    p.alpha = kVapourAlpha;
    p.size = kVapourSize;
    Particles.vapour.push_back(p);
    WalkBackwards(Particles.vapour, [&](VapourParticle& v) {
        if (v.steppedInPaint == paintSerial) return false;
        v.steppedInPaint = paintSerial;
        v.x = Advance(v.x, v.dx);
        v.y = Advance(v.y, v.dy);
        v.alpha = v.alpha - kFadeStep < 0 ? 0 : v.alpha - kFadeStep;
        Push(draws, {v.x, v.y, kVapourSize, Byte(v.alpha), kVapourGrey, kVapourGrey, kVapourGrey, false});
        return v.alpha <= 0 || v.size < 0;
    });
}

void UpdateBubbles(LabObject& o, int32_t ownerIndex, double liquidHeight, int32_t layerWidth,
                   int32_t layerHeight, double s, bool haveImage, ParticleDrawList* draws) {
    if (o.afterBoilCounter < 0) o.afterBoilCounter = 0;
    const bool boiling = o.temperature >= o.boilingPoint && liquidHeight > 0;
    if (boiling || o.afterBoilCounter != 0) {
        if (o.afterBoilCounter != 0) o.afterBoilCounter -= 1;
        for (int i = 0; i < kSpawnCount; ++i) {
            BubbleParticle b{};
            b.x = Truncate(RandomBelow(layerWidth));
            b.y = layerHeight;
            b.startY = layerHeight;
            b.riseLimit = Truncate(liquidHeight);
            b.dy = static_cast<float>(-5 * s);
            b.alpha = kBubbleAlpha;
            b.size = Truncate(RandomBelow(15 * s));
            b.owner = ownerIndex;
            Particles.bubbles.push_back(b);
        }
    }
    WalkBackwards(Particles.bubbles, [&](BubbleParticle& b) {
        if (b.owner != ownerIndex) return false;
        b.x = Advance(b.x, b.dx);
        b.y = Advance(b.y, b.dy);
        if (b.alpha < 0) b.alpha = 0;
        Push(draws, {b.x, b.y, b.size, Byte(b.alpha), kBubbleGrey, kBubbleGrey, kBubbleGrey, haveImage});
        return static_cast<int64_t>(b.startY) - b.y >= b.riseLimit;
    });
}

void UpdatePrecipitateParticles(const LabObject& o, int32_t ownerIndex, int32_t layerWidth, double s,
                                double startY, ParticleDrawList* draws) {
    if (o.precipitate > 0) {
        for (int i = 0; i < kSpawnCount; ++i) {
            PrecipitateParticle p{};
            p.x = Truncate(RandomBelow(layerWidth));
            p.y = Truncate(startY);
            p.floor = o.pictureHeight;
            p.dy = static_cast<float>(s);
            p.alpha = 255;
            p.red = o.suspendedColour[0];
            p.blue = o.suspendedColour[2];
            p.green = o.suspendedColour[1];
            p.size = Truncate(3 * s);
            p.owner = ownerIndex;
            Particles.precipitate.push_back(p);
        }
    }
    WalkBackwards(Particles.precipitate, [&](PrecipitateParticle& p) {
        if (p.owner != ownerIndex) return false;
        p.x = Advance(p.x, p.dx);
        p.y = Advance(p.y, p.dy);
        if (p.alpha < 0) p.alpha = 0;
        Push(draws, {p.x, p.y, p.size, Byte(p.alpha), Byte(p.red), Byte(p.green), Byte(p.blue), false});
        return p.y >= p.floor;
    });
}

void RemoveBubbleParticles(int32_t ownerIndex) {
    WalkBackwards(Particles.bubbles, [&](BubbleParticle& b) { return b.owner == ownerIndex; });
}

void RemovePrecipitateParticles(int32_t ownerIndex) {
    WalkBackwards(Particles.precipitate,
                  [&](PrecipitateParticle& p) { return p.owner == ownerIndex; });
}

void RenumberParticleOwners(const int32_t* newIndex, int32_t length) {
    const auto follow = [&](int32_t& owner) {
        const bool known = newIndex && owner > 0 && owner < length;
        owner = known ? newIndex[owner] : 0;
        return owner <= 0;  // its object went: the particle goes too
    };
    WalkBackwards(Particles.bubbles, [&](BubbleParticle& b) { return follow(b.owner); });
    WalkBackwards(Particles.precipitate, [&](PrecipitateParticle& p) { return follow(p.owner); });
}

void RemoveObjectParticles(const LabObject& object) {
    const int32_t owner = ParticleOwnerIndex(object);
    if (owner == 0) return;
    RemoveBubbleParticles(owner);
    RemovePrecipitateParticles(owner);
}

void RenumberParticleOwners(const IndexRemap& remap) {
    RenumberParticleOwners(remap.newIndex, kLabObjectArrayLength);
}

int32_t ParticleOwnerIndex(const LabObject& object) {
    // Compared as addresses: a record elsewhere is no element of the array.
    const auto at = reinterpret_cast<uintptr_t>(&object);
    const auto base = reinterpret_cast<uintptr_t>(LabObjects);
    if (at < base || (at - base) % sizeof(LabObject) != 0) return 0;
    const uintptr_t index = (at - base) / sizeof(LabObject);
    return index >= 1 && index < kLabObjectArrayLength ? static_cast<int32_t>(index) : 0;
}

void ClearParticles() {
    Particles.flame.clear();
    Particles.bubbles.clear();
    Particles.precipitate.clear();
    Particles.vapour.clear();
}
