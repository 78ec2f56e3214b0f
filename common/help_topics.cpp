#include "common/help_topics.h"

#include <cstdio>
#include <cstring>

namespace {

const HelpRow Rows[] = {
    {30, 1002, "manual.chm::/html/simulations.htm"},
    {115, 1002, "manual.chm::/html/simulations.htm"},
    {31, 1001, "manual.chm::/html/contents.htm"},
    {35, 1001, "manual.chm::/html/contents.htm"},
    {36, 1001, "manual.chm::/html/contents.htm"},
    {37, 1001, "manual.chm::/html/contents.htm"},
    {38, 1001, "manual.chm::/html/contents.htm"},
    {39, 1001, "manual.chm::/html/contents.htm"},
    {104, 1001, "manual.chm::/html/contents.htm"},
    {83, 1001, "manual.chm::/html/contents.htm"},
    {84, 1001, "manual.chm::/html/contents.htm"},
    {92, 1001, "manual.chm::/html/contents.htm"},
    {93, 1001, "manual.chm::/html/contents.htm"},
    {32, 1030, "manual.chm::/html/files.htm"},
    {33, 1030, "manual.chm::/html/files.htm"},
    {121, 1002, "Parvell.chm::/html/contents.htm"},
    {122, 1002, "Parvell.chm::/html/contents.htm"},
    {34, 1036, "manual.chm::/html/printing.htm"},
    {153, 1036, "manual.chm::/html/printing.htm"},
    {152, 1036, "manual.chm::/html/printing.htm"},
    {151, 1036, "manual.chm::/html/printing.htm"},
    {150, 1036, "manual.chm::/html/printing.htm"},
    {108, 1035, "manual.chm::/html/organization.htm"},
    {109, 1035, "manual.chm::/html/organization.htm"},
    {110, 1035, "manual.chm::/html/organization.htm"},
    {111, 1035, "manual.chm::/html/organization.htm"},
    {112, 1035, "manual.chm::/html/organization.htm"},
    {113, 1035, "manual.chm::/html/organization.htm"},
    {114, 1035, "manual.chm::/html/organization.htm"},
    {118, 1035, "manual.chm::/html/organization.htm"},
    {106, 1001, "manual.chm::/html/organization.htm"},
    {107, 1001, "manual.chm::/html/organization.htm"},
    {42, 1005, "manual.chm::/html/equipment.htm#idh_beaker"},
    {116, 1005, "manual.chm::/html/equipment.htm#idh_beaker"},
    {41, 1005, "manual.chm::/html/equipment.htm#idh_beaker"},
    {43, 1009, "manual.chm::/html/equipment.htm#idh_erlenmeyer_flask"},
    {120, 1009, "manual.chm::/html/equipment.htm#idh_erlenmeyer_flask"},
    {44, 1011, "manual.chm::/html/equipment.htm#idh_florence_flask"},
    {45, 1014, "manual.chm::/html/equipment.htm#idh_test_tube"},
    {101, 1012, "manual.chm::/html/equipment.htm#idh_graduated_cylinder"},
    {102, 1012, "manual.chm::/html/equipment.htm#idh_graduated_cylinder"},
    {47, 1008, "manual.chm::/html/equipment.htm#idh_buret"},
    {89, 1008, "manual.chm::/html/equipment.htm#idh_buret"},
    {164, 1052, "manual.chm::/html/equipment.htm#idh_pipet"},
    {205, 1052, "manual.chm::/html/equipment.htm#idh_pipet"},
    {163, 1052, "manual.chm::/html/equipment.htm#idh_pipet"},
    {165, 1052, "manual.chm::/html/equipment.htm#idh_pipet"},
    {166, 1052, "manual.chm::/html/equipment.htm#idh_pipet"},
    {137, 1041, "manual.chm::/html/equipment.htm#idh_distill_equipment"},
    {140, 1041, "manual.chm::/html/equipment.htm#idh_distill_equipment"},
    {138, 1041, "manual.chm::/html/equipment.htm#idh_distill_equipment"},
    {141, 1041, "manual.chm::/html/equipment.htm#idh_distill_equipment"},
    {139, 1041, "manual.chm::/html/equipment.htm#idh_distill_equipment"},
    {169, 1053, "manual.chm::/html/equipment.htm#idh_reflux_condenser"},
    {157, 1047, "manual.chm::/html/equipment.htm#idh_balance_centigram"},
    {159, 1048, "manual.chm::/html/equipment.htm#idh_balance_electronic"},
    {160, 1049, "manual.chm::/html/equipment.htm#idh_balance_high_sens"},
    {50, 1017, "manual.chm::/html/equipment.htm#idh_weighing_scale"},
    {51, 1015, "manual.chm::/html/equipment.htm#idh_thermometer"},
    {52, 1054, "manual.chm::/html/equipment.htm#idh_ph_meter"},
    {126, 1044, "manual.chm::/html/equipment.htm#idh_conduct_meter"},
    {128, 1044, "manual.chm::/html/equipment.htm#idh_conduct_meter"},
    {129, 1044, "manual.chm::/html/equipment.htm#idh_conduct_meter"},
    {143, 1042, "manual.chm::/html/equipment.htm#idh_electrochemical_cell"},
    {178, 1056, "manual.chm::/html/equipment.htm#idh_spectrophotometer"},
    {179, 1056, "manual.chm::/html/equipment.htm#idh_spectrophotometer"},
    {180, 1056, "manual.chm::/html/equipment.htm#idh_spectrophotometer"},
    {55, 1007, "manual.chm::/html/equipment.htm#idh_bunsen_burner"},
    {56, 1006, "manual.chm::/html/equipment.htm#idh_buchner_funnel"},
    {57, 1013, "manual.chm::/html/equipment.htm#idh_stirring_rod"},
    {58, 1016, "manual.chm::/html/equipment.htm#idh_watch_glass"},
    {59, 1010, "manual.chm::/html/equipment.htm#idh_evaporation_dish"},
    {117, 1038, "manual.chm::/html/equipment.htm#idh_calorimeter"},
    {130, 1045, "manual.chm::/html/equipment.htm#idh_hotplate_mag_stirrer"},
    {134, 1045, "manual.chm::/html/equipment.htm#idh_hotplate_mag_stirrer"},
    {132, 1045, "manual.chm::/html/equipment.htm#idh_hotplate_mag_stirrer"},
    {133, 1045, "manual.chm::/html/equipment.htm#idh_hotplate_mag_stirrer"},
    {154, 1045, "manual.chm::/html/equipment.htm#idh_hotplate_mag_stirrer"},
    {135, 1045, "manual.chm::/html/equipment.htm#idh_hotplate_mag_stirrer"},
    {136, 1045, "manual.chm::/html/equipment.htm#idh_hotplate_mag_stirrer"},
    {131, 1045, "manual.chm::/html/equipment.htm#idh_hotplate_mag_stirrer"},
    {142, 1043, "manual.chm::/html/equipment.htm#idh_metal_wire"},
    {215, 1043, "manual.chm::/html/equipment.htm#idh_metal_wire"},
    {144, 1050, "manual.chm::/html/equipment.htm#idh_eye_dropper"},
    {182, 1057, "manual.chm::/html/equipment.htm#idh_dumas_bulb"},
    {213, 1071, "manual.chm::/html/equipment.htm#idh_light_source"},
    {70, 1028, "manual.chm::/html/water.htm"},
    {71, 1026, "manual.chm::/html/chemicals.htm"},
    {73, 1031, "manual.chm::/html/indicators.htm"},
    {87, 1029, "manual.chm::/html/label.htm"},
    {88, 1024, "manual.chm::/html/procedures.htm#idh_pouring_decanting"},
    {162, 1051, "manual.chm::/html/procedures.htm#idh_transfer_to_new_container"},
    {105, 1040, "manual.chm::/html/property.htm"},
    {174, 1055, "manual.chm::/html/procedures.htm#idh_titration_curve"},
    {170, 1055, "manual.chm::/html/procedures.htm#idh_titration_curve"},
    {85, 1039, "manual.chm::/html/mouse.htm#idh_combining_and_removing"},
    {86, 1039, "manual.chm::/html/mouse.htm#idh_combining_and_removing"},
    {103, 1037, "manual.chm::/html/options.htm"},
    {161, 1046, "manual.chm::/html/equipment.htm#idh_balances_equipment"},
    {125, 1034, "manual.chm::/html/feedback.htm"},
    {155, 1001, "manual.chm::/html/table.htm"},
    {156, 1001, "manual.chm::/html/rasmol.htm"},
    {192, 1058, "manual.chm::/html/toolbar.htm"},
    {195, 1059, "manual.chm::/html/equipment.htm#idh_volumetric"},
    {194, 1060, "manual.chm::/html/equipment.htm#idh_volumetric"},
    {196, 1061, "manual.chm::/html/simulations.htm#idh_udl_option"},
    {200, 1062, "manual.chm::/html/equipment.htm#idh_gas_syringe"},
    {201, 1062, "manual.chm::/html/equipment.htm#idh_gas_syringe"},
    {168, 1064, "manual.chm::/html/equipment.htm#idh_inverted_gas_buret"},
    {167, 1064, "manual.chm::/html/equipment.htm#idh_inverted_gas_buret"},
    {202, 1063, "manual.chm::/html/procedures.htm#idh_set_gas_syringe_volume"},
    {204, 1065, "manual.chm::/html/equipment.htm#idh_geiger_counter_with_track"},
    {197, 1069, "manual.chm::/html/demo.htm#idh_demo_recording"},
    {198, 1069, "manual.chm::/html/demo.htm#idh_demo_recording"},
    {199, 1066, "manual.chm::/html/demo.htm"},
    {211, 1068, "manual.chm::/html/demo.htm#idh_demo_message_dialog"},
    {206, 1067, "manual.chm::/html/procedures.htm#idh_timer"},
    {207, 1067, "manual.chm::/html/procedures.htm#idh_timer"},
    {210, 1067, "manual.chm::/html/procedures.htm#idh_timer"},
    {208, 1067, "manual.chm::/html/procedures.htm#idh_timer"},
    {209, 1067, "manual.chm::/html/procedures.htm#idh_timer"},
    {0, 2000, "Parvell.chm::/html/introduction.htm"},
    {0, 2001, "Parvell.chm::/html/information.htm"},
    {0, 2002, "Parvell.chm::/html/documentation.htm"},
    {0, 2003, "Parvell.chm::/html/chemicals.htm"},
    {0, 2004, "Parvell.chm::/html/reaction.htm"},
    {0, 2005, "Parvell.chm::/html/finish.htm"},
    {0, 2006, "Parvell.chm::/html/chemicals_db.htm"},
    {0, 2007, "Parvell.chm::/html/properties.htm"},
    {0, 2008, "Parvell.chm::/html/details.htm"},
    {0, 2009, "Parvell.chm::/html/reaction_chemical.htm"},
    {0, 2010, "Parvell.chm::/html/password.htm"},
    {0, 2011, "Parvell.chm::/html/indicators.htm"},
    {0, 2012, "Parvell.chm::/html/wizoptions.htm"},
    {0, 2013, "Parvell.chm::/html/spectrophotometer.htm"},
    {0, 2014, "Parvell.chm::/html/pdbfiles.htm"},
    {0, 0, "manual.chm::/html/contents.htm"},
};

constexpr int kRowCount = static_cast<int>(sizeof Rows / sizeof Rows[0]);
static_assert(kRowCount == 137);

}  // namespace

const HelpRow* HelpRows() { return Rows; }
int HelpRowCount() { return kRowCount; }

const HelpRow& FindHelpRow(int32_t controlId, int32_t key) {
    int i = 0;
    if (controlId != 0) {
        while (i < kRowCount - 1 && Rows[i].controlId != 0 && Rows[i].controlId != controlId) ++i;
    } else {
        while (i < kRowCount - 1 && Rows[i].key != 0 && Rows[i].key != key) ++i;
    }
    return Rows[i];
}

bool HelpFileOfTopic(const char* topic, char* out, int size) {
    if (!topic || !out || size <= 0) return false;
    out[0] = '\0';
    const char* end = strstr(topic, "::");
    if (!end) return false;
    size_t length = static_cast<size_t>(end - topic);
    if (length >= static_cast<size_t>(size)) return false;
    memcpy(out, topic, length);
    out[length] = '\0';
    return true;
}

bool HelpTopicPathIn(const char* folder, int32_t controlId, int32_t key, char* out, int size) {
    if (!out || size <= 0) return false;
    out[0] = '\0';
    if (!folder) return false;
    const HelpRow& row = FindHelpRow(controlId, key);
    int n = snprintf(out, static_cast<size_t>(size), "%s\\%s", folder, row.topic);
    if (n < 0 || n >= size) {
        out[0] = '\0';
        return false;
    }
    return true;
}
