// The chemical database dialog on its real window: controls filled as a
// student fills them, OK pressed, every box answered, the file read back.
#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>

#include "chemical_dialog_fixture.h"
#include "resources/parvell/chemical_dialog_ids.h"
#include "tests/wine/dialog_driver.h"
#include "window_pixels.h"
#include "wizard/database/chemical_dialogs_win.h"

namespace {

using namespace chemical_test;

constexpr CasNumber kSodiumSulfate = 7757826;

// A box answered, then the dialog under it told what to do next.
DialogDriver::Step AnswerThen(int answer, std::function<void(HWND owner)> next) {
    return [answer, next](HWND box) {
        HWND owner = GetWindow(box, GW_OWNER);
        Press(answer)(box);
        next(owner);
    };
}

void Ok(HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDOK, 0); }
void Cancel(HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); }

// Types plain into the formula line and lowers the characters at lowered
// with the Sub button, as an author does.
void TypeFormula(HWND dialog, const char* plain, std::initializer_list<int> lowered) {
    HWND line = GetDlgItem(dialog, IDC_CHEMDB_FORMULA);
    SetWindowTextA(line, plain);
    for (int at : lowered) {
        CHARRANGE range{at, at + 1};
        SendMessageA(line, EM_EXSETSEL, 0, LPARAM(&range));
        Click(dialog, IDC_CHEMDB_SUBSCRIPT);
    }
}

void FillSodiumSulfate(HWND dialog) {
    const struct {
        int id;
        const char* text;
    } fields[] = {
        {IDC_CHEMDB_NAME, "Sodium sulfate"},     {IDC_CHEMDB_DESCRIPTION, "White crystalline powder"},
        {IDC_CHEMDB_CAS1, "7757"},               {IDC_CHEMDB_CAS2, "82"},
        {IDC_CHEMDB_CAS3, "6"},                  {IDC_CHEMDB_MOLAR_MASS, "142.04"},
        {IDC_CHEMDB_DENSITY, "2.66"},            {IDC_CHEMDB_MELTING, "884"},
        {IDC_CHEMDB_BOILING, "1429"},            {IDC_CHEMDB_SOLUBILITY_273, "4.8"},
        {IDC_CHEMDB_SOLUBILITY_373, "42.5"},     {IDC_CHEMDB_SPECIFIC_HEAT, "0.9"},
    };
    for (const auto& field : fields) SetDlgItemTextA(dialog, field.id, field.text);
    TypeFormula(dialog, "Na2SO4", {2, 5});
    ChooseText(dialog, IDC_CHEMDB_COLOUR, "blue");
    ChooseText(dialog, IDC_CHEMDB_PATTERN, "crystal1");
}

ChemicalRecord SodiumSulfate() {
    ChemicalRecord r{};
    r.cas = kSodiumSulfate;
    strcpy(r.formula, "Na\x7f" "2SO\x7f" "4");
    strcpy(r.name, "Sodium sulfate");
    strcpy(r.description, "White crystalline powder");
    r.flags = kChemStock;
    r.state = kKindSolid;
    r.colour[2] = 255;  // the first "blue"
    r.brushStyle = 3;
    r.patternId = 284;
    r.molarMass = 142.04f;
    r.density = 2.66f;
    r.meltingPoint = 884 + 273;
    r.boilingPoint = 1429 + 273;
    r.solubility273 = 4.8f;
    r.solubility373 = 42.5f;
    r.databaseValue = 0.9;
    return r;
}

class ChemicalDatabaseDialogTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = TestFolder("brevane-chemical-dialog");
        path_ = folder_ + "\\chemical.cdb";
        database_ = SmallDatabase(4);  // water, the two ions, hydrochloric acid
        ASSERT_TRUE(WriteFileBytes(path_, Bytes(database_)));
    }
    void TearDown() override {
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path_.c_str());
    }
    int Run(int32_t index) { return RunChemicalDatabaseDialog(nullptr, database_, index, path_); }

    std::string folder_, path_;
    std::vector<ChemicalRecord> database_;
};

TEST_F(ChemicalDatabaseDialogTest, ANewChemicalLandsInTheFile) {
    bool generateEnabled = true;
    std::string solidChecked, pattern, colour;
    DialogDriver driver({[&](HWND dialog) {
        generateEnabled = IsWindowEnabled(GetDlgItem(dialog, IDC_CHEMDB_GENERATE));
        solidChecked = Checked(dialog, IDC_CHEMDB_SOLID) ? "solid" : "";
        pattern = SelectedText(dialog, IDC_CHEMDB_PATTERN);
        colour = SelectedText(dialog, IDC_CHEMDB_COLOUR);
        FillSodiumSulfate(dialog);
        Ok(dialog);
    }});
    EXPECT_EQ(Run(-1), 1);
    driver.Finish();
    EXPECT_EQ(driver.Unexpected(), 0);
    EXPECT_EQ(driver.Seen()[0].caption, "Chemical Database");
    // A new record opens as a white solid with a solid fill, and the
    // generate button waits for "no CAS RN".
    EXPECT_FALSE(generateEnabled);
    EXPECT_EQ(solidChecked, "solid");
    EXPECT_EQ(pattern, "solid");
    EXPECT_EQ(colour, "white");

    ASSERT_EQ(database_.size(), 5u);
    const std::vector<uint8_t> file = FileBytes(path_);
    EXPECT_EQ(file, Bytes(database_));
    ASSERT_EQ(file.size(), 5 * sizeof(ChemicalRecord));
    const ChemicalRecord expected = SodiumSulfate();
    EXPECT_EQ(memcmp(file.data() + 4 * sizeof(ChemicalRecord), &expected, sizeof expected), 0);
    EXPECT_EQ(Number_Chem_Available(), 5);  // registered again
}

TEST_F(ChemicalDatabaseDialogTest, EachRefusalShowsItsStringAndTheDialogStays) {
    struct Case {
        std::function<void(HWND)> spoil;
        const char* text;
    };
    const std::vector<Case> cases = {
        {[](HWND d) { SetDlgItemTextA(d, IDC_CHEMDB_NAME, ""); }, "You must specify a Chemical Name"},
        {[](HWND d) { SetDlgItemTextA(d, IDC_CHEMDB_FORMULA, ""); },
         "You must specify a Chemical Formula"},
        {[](HWND d) { SetDlgItemTextA(d, IDC_CHEMDB_DESCRIPTION, ""); }, "You must specify a Description"},
        {[](HWND d) { SetDlgItemTextA(d, IDC_CHEMDB_CAS1, ""); }, "You must specify a CAS RN, or unique identifier"},
        {[](HWND d) { SetDlgItemTextA(d, IDC_CHEMDB_CAS1, "4000000"); },
         "You must specify a CAS RN, or unique identifier"},
        {[](HWND d) {
             SetDlgItemTextA(d, IDC_CHEMDB_CAS1, "7647");
             SetDlgItemTextA(d, IDC_CHEMDB_CAS2, "01");
             SetDlgItemTextA(d, IDC_CHEMDB_CAS3, "0");
         },
         "Identifier is not unique, please try another value"},
        {[](HWND d) { SetDlgItemTextA(d, IDC_CHEMDB_MOLAR_MASS, "0"); }, "You must specify a valid GMW"},
        {[](HWND d) { SetDlgItemTextA(d, IDC_CHEMDB_DENSITY, "-1"); }, "You must specify a valid density"},
        {[](HWND d) { SetDlgItemTextA(d, IDC_CHEMDB_BOILING, "-274"); }, "You must specify a valid boiling point"},
        {[](HWND d) { SetDlgItemTextA(d, IDC_CHEMDB_MELTING, "-274"); }, "You must specify a valid melting point"},
        {[](HWND d) { SetDlgItemTextA(d, IDC_CHEMDB_SPECIFIC_HEAT, ""); }, "You must specify a valid specific heat"},
    };
    const std::vector<uint8_t> before = FileBytes(path_);
    std::vector<HWND> owners;
    std::vector<DialogDriver::Step> steps;
    steps.push_back([&](HWND dialog) {
        FillSodiumSulfate(dialog);
        cases[0].spoil(dialog);
        Ok(dialog);
    });
    for (size_t i = 0; i < cases.size(); ++i) {
        steps.push_back(AnswerThen(IDOK, [&, i](HWND dialog) {
            owners.push_back(dialog);
            FillSodiumSulfate(dialog);
            if (i + 1 < cases.size()) {
                cases[i + 1].spoil(dialog);
            } else {
                SetDlgItemTextA(dialog, IDC_CHEMDB_MELTING, "-273");  // absolute zero itself passes
            }
            Ok(dialog);
        }));
    }
    DialogDriver driver(steps);
    EXPECT_EQ(Run(-1), 1);
    driver.Finish();
    EXPECT_EQ(driver.Unexpected(), 0);
    ASSERT_EQ(driver.Seen().size(), cases.size() + 1);
    for (size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(driver.Seen()[i + 1].caption, "Error") << cases[i].text;
        EXPECT_EQ(driver.Seen()[i + 1].text, cases[i].text);
    }
    ASSERT_EQ(owners.size(), cases.size());
    for (HWND owner : owners) EXPECT_EQ(owner, owners[0]) << "one dialog, kept open";
    ASSERT_EQ(database_.size(), 5u);
    EXPECT_FLOAT_EQ(database_[4].meltingPoint, 0);
    EXPECT_EQ(FileBytes(path_).size(), before.size() + sizeof(ChemicalRecord));
}

TEST_F(ChemicalDatabaseDialogTest, OtherOpensTheColourChooser) {
    std::string chooser, selected, after;
    LRESULT colour = 0;
    DialogDriver driver({[](HWND dialog) {
                             // Posted: the chooser it opens must be answered from here.
                             HWND combo = GetDlgItem(dialog, IDC_CHEMDB_COLOUR);
                             LRESULT other = SendMessageA(combo, CB_FINDSTRINGEXACT, WPARAM(-1), LPARAM("Other..."));
                             SendMessageA(combo, CB_SETCURSEL, WPARAM(other), 0);
                             PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_CHEMDB_COLOUR, CBN_SELCHANGE),
                                          LPARAM(combo));
                         },
                         [&](HWND box) {
                             char caption[64] = "";
                             GetWindowTextA(box, caption, sizeof caption);
                             chooser = caption;
                             HWND owner = GetWindow(box, GW_OWNER);
                             Press(IDOK)(box);
                             // Once the chooser has gone, the list shows what it gave.
                             for (int i = 0; i < 200 && IsWindow(box); ++i) Sleep(10);
                             selected = SelectedText(owner, IDC_CHEMDB_COLOUR);
                             HWND combo = GetDlgItem(owner, IDC_CHEMDB_COLOUR);
                             LRESULT at = SendMessageA(combo, CB_GETCURSEL, 0, 0);
                             colour = SendMessageA(combo, CB_GETITEMDATA, WPARAM(at), 0);
                             char next[32] = "";
                             SendMessageA(combo, CB_GETLBTEXT, WPARAM(at + 1), LPARAM(next));
                             after = next;
                             Cancel(owner);
                         }});
    EXPECT_EQ(Run(-1), 0);
    driver.Finish();
    EXPECT_EQ(driver.Unexpected(), 0);
    EXPECT_FALSE(chooser.empty());
    EXPECT_EQ(selected, "custom");
    EXPECT_EQ(after, "Other...");
    EXPECT_EQ(colour, 0);  // the chooser's OK with nothing picked: black
    EXPECT_EQ(database_.size(), 4u);
}

TEST_F(ChemicalDatabaseDialogTest, AFailedWriteIsShownAndTheFileStaysAsItWas) {
    const std::vector<uint8_t> before = FileBytes(path_);
    const std::vector<ChemicalRecord> held = database_;
    for (const char* failure : {"read-only", "locked"}) {
        HANDLE lock = INVALID_HANDLE_VALUE;
        if (std::string(failure) == "read-only")
            SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_READONLY);
        else
            lock = CreateFileA(path_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        DialogDriver driver({[](HWND dialog) {
                                 FillSodiumSulfate(dialog);
                                 Ok(dialog);
                             },
                             AnswerThen(IDOK, Cancel)});
        EXPECT_EQ(Run(-1), 0) << failure;
        driver.Finish();
        if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
        SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(driver.Unexpected(), 0) << failure;
        ASSERT_EQ(driver.Seen().size(), 2u) << failure;
        EXPECT_EQ(driver.Seen()[1].caption, "Error") << failure;
        EXPECT_EQ(driver.Seen()[1].text, "Create file failed") << failure;
        EXPECT_EQ(FileBytes(path_), before) << failure;
        EXPECT_EQ(Bytes(database_), Bytes(held)) << failure << ": memory keeps what the file holds";
    }
}

TEST_F(ChemicalDatabaseDialogTest, KeysWithoutARegistryNumberAndRecordsEditedInPlace) {
    ChemicalRecord indicator = SodiumSulfate();
    indicator.cas = 4000000123u;
    strcpy(indicator.name, "Universal indicator");
    database_.push_back(indicator);
    ASSERT_TRUE(WriteFileBytes(path_, Bytes(database_)));

    // Its generated key opens with "no CAS RN" checked and is kept.
    bool noCas = false, generate = false;
    std::string key;
    std::string unchecked;
    DialogDriver edit({[&](HWND dialog) {
        noCas = Checked(dialog, IDC_CHEMDB_NO_CAS);
        generate = IsWindowEnabled(GetDlgItem(dialog, IDC_CHEMDB_GENERATE));
        // Unchecked the parts start over; checked again they show the record's key.
        SetBox(dialog, IDC_CHEMDB_NO_CAS, false);
        unchecked = Text(dialog, IDC_CHEMDB_CAS1) + Text(dialog, IDC_CHEMDB_CAS2) + Text(dialog, IDC_CHEMDB_CAS3);
        SetBox(dialog, IDC_CHEMDB_NO_CAS, true);
        key = Text(dialog, IDC_CHEMDB_CAS1) + "-" + Text(dialog, IDC_CHEMDB_CAS2) + "-" + Text(dialog, IDC_CHEMDB_CAS3);
        SetDlgItemTextA(dialog, IDC_CHEMDB_DENSITY, "1.1");
        Ok(dialog);
    }});
    EXPECT_EQ(Run(4), 1);
    edit.Finish();
    EXPECT_TRUE(noCas);
    EXPECT_TRUE(generate);
    EXPECT_EQ(unchecked, "");
    EXPECT_EQ(key, "4000000-12-3");
    ASSERT_EQ(database_.size(), 5u);
    EXPECT_EQ(database_[4].cas, 4000000123u);
    EXPECT_FLOAT_EQ(database_[4].density, 1.1f);
    EXPECT_EQ(FileBytes(path_), Bytes(database_));

    // A new one: "no CAS RN", then Generate gives the next key.
    std::string generated;
    DialogDriver add({[&](HWND dialog) {
        FillSodiumSulfate(dialog);
        SetBox(dialog, IDC_CHEMDB_NO_CAS, true);
        Click(dialog, IDC_CHEMDB_GENERATE);
        generated = Text(dialog, IDC_CHEMDB_CAS1) + "-" + Text(dialog, IDC_CHEMDB_CAS2) + "-" +
                    Text(dialog, IDC_CHEMDB_CAS3);
        Ok(dialog);
    }});
    EXPECT_EQ(Run(-1), 1);
    add.Finish();
    EXPECT_EQ(generated, "4000000-12-4");
    ASSERT_EQ(database_.size(), 6u);
    EXPECT_EQ(database_[5].cas, 4000000124u);

    // A registry number edited without a change of key passes the uniqueness check.
    DialogDriver acid({[&](HWND dialog) {
        noCas = Checked(dialog, IDC_CHEMDB_NO_CAS);
        SetDlgItemTextA(dialog, IDC_CHEMDB_DESCRIPTION, "Hydrogen chloride in water");
        Ok(dialog);
    }});
    EXPECT_EQ(Run(3), 1);
    acid.Finish();
    EXPECT_FALSE(noCas);
    EXPECT_STREQ(database_[3].name, "Hydrochloric acid");
    EXPECT_STREQ(database_[3].description, "Hydrogen chloride in water");
    EXPECT_EQ(FileBytes(path_), Bytes(database_));
    EXPECT_EQ(Number_Chem_Available(), 6);
}

// The formula line shows a stored formula with its characters lowered, and
// reads it back with its markers.
TEST_F(ChemicalDatabaseDialogTest, TheFormulaLineLowersSubscripts) {
    database_.push_back(SodiumSulfate());
    ASSERT_TRUE(WriteFileBytes(path_, Bytes(database_)));
    std::vector<LONG> offsets;
    int baseBottom = -1, lowBottom = -1, baseTop = -1, lowTop = -1;
    DialogDriver driver({[&](HWND dialog) {
        HWND line = GetDlgItem(dialog, IDC_CHEMDB_FORMULA);
        char text[64] = "";
        GetWindowTextA(line, text, sizeof text);
        EXPECT_STREQ(text, "Na2SO4");
        for (int i = 0; i < 6; ++i) {
            CHARRANGE range{i, i + 1};
            SendMessageA(line, EM_EXSETSEL, 0, LPARAM(&range));
            CHARFORMAT2A format{};
            format.cbSize = sizeof format;
            format.dwMask = CFM_OFFSET;
            SendMessageA(line, EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
            offsets.push_back(format.yOffset);
        }
        CHARRANGE end{6, 6};  // no highlight over the characters read
        SendMessageA(line, EM_EXSETSEL, 0, LPARAM(&end));
        SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        UpdateWindow(line);
        SaveScreenshot(dialog, "chemical-database-dialog");
        // Columns of 'N' and of the '2', read from the screen.
        POINTL at[4]{};
        for (int i = 0; i <= 3; ++i) SendMessageA(line, EM_POSFROMCHAR, WPARAM(&at[i]), i);
        RECT window{};
        GetWindowRect(line, &window);
        POINT client{0, 0};
        ClientToScreen(line, &client);
        const int dx = client.x - window.left;
        WindowPixels pixels(line);
        pixels.InkRows(dx + at[0].x, dx + at[1].x, 0, pixels.height(), &baseTop, &baseBottom);
        pixels.InkRows(dx + at[2].x, dx + at[3].x, 0, pixels.height(), &lowTop, &lowBottom);
        Cancel(dialog);
    }});
    EXPECT_EQ(Run(4), 0);
    driver.Finish();
    ASSERT_EQ(offsets.size(), 6u);
    EXPECT_LT(offsets[2], 0);
    EXPECT_LT(offsets[5], 0);
    EXPECT_EQ(offsets[0] | offsets[1] | offsets[3] | offsets[4], 0);
    ASSERT_GE(baseBottom, 0);
    ASSERT_GE(lowBottom, 0);
    EXPECT_GT(lowBottom, baseBottom + 1) << "the 2 is drawn below the line";
    EXPECT_GT(lowTop, baseTop + 1) << "and starts lower than a capital";
}

}  // namespace
