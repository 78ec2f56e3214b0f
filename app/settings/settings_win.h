// The settings in the registry, and the Equipment and Toolbar Options dialogs.
#pragma once
#include <windows.h>

#include "app/settings/settings.h"

constexpr const char* kSettingsKeyPath = "Software\\Quillmar\\Brevane Pro";

// HKCU "Software\Quillmar\Brevane Pro", created when missing.
class RegistrySettingsStore : public SettingsStore {
public:
    RegistrySettingsStore();
    ~RegistrySettingsStore() override;
    bool IsOpen() const { return key_ != nullptr; }
    StoreAnswer ReadDword(const char* name, uint32_t* value) override;
    bool WriteDword(const char* name, uint32_t value) override;
    StoreAnswer ReadString(const char* name, char* out, size_t size) override;
    bool WriteString(const char* name, const char* text) override;

private:
    HKEY key_ = nullptr;
};

// The start-up read of the settings into their globals.
void LoadSettings();

// Dialog 101. The caller's timer pause covers it; F1 opens topic 1037.
INT_PTR ShowEquipmentOptions(HWND owner, HINSTANCE instance);

// What changing the toolbar style needs of the toolbar code: destroy and
// re-create the toolbar and format bar, repaint the bench, lay out the
// frame and update the object buttons for object.
extern void (*RebuildToolbars)(HWND owner, int32_t object);

// Dialog 388 for the object selected when it opened.
INT_PTR ShowToolbarOptions(HWND owner, HINSTANCE instance, int32_t object);

// Whether the loaded common controls are 4.70 or later.
bool CommonControlsHaveFlatToolbars();
