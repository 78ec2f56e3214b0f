// Resource ids of demonstration playback: the Play Demonstration and Demo
// Message dialogs and their strings. Plain defines: the resource compiler
// reads them.
#pragma once

// Play Demonstration
#define IDD_PLAY_DEMONSTRATION 410
#define IDC_DEMO_COMMENTS 1073
#define IDC_DEMO_PROGRESS 1071
#define IDC_DEMO_PLAY 1069
#define IDC_DEMO_PAUSE 1068
#define IDC_DEMO_REWIND 1072
#define IDC_DEMO_REAL_TIME 1075
#define IDC_DEMO_ACCELERATED 1076
#define IDC_DEMO_EDIT 1125
#define IDC_DEMO_DELETE 1129
#define IDC_DEMO_HELP 1021

// Demo Message
#define IDD_DEMO_MESSAGE 454
#define IDC_MESSAGE_TEXT 1033
#define IDC_MESSAGE_BALLOON 1119
#define IDC_MESSAGE_REGULAR 1120
#define IDC_MESSAGE_BOX 1121
#define IDC_MESSAGE_COMMENT 1126
#define IDC_MESSAGE_X 1034
#define IDC_MESSAGE_Y 1111
#define IDC_MESSAGE_TIME 1112
#define IDC_MESSAGE_STAMP 1130
#define IDC_MESSAGE_TEST 1114
#define IDC_MESSAGE_HELP 1021

// Help keys
#define HELP_KEY_PLAY_DEMONSTRATION 1066
#define HELP_KEY_DEMO_MESSAGE 1068

// Strings
#define IDS_DEMO_OPEN_FAILED 715
#define IDS_DEMO_NOT_VALID 716
#define IDS_PLAY_CAPTION 717
#define IDS_DELETE_COMMENT 718
#define IDS_DISPLAY_MESSAGE_CUT 719
#define IDS_DISPLAY_MESSAGE 720
#define IDS_OPEN_DEMO_PROMPT 721
#define IDS_NEED_MESSAGE_TEXT 722
