// The user's settings: one table (name, type, default, range) and one piece
// of code that reads and writes every value through a store. The Win32
// store is the registry key HKCU "Software\Quillmar\Brevane Pro".
#pragma once
#include <cstddef>
#include <cstdint>

// Globals the rest of the program reads directly; start-up fills them.
extern int32_t MenuStyle;           // 0 chosen at start-up, 1 old, 2 flat 8-bit, 3 flat 24-bit
extern int32_t BunsenBurnerHeat;    // joules per second
extern int32_t HotPlateIncrements;  // joules per second per setting step
extern int32_t FontSize;            // points
extern int32_t TempScale;           // 0 Kelvin, 1 Celsius, 2 Fahrenheit
extern int32_t ShowTipsAtStartUp;
extern int32_t BuretVolumeField;    // 1 actual volume, 2 scale volume
extern int32_t AppDataFolder;       // shell folder id of the per-user folder

enum class SettingType { Dword, String };

enum SettingId : int {
    kSettingMenuStyle,
    kSettingBunsenBurnerHeat,
    kSettingHotPlateIncrements,
    kSettingFontSize,
    kSettingTempScale,
    kSettingShowTips,
    kSettingBuretVolumeField,
    kSettingAppDataFolder,
    kSettingPos,
    kSettingCount
};

struct SettingRow {
    const char* name;    // registry value name
    SettingType type;
    int32_t defaultValue;  // written when the value is missing or out of range
    int32_t minimum;
    int32_t maximum;
    int32_t builtInValue;  // kept when the store cannot be read
    int32_t* global;       // null for the string value
};

const SettingRow& Setting(SettingId id);

enum class StoreAnswer { Found, Missing, Failed };

// Where the values live. Native tests use a map; the program the registry.
struct SettingsStore {
    virtual ~SettingsStore() = default;
    virtual StoreAnswer ReadDword(const char* name, uint32_t* value) = 0;
    virtual bool WriteDword(const char* name, uint32_t value) = 0;
    // Text values; size counts the terminating NUL.
    virtual StoreAnswer ReadString(const char* name, char* out, size_t size) = 0;
    virtual bool WriteString(const char* name, const char* text) = 0;
};

// Reads one value into its global. A missing value is written with its
// default; a stored value outside the row's range is replaced by the
// default and written back; a failed read keeps the built-in value.
int32_t ReadSetting(SettingsStore& store, SettingId id);

// The start-up read: the first seven rows, in table order.
void ReadStartupSettings(SettingsStore& store);

// Writes the globals of the given rows, in the order given.
void WriteSettings(SettingsStore& store, const SettingId* ids, int count);

// The text row ("Pos"): false and out empty when missing, unreadable or
// longer than size allows.
bool ReadTextSetting(SettingsStore& store, SettingId id, char* out, size_t size);
bool WriteTextSetting(SettingsStore& store, SettingId id, const char* text);

// Puts every global back to its built-in value (tests and a fresh start).
void ResetSettingGlobals();

// A number typed into an option field: digits only (blanks around them
// allowed), within minimum..maximum.
bool ParseSettingNumber(const char* text, int32_t minimum, int32_t maximum, int32_t* value);
