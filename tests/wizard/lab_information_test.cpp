// The Lab Information page's decisions: the name a lab is saved under, the
// header's bounded fields and the edit password.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "wizard/sheet/lab_information.h"

namespace {

using parvell::UdlFileNameFromTyped;

TEST(LabInformation, TheTypedNameBecomesASafeBareNameWithTheLabExtension) {
    struct Case {
        const char* typed;
        const char* saved;
    };
    const Case cases[] = {
        {"lab.udl", "lab.UDL-BREVANE"},                 // lower-case extension replaced
        {"acid base", "acid base.UDL-BREVANE"},          // no extension
        {"", "UNTITLED.UDL-BREVANE"},
        {"C:\\labs\\acid.udl", "acid.UDL-BREVANE"},     // a folder typed with the name is dropped
        {"labs/acid.UDL-BREVANE", "acid.UDL-BREVANE"},
        {"..\\x", "x.UDL-BREVANE"},                     // the way out is dropped with the folder
        {"CON", "UNTITLED.UDL-BREVANE"},                // device names
        {"com1.udl", "UNTITLED.UDL-BREVANE"},
        {"nul.txt", "UNTITLED.UDL-BREVANE"},
        {"..", "UNTITLED.UDL-BREVANE"},
        {"a..b.udl", "UNTITLED.UDL-BREVANE"},
        {".udl", "UNTITLED.UDL-BREVANE"},               // nothing before the extension
        {"lab.", "lab.UDL-BREVANE"},
        {"lab .udl", "UNTITLED.UDL-BREVANE"},           // Windows would drop the trailing space
        {"what?.udl", "UNTITLED.UDL-BREVANE"},
        {"C:", "UNTITLED.UDL-BREVANE"},
        {"my.lab.udl-brevane", "my.lab.UDL-BREVANE"},   // only the last extension goes
        {"Titration.Udl-Brevane", "Titration.UDL-BREVANE"},
    };
    for (const Case& c : cases) EXPECT_EQ(UdlFileNameFromTyped(c.typed), c.saved) << '"' << c.typed << '"';
}

TEST(LabInformation, FieldsAreStoredBoundedAndZeroFilled) {
    UdlHeader header;
    memset(&header, 'x', sizeof header);
    parvell::LabInformationFields fields;
    fields.title = std::string(200, 'T');
    fields.description = "Acid and base";
    fields.moduleName = "Parvell.dll";
    fields.author = std::string(119, 'A');
    parvell::StoreLabInformation(fields, header);
    EXPECT_EQ(strnlen(header.title, sizeof header.title), 127u);
    EXPECT_STREQ(header.description, "Acid and base");
    for (size_t i = strlen("Acid and base"); i < sizeof header.description; ++i) ASSERT_EQ(header.description[i], 0);
    EXPECT_STREQ(header.moduleName, "Parvell.dll");
    EXPECT_EQ(std::string(header.author), fields.author);
    EXPECT_EQ(header.author[119], 0);

    const parvell::LabInformationFields back = parvell::LabInformationOf(header);
    EXPECT_EQ(back.title, std::string(127, 'T'));
    EXPECT_EQ(back.author, fields.author);
    parvell::SetUdlSignature(header);
    EXPECT_EQ(memcmp(header.signature, "UDL_100\0", 8), 0);
}

TEST(LabPassword, SevenTypedCharactersAreStoredFromTheFirstSix) {
    const parvell::PasswordBytes seven = parvell::TypedPassword("abcdefg");
    const parvell::PasswordBytes six = parvell::TypedPassword("abcdef");
    EXPECT_EQ(seven, six);
    EXPECT_EQ(seven[5], 'f');
    EXPECT_EQ(seven[6], 0);
    const parvell::PasswordBytes shorter = parvell::TypedPassword("ab");
    for (size_t i = 2; i < shorter.size(); ++i) EXPECT_EQ(shorter[i], 0) << i;  // nothing left over
}

TEST(LabPassword, MaskingRoundTripsAndHidesTheText) {
    const parvell::PasswordBytes typed = parvell::TypedPassword("secret");
    const parvell::PasswordBytes masked = parvell::MaskPassword(typed);
    EXPECT_NE(masked, typed);
    for (size_t i = 0; i < typed.size(); ++i) EXPECT_NE(masked[i], typed[i]) << i;
    EXPECT_EQ(parvell::MaskPassword(masked), typed);
}

TEST(LabPassword, SetThenCheckAcceptsOnlyThePasswordAndClearingForgetsIt) {
    UdlHeader header{};
    parvell::SetLabPassword(header, "abcdefg");
    EXPECT_EQ(header.hasPassword, 1);
    EXPECT_EQ(header.password[0] ^ 'a', parvell::MaskPassword(parvell::PasswordBytes{})[0]);
    struct Case {
        const char* typed;
        bool matches;
    };
    const Case cases[] = {
        {"abcdef", true},   // what was stored
        {"abcdefg", true},  // typed the same way again
        {"abcdefz", true},  // the 7th character is never read
        {"abcde", false},   // a mismatch
        {"ABCDEF", false},
        {"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(parvell::LabPasswordMatches(header, c.typed), c.matches) << c.typed;
    parvell::ClearLabPassword(header);
    EXPECT_EQ(header.hasPassword, 0);
    for (uint8_t byte : header.password) EXPECT_EQ(byte, 0);
}

}  // namespace
