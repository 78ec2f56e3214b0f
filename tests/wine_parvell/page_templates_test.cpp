// Every page of the wizard is drawn on one size, and every control of a page
// lies inside it: the sheet takes the size of its largest page, so a page of
// another size shows a band of nothing or cuts its own controls off.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "resources/parvell/wizard_page_size.h"
#include "wizard/sheet/wizard_pages_win.h"

namespace {

struct Box {
    int x, y, cx, cy;
    uint32_t id;
};

struct PageTemplate {
    bool read = false;
    Box page{};
    std::vector<Box> controls;
};

// Steps over a name-or-ordinal field of a dialog template.
const uint16_t* SkipNameOrOrdinal(const uint16_t* p) {
    if (*p == 0x0000) return p + 1;
    if (*p == 0xFFFF) return p + 2;
    while (*p) ++p;
    return p + 1;
}

const uint8_t* AlignToDword(const uint8_t* base, const uint8_t* p) {
    return base + ((p - base + 3) & ~3);
}

// Reads an extended dialog template (the only kind the resource compiler
// makes of DIALOGEX).
PageTemplate ReadTemplate(int templateId) {
    PageTemplate result;
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(templateId), RT_DIALOG);
    if (!found) return result;
    const auto* base = static_cast<const uint8_t*>(LockResource(LoadResource(module, found)));
    const DWORD size = SizeofResource(module, found);
    if (!base || size < 26) return result;
    const auto* words = reinterpret_cast<const uint16_t*>(base);
    if (words[0] != 1 || words[1] != 0xFFFF) return result;
    uint32_t style;
    memcpy(&style, base + 12, 4);
    const uint16_t count = words[8];
    const auto* shorts = reinterpret_cast<const int16_t*>(base + 18);
    result.page = {shorts[0], shorts[1], shorts[2], shorts[3], 0};
    const uint16_t* p = reinterpret_cast<const uint16_t*>(base + 26);
    p = SkipNameOrOrdinal(p);  // menu
    p = SkipNameOrOrdinal(p);  // class
    p = SkipNameOrOrdinal(p);  // title
    if (style & (DS_SETFONT | DS_SHELLFONT)) p = SkipNameOrOrdinal(p + 3);  // size, weight, italic, charset, face
    const uint8_t* item = reinterpret_cast<const uint8_t*>(p);
    for (uint16_t i = 0; i < count; ++i) {
        item = AlignToDword(base, item);
        if (item + 24 > base + size) return result;
        const auto* place = reinterpret_cast<const int16_t*>(item + 12);
        uint32_t id;
        memcpy(&id, item + 20, 4);
        result.controls.push_back({place[0], place[1], place[2], place[3], id});
        p = reinterpret_cast<const uint16_t*>(item + 24);
        p = SkipNameOrOrdinal(p);  // class
        p = SkipNameOrOrdinal(p);  // text
        const uint16_t extra = *p++;
        item = reinterpret_cast<const uint8_t*>(p) + extra;
    }
    result.read = true;
    return result;
}

TEST(WizardPageTemplates, EveryPageHasTheOneSizeAndHoldsItsControls) {
    const int pages[] = {kIntroductionPageTemplate, kInformationPageTemplate, kDocumentationPageTemplate,
                         kChemicalsPageTemplate,    kReactionsPageTemplate,   kLabPropertiesPageTemplate,
                         kIndicatorsPageTemplate,   kPdbFilesPageTemplate,    kFinishPageTemplate};
    for (int id : pages) {
        const PageTemplate page = ReadTemplate(id);
        ASSERT_TRUE(page.read) << "template " << id;
        EXPECT_EQ(page.page.cx, WIZARD_PAGE_WIDTH) << "template " << id;
        EXPECT_EQ(page.page.cy, WIZARD_PAGE_HEIGHT) << "template " << id;
        EXPECT_FALSE(page.controls.empty()) << "template " << id;
        for (const Box& c : page.controls) {
            EXPECT_TRUE(c.x >= 0 && c.y >= 0 && c.x + c.cx <= WIZARD_PAGE_WIDTH && c.y + c.cy <= WIZARD_PAGE_HEIGHT)
                << "template " << id << ", control " << int32_t(c.id) << " at " << c.x << "," << c.y << " size "
                << c.cx << "x" << c.cy;
        }
    }
}

}  // namespace
