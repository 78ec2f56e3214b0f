/* Resource ids of the contents dialogs (Chemicals, Water, Indicators, Label,
   Transfer, Filter, Properties), shared by contents_dialogs.rc and the code. */
#ifndef BREVANE_CONTENTS_IDS_H
#define BREVANE_CONTENTS_IDS_H

#define IDD_INDICATORS 106
#define IDD_TRANSFER 312
#define IDD_FILTER 466
#define IDD_CHEMICALS 500
#define IDD_LABEL 502
#define IDD_PROPERTIES 600
#define IDD_WATER 700

#define IDC_CONTENTS_HELP 3

/* Chemicals */
#define IDC_CHEM_TYPE 502
#define IDC_CHEM_SIZE 503
#define IDC_CHEM_INFO 507
#define IDC_CHEM_UPDOWN 508
#define IDC_CHEM_LIST 509
#define IDC_CHEM_UNITS 512
#define IDC_CHEM_AMOUNT 515
#define IDC_CHEM_AMOUNT_LABEL 516
#define IDC_CHEM_ADD_NEW 517
#define IDC_CHEM_PICKED 518

/* Water */
#define IDC_WATER_MAXIMUM 701
#define IDC_WATER_LEVEL 702
#define IDC_WATER_LEVELS 703
#define IDC_WATER_ROOM 706
#define IDC_WATER_ICE 707

/* Indicators */
#define IDC_INDICATOR_UPDOWN 1019
#define IDC_INDICATOR_LIST 1025
#define IDC_INDICATOR_DROPS 1026
#define IDC_INDICATOR_DESCRIPTION 1028

/* Label */
#define IDC_LABEL_TEXT 504
#define IDC_LABEL_NOTE 505

/* Transfer */
#define IDC_TRANSFER_TYPE 907
#define IDC_TRANSFER_SIZE 908

/* Filter */
#define IDC_FILTER_DELETE 1132
#define IDC_FILTER_SELECTED 1133
#define IDC_FILTER_NEW 1134
#define IDC_FILTER_SIZE 1136
#define IDC_FILTER_TYPE 1137

/* Properties */
#define IDC_PROPERTIES_LIST 601
#define IDC_PROPERTIES_REACTION 1041
#define IDC_PROPERTIES_VIEWER 1053

#endif
