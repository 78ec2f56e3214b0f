/* Resource ids of the shell's dialogs and strings (shared by shell.rc and
   the code, so plain C). */
#ifndef BREVANE_SHELL_IDS_H
#define BREVANE_SHELL_IDS_H

/* Dialogs */
#define IDD_EQUIPMENT_OPTIONS 101
#define IDD_PRINT_ABORT 113
#define IDD_TOOLBAR_OPTIONS 388

/* Equipment Options */
#define IDC_CELSIUS 1000
#define IDC_KELVIN 1001
#define IDC_FAHRENHEIT 1002
#define IDC_BUNSEN_HEAT 1003
#define IDC_FONT_SIZE 1004
#define IDC_RESET_DEFAULTS 1005
#define IDC_HOT_PLATE_INCREMENTS 1006
#define IDC_SHOW_ACTUAL_VOLUME 1105
#define IDC_SHOW_SCALE_VOLUME 1106

/* Toolbar Options */
#define IDC_STYLE_FLAT_24 1059
#define IDC_STYLE_FLAT_8 1060
#define IDC_STYLE_OLD 1061

/* Print abort box */
#define IDC_PRINT_LAB_TITLE 1029

/* Strings */
#define IDS_TAB_INTRODUCTION 124
#define IDS_TAB_PROCEDURE 125
#define IDS_TAB_OBSERVATIONS 126
#define IDS_COULD_NOT_READ_FILE 201
#define IDS_SAVE_CHANGES 213
#define IDS_UDL_COPY_FIRST 729
#define IDS_UDL_OPENING 730
#define IDS_UDL_OVERWRITE 731

#endif
