// Resource and command ids of the titration data window, the lab-file dialogs
// and demonstration recording. Plain defines: the resource compiler reads them.
#pragma once

// The data window's own menu and commands (the bench's are in bench/commands/command_ids.h)
#define IDR_DATA_WINDOW_MENU 341
#define IDM_DATA_VIEW 170
#define IDM_DATA_EXPORT_CSV 171
#define IDM_DATA_GRAPH_VIEW 172
#define IDM_DATA_REFRESH 176
#define IDM_DATA_OPTIONS 177
#define IDM_DATA_COPY 38

// Graph Options dialog
#define IDD_GRAPH_OPTIONS 343
#define IDC_GRAPH_TITLE 1033
#define IDC_GRAPH_X_AXIS 1034
#define IDC_GRAPH_Y_AXIS 1035
#define IDC_GRAPH_AUTO_REFRESH 1055

// Help key of the data window
#define HELP_KEY_TITRATION_CURVE 1055

// Icons
#define IDI_RECORDING 5

// Strings
#define IDS_TITRATION_DATA 571
#define IDS_ML_OF_TITRANT 574
#define IDS_PH 598
#define IDS_RECORDING_STATUS 623
#define IDS_START_DEMO 673
#define IDS_END_DEMO 674
#define IDS_SHOW_DATA 697
#define IDS_DROP_DATASET 698
#define IDS_ADD_DATASET 699
#define IDS_CLOSE_DATA_WINDOW 700
#define IDS_DEMO_FILE_PROMPT 711
#define IDS_DEMO_CREATE_FAILED 712
#define IDS_MISSING_COMMENT 714
