// Controls of the Lab Properties, Add Indicators and PDB Files pages and the
// spectrophotometer data and indicator properties dialogs, and their strings.
#pragma once

// The eight style boxes, in the page's order.
#define IDC_LP_FIRST_BOX 3100
#define IDC_LP_SPECTRO 3110

#define IDC_SD_LIST 3120
#define IDC_SD_CHEMICAL 3121
#define IDC_SD_WAVELENGTH 3122
#define IDC_SD_K_VALUE 3123
#define IDC_SD_ADD 3124
#define IDC_SD_UPDATE 3125
#define IDC_SD_REMOVE 3126
#define IDC_SD_HELP 3127

#define IDC_IN_LIST 3140
#define IDC_IN_ADD 3141
#define IDC_IN_EDIT 3142
#define IDC_IN_DELETE 3143

#define IDC_ID_NAME 3150
#define IDC_ID_DESCRIPTION 3151
#define IDC_ID_CHEMICAL 3152
#define IDC_ID_IN_SOLUTION 3153
#define IDC_ID_MEASURES_PH 3154
#define IDC_ID_LOW 3155
#define IDC_ID_LOW_COLOUR 3156
#define IDC_ID_HIGH 3157
#define IDC_ID_HIGH_COLOUR 3158
#define IDC_ID_INITIAL 3159
#define IDC_ID_INITIAL_COLOUR 3160
#define IDC_ID_HELP 3161
#define IDC_ID_LOW_LABEL 3162
#define IDC_ID_HIGH_LABEL 3163

#define IDC_PDB_LIST 3180
#define IDC_PDB_SELECT 3181
#define IDC_PDB_CLEAR 3182

#define IDS_INDICATOR_IDS_TAKEN 3201
#define IDS_UNSAFE_MOLECULE_NAME 3202
