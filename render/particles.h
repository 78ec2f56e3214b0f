// The renderer's four particle systems: burner flames, boiling bubbles,
// settling precipitate and distillation vapour. Each is a growable list of
// plain records owned by the renderer for the whole run; particles move one
// step each time the bench is painted. The portable side spawns, steps and
// retires them and hands back what to draw; the drawing code only paints.
#pragma once
#include <cstdint>
#include <vector>

#include "bench/window/bench_seams.h"
#include "common/lab_object.h"

// Integers 0..32767, as the C library's rand() gives them. Tests install
// a scripted source.
class ParticleRandom {
public:
    virtual ~ParticleRandom() = default;
    virtual int32_t Next() = 0;
};
void SetParticleRandom(ParticleRandom* random);  // nullptr restores rand()

struct FlameParticle {
    int32_t x, y;  // top-left of the bounding square, bench pixels
    float dy, dx;
    int32_t alpha;
    int32_t red, blue, green;
    int32_t size;
    uint32_t steppedInPaint;
};

struct BubbleParticle {
    int32_t riseLimit;  // the liquid column's height
    int32_t x, y;       // in the owner's contents layer
    float dy, dx;
    int32_t alpha;
    int32_t size;
    int32_t startY;
    int32_t owner;  // object index
};

struct PrecipitateParticle {
    int32_t x, y;   // in the owner's contents layer
    int32_t floor;  // finished on reaching it
    float dy, dx;
    int32_t alpha;
    int32_t red, blue, green;
    int32_t size;
    int32_t owner;  // object index
};

struct VapourParticle {
    int32_t x, y;  // bench pixels
    float dy, dx;
    int32_t alpha;
    int32_t size;
    uint32_t steppedInPaint;
};

struct ParticleLists {
    std::vector<FlameParticle> flame;
    std::vector<BubbleParticle> bubbles;
    std::vector<PrecipitateParticle> precipitate;
    std::vector<VapourParticle> vapour;
};

extern ParticleLists Particles;

// One filled circle (or the bubble image stretched into its square).
struct ParticleDraw {
    int32_t x, y, size;
    uint8_t alpha, red, green, blue;
    bool useImage;  // a bubble drawn with the bubble picture
};
using ParticleDrawList = std::vector<ParticleDraw>;

// The bench pass calls this once before it draws the objects, so flames and
// vapour step once per paint however many burners or flasks are drawn.
void BeginParticlePaint();

// How far below the burner picture's top its mouth is (the tripod's gauze
// is the top edge), in pixels of its current size.
double BurnerMouthDepth(const LabObject& burner);
// A Bunsen burner is drawn: five new flame particles at its mouth, then every
// flame particle not yet stepped in this paint is stepped and drawn.
// bodyWidth is the width of the burner picture of the current set.
void UpdateFlame(const LabObject& burner, int32_t bodyWidth, double dpiFactor,
                 ParticleDrawList* draws);
// A round-bottom flask is drawn: while it distils, one puff at its outlet
// and a step of every puff not yet stepped in this paint.
void UpdateVapour(const LabObject& flask, double dpiFactor, ParticleDrawList* draws);
// Bubbles of one container, in its contents layer of width x height.
// liquidHeight is the liquid column; the after-boil counter is counted down.
void UpdateBubbles(LabObject& o, int32_t ownerIndex, double liquidHeight, int32_t layerWidth,
                   int32_t layerHeight, double dpiFactor, bool haveImage, ParticleDrawList* draws);
// Settling precipitate of one container, falling from startY.
void UpdatePrecipitateParticles(const LabObject& o, int32_t ownerIndex, int32_t layerWidth,
                                double dpiFactor, double startY, ParticleDrawList* draws);

void RemoveBubbleParticles(int32_t ownerIndex);
void RemovePrecipitateParticles(int32_t ownerIndex);
// Both, for a record of the bench's array (what the bench seam is told when
// an object is deleted or emptied).
void RemoveObjectParticles(const LabObject& object);
// Records were renumbered: newIndex[k] is where object k went (length
// entries). Particles of an object that went (0, or outside the table) are dropped.
void RenumberParticleOwners(const int32_t* newIndex, int32_t length);
void RenumberParticleOwners(const IndexRemap& remap);
// The bench seams name an object by its record: its index in the bench's
// array, 0 when the record is not one of LabObjects.
int32_t ParticleOwnerIndex(const LabObject& object);
// New, Open and a module change start with no particles.
void ClearParticles();
