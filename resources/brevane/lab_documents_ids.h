/* Resource ids of the lab list and the document, view and help commands
   (shared by lab_documents.rc and the code, so plain C). */
#ifndef BREVANE_LAB_DOCUMENTS_IDS_H
#define BREVANE_LAB_DOCUMENTS_IDS_H

/* The lab list */
#define IDD_LAB_LIST 105
#define IDC_LAB_LIST_HELP 1021
#define IDC_LAB_LIST_LABS 1024
#define IDC_LAB_LIST_WIZARDS 1025
#define IDC_LAB_LIST_TABS 1042
#define IDC_LAB_LIST_WEB 1056
/* Its row menu (1 runs the row) */
#define IDM_LAB_LIST_OPEN_LOCATION 1145
#define IDM_LAB_LIST_EDIT_UDL 1146
#define IDM_LAB_LIST_DETAILS 2246
#define HELP_KEY_LAB_LIST 1002

/* The icon of user-defined lab files in the list */
#define IDI_LAB_FILE 3

/* Strings */
#define IDS_WEB_FAILED 579
#define IDS_WEB_FAILED_CAPTION 580
#define IDS_LAUNCH_FAILED 581
#define IDS_PERIODIC_TABLE 582
#define IDS_TAB_LAB_MODULES 612
#define IDS_TAB_WIZARDS 613
#define IDS_COLUMN_TITLE 614
#define IDS_COLUMN_UDL_FILE 615
#define IDS_COLUMN_MODULE 616
#define IDS_COLUMN_DESCRIPTION 617
#define IDS_ADD_UDL_TITLE 725
#define IDS_SAVE_FAILED 9021

#endif
