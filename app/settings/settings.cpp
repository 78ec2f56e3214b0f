#include "app/settings/settings.h"

#include <cctype>

int32_t MenuStyle = 0;
int32_t BunsenBurnerHeat = 2;
int32_t HotPlateIncrements = 10;
int32_t FontSize = 12;
int32_t TempScale = 1;
int32_t ShowTipsAtStartUp = 0;
int32_t BuretVolumeField = 2;
int32_t AppDataFolder = 0x801A;

namespace {

// Start-up reads the first seven rows in this order.
const SettingRow Rows[kSettingCount] = {
    {"menuStyle", SettingType::Dword, 3, 0, 3, 0, &MenuStyle},
    {"BunsenBurnerHeat", SettingType::Dword, 2, 1, 99, 2, &BunsenBurnerHeat},
    {"HotPlateIncrements", SettingType::Dword, 10, 1, 99, 10, &HotPlateIncrements},
    {"FontSize", SettingType::Dword, 12, 1, 24, 12, &FontSize},
    {"TempScale", SettingType::Dword, 1, 0, 2, 1, &TempScale},
    {"ShowTipsAtStartUp", SettingType::Dword, 0, 0, 1, 0, &ShowTipsAtStartUp},
    {"BuretVolumeField", SettingType::Dword, 2, 1, 2, 2, &BuretVolumeField},
    // A shell folder id with its flag bits (0x8000 = create).
    {"AppDataFolder", SettingType::Dword, 0x801A, 0, 0xFFFF, 0x801A, &AppDataFolder},
    {"Pos", SettingType::String, 0, 0, 0, 0, nullptr},
};

constexpr int kStartupRowCount = 7;

}  // namespace

const SettingRow& Setting(SettingId id) { return Rows[id]; }

int32_t ReadSetting(SettingsStore& store, SettingId id) {
    const SettingRow& row = Rows[id];
    if (row.type != SettingType::Dword || !row.global) return 0;
    uint32_t stored = 0;
    switch (store.ReadDword(row.name, &stored)) {
    case StoreAnswer::Found:
        if (stored <= static_cast<uint32_t>(row.maximum) &&
            static_cast<int64_t>(stored) >= row.minimum) {
            *row.global = static_cast<int32_t>(stored);
            break;
        }
        // A value out of range would index tables or divide by zero later.
        [[fallthrough]];
    case StoreAnswer::Missing:
        *row.global = row.defaultValue;
        store.WriteDword(row.name, static_cast<uint32_t>(row.defaultValue));
        break;
    case StoreAnswer::Failed:
        *row.global = row.builtInValue;
        break;
    }
    return *row.global;
}

void ReadStartupSettings(SettingsStore& store) {
    for (int i = 0; i < kStartupRowCount; ++i) ReadSetting(store, static_cast<SettingId>(i));
}

void WriteSettings(SettingsStore& store, const SettingId* ids, int count) {
    for (int i = 0; i < count; ++i) {
        const SettingRow& row = Rows[ids[i]];
        if (row.type == SettingType::Dword && row.global)
            store.WriteDword(row.name, static_cast<uint32_t>(*row.global));
    }
}

bool ReadTextSetting(SettingsStore& store, SettingId id, char* out, size_t size) {
    if (!out || size == 0) return false;
    out[0] = '\0';
    const SettingRow& row = Rows[id];
    if (row.type != SettingType::String) return false;
    if (store.ReadString(row.name, out, size) == StoreAnswer::Found) return true;
    out[0] = '\0';
    return false;
}

bool WriteTextSetting(SettingsStore& store, SettingId id, const char* text) {
    const SettingRow& row = Rows[id];
    return row.type == SettingType::String && text && store.WriteString(row.name, text);
}

void ResetSettingGlobals() {
    for (const SettingRow& row : Rows)
        if (row.global) *row.global = row.builtInValue;
}

bool ParseSettingNumber(const char* text, int32_t minimum, int32_t maximum, int32_t* value) {
    if (!text) return false;
    while (*text == ' ') ++text;
    int64_t number = 0;
    int digits = 0;
    for (; isdigit(static_cast<unsigned char>(*text)); ++text) {
        if (++digits > 9) return false;
        number = number * 10 + (*text - '0');
    }
    while (*text == ' ') ++text;
    if (digits == 0 || *text != '\0') return false;
    if (number < minimum || number > maximum) return false;
    *value = static_cast<int32_t>(number);
    return true;
}
