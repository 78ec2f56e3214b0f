// Records of a user-defined lab file, in file order after the header. Every
// integer is little-endian 32-bit and every text a NUL-terminated fixed field.
#pragma once
#include <cstddef>
#include <cstdint>

#include "common/cas.h"
#include "common/indicator_record.h"

constexpr char kUdlSignature[] = "UDL_100";
constexpr int kUdlPathLength = 260;
constexpr int kUdlTitleLength = 128;
constexpr int kUdlDescriptionLength = 256;
constexpr int kUdlAuthorLength = 120;
constexpr int kUdlPasswordLength = 7;
constexpr int kReactionNameLength = 125;
constexpr int kParticipantCount = 25;

struct UdlHeader {
    char signature[8];                        //    0 8    "UDL_100"
    char moduleName[kUdlPathLength];          //    8 260  module that runs the lab
    char title[kUdlTitleLength];              //  268 128
    char description[kUdlDescriptionLength];  //  396 256
    int32_t labStyle;                         //  652 4
    int32_t chemicalCount;                    //  656 4
    int32_t indicatorCount;                   //  660 4
    int32_t reactionCount;                    //  664 4
    char introductionPath[kUdlPathLength];    //  668 260  RTF the author chose
    char procedurePath[kUdlPathLength];       //  928 260
    char observationsPath[kUdlPathLength];    // 1188 260
    int32_t introductionLength;               // 1448 4    bytes
    int32_t procedureLength;                  // 1452 4
    int32_t observationsLength;               // 1456 4
    uint8_t reserved1460[4];                  // 1460 4
    char author[kUdlAuthorLength];            // 1464 120
    uint8_t password[kUdlPasswordLength];     // 1584 7    masked
    uint8_t hasPassword;                      // 1591 1
    int32_t reservedRecordCount;              // 1592 4
    int32_t spectroPointCount;                // 1596 4
    int32_t attachmentCount;                  // 1600 4
    uint8_t reserved1604[884];                // 1604 884
};

#define UDL_HEADER_AT(field, off) static_assert(offsetof(UdlHeader, field) == (off), #field)
static_assert(sizeof(UdlHeader) == 2488);
UDL_HEADER_AT(signature, 0);
UDL_HEADER_AT(moduleName, 8);
UDL_HEADER_AT(title, 268);
UDL_HEADER_AT(description, 396);
UDL_HEADER_AT(labStyle, 652);
UDL_HEADER_AT(chemicalCount, 656);
UDL_HEADER_AT(indicatorCount, 660);
UDL_HEADER_AT(reactionCount, 664);
UDL_HEADER_AT(introductionPath, 668);
UDL_HEADER_AT(procedurePath, 928);
UDL_HEADER_AT(observationsPath, 1188);
UDL_HEADER_AT(introductionLength, 1448);
UDL_HEADER_AT(procedureLength, 1452);
UDL_HEADER_AT(observationsLength, 1456);
UDL_HEADER_AT(reserved1460, 1460);
UDL_HEADER_AT(author, 1464);
UDL_HEADER_AT(password, 1584);
UDL_HEADER_AT(hasPassword, 1591);
UDL_HEADER_AT(reservedRecordCount, 1592);
UDL_HEADER_AT(spectroPointCount, 1596);
UDL_HEADER_AT(attachmentCount, 1600);
UDL_HEADER_AT(reserved1604, 1604);
#undef UDL_HEADER_AT

// Reaction flag word (ReactionRecord offset 12).
enum ReactionFlags : uint32_t {
    kReactNeedsHeat = 0x1,
    kReactNeedsStirring = 0x2,
    kReactInstantaneous = 0x4,
    kReactFixedRate = 0x8,
    kReactRateLaw = 0x10,
    kReactMinTemperature = 0x40,
    kReactMaxTemperature = 0x80,
    kReactEquilibrium = 0x100,
    kReactHeatOfReaction = 0x200,
    kReactNeedsLight = 0x400,
};

// Participant flag word (ReactionParticipant offset 16).
enum ParticipantFlags : uint32_t {
    kPartReactant = 0x1,
    kPartProduct = 0x2,
    kPartColourRule = 0x4,
    kPartColourGradient = 0x8,  // with kPartColourRule
    kPartAlwaysColourTest = 0x10,
    kPartFromAtmosphere = 0x100,  // unlimited supply of a gas
};

struct ReactionParticipant {
    CasNumber cas;            //  0 4
    uint32_t phase;           //  4 4  PhaseFlags; 0x20 an ion in solution
    double coefficient;       //  8 8
    uint32_t flags;           // 16 4  ParticipantFlags
    uint8_t reserved20[4];    // 20 4
    double low;               // 24 8  mol/l: colour threshold or gradient start
    double high;              // 32 8  mol/l: gradient end
    uint8_t colourA[3];       // 40 3  r, g, b
    uint8_t reserved43;       // 43 1
    uint8_t colourB[3];       // 44 3
    uint8_t reserved47;       // 47 1
    uint8_t reserved48[24];   // 48 24
};

#define PARTICIPANT_AT(field, off) static_assert(offsetof(ReactionParticipant, field) == (off), #field)
static_assert(sizeof(ReactionParticipant) == 72);
PARTICIPANT_AT(cas, 0);
PARTICIPANT_AT(phase, 4);
PARTICIPANT_AT(coefficient, 8);
PARTICIPANT_AT(flags, 16);
PARTICIPANT_AT(reserved20, 20);
PARTICIPANT_AT(low, 24);
PARTICIPANT_AT(high, 32);
PARTICIPANT_AT(colourA, 40);
PARTICIPANT_AT(reserved43, 43);
PARTICIPANT_AT(colourB, 44);
PARTICIPANT_AT(reserved47, 47);
PARTICIPANT_AT(reserved48, 48);
#undef PARTICIPANT_AT

struct ReactionRecord {
    uint8_t reserved0[12];                            //    0 12
    uint32_t flags;                                   //   12 4  ReactionFlags
    int32_t reactantCount;                            //   16 4
    int32_t productCount;                             //   20 4
    uint8_t reserved24[4];                            //   24 4
    char name[kReactionNameLength];                   //   28 125
    uint8_t reserved153[15];                          //  153 15
    double minCelsius;                                //  168 8
    double maxCelsius;                                //  176 8
    double rateConstant;                              //  184 8  k; 0 when instantaneous
    double orderFirst;                                //  192 8  m
    double orderSecond;                               //  200 8  n
    double equilibriumConstant;                       //  208 8  K
    double heatOfReaction;                            //  216 8  kJ per mole of reaction
    uint8_t reserved224[216];                         //  224 216
    ReactionParticipant participants[kParticipantCount];  //  440 1800 in the author's order
};

#define REACTION_AT(field, off) static_assert(offsetof(ReactionRecord, field) == (off), #field)
static_assert(sizeof(ReactionRecord) == 2240);
REACTION_AT(reserved0, 0);
REACTION_AT(flags, 12);
REACTION_AT(reactantCount, 16);
REACTION_AT(productCount, 20);
REACTION_AT(reserved24, 24);
REACTION_AT(name, 28);
REACTION_AT(reserved153, 153);
REACTION_AT(minCelsius, 168);
REACTION_AT(maxCelsius, 176);
REACTION_AT(rateConstant, 184);
REACTION_AT(orderFirst, 192);
REACTION_AT(orderSecond, 200);
REACTION_AT(equilibriumConstant, 208);
REACTION_AT(heatOfReaction, 216);
REACTION_AT(reserved224, 224);
REACTION_AT(participants, 440);
#undef REACTION_AT

// Carried through reading and writing, never interpreted.
struct UdlReservedRecord {
    uint8_t bytes[296];  // 0 296
};
static_assert(sizeof(UdlReservedRecord) == 296);

struct SpectroPoint {
    CasNumber cas;            //  0 4
    uint8_t reserved4[8];     //  4 8
    int32_t wavelength;       // 12 4  nm
    double absorptivity;      // 16 8  K: absorbance per mol/l
    uint8_t reserved24[136];  // 24 136
};

#define SPECTRO_AT(field, off) static_assert(offsetof(SpectroPoint, field) == (off), #field)
static_assert(sizeof(SpectroPoint) == 160);
SPECTRO_AT(cas, 0);
SPECTRO_AT(reserved4, 4);
SPECTRO_AT(wavelength, 12);
SPECTRO_AT(absorptivity, 16);
SPECTRO_AT(reserved24, 24);
#undef SPECTRO_AT

// A molecule file carried in the lab; its bytes follow the record.
struct PdbAttachment {
    CasNumber cas;                     //   0 4
    char sourcePath[kUdlPathLength];   //   4 260 only name and extension are used
    int32_t fileSize;                  // 264 4   bytes that follow
    uint8_t reserved268[256];          // 268 256
};

#define PDB_AT(field, off) static_assert(offsetof(PdbAttachment, field) == (off), #field)
static_assert(sizeof(PdbAttachment) == 524);
PDB_AT(cas, 0);
PDB_AT(sourcePath, 4);
PDB_AT(fileSize, 264);
PDB_AT(reserved268, 268);
#undef PDB_AT
