// Control and picture ids of the wizard's Introduction, Lab Information, Lab
// Documentation and Lab Finish pages and of the password dialog. The
// templates' own ids are in wizard/sheet/wizard_pages_win.h.
#pragma once

// Pictures of the first and last pages, drawn by tools/art/wizard_pictures.py.
#define IDB_WIZARD_WELCOME 1901
#define IDB_WIZARD_FINISH 1902

#define IDC_WIZARD_PICTURE 1001
#define IDC_WIZARD_TEXT 1002

// Lab Information
#define IDC_UDL_FILE_NAME 1010
#define IDC_UDL_TITLE 1011
#define IDC_UDL_DESCRIPTION 1012
#define IDC_UDL_AUTHOR 1013
#define IDC_UDL_PASSWORD 1014
#define IDC_UDL_MODULE_NAME 1015
#define IDC_UDL_WORKING_FOLDER 1016

// Lab Documentation
#define IDC_DOC_INTRODUCTION 1020
#define IDC_DOC_PROCEDURE 1021
#define IDC_DOC_OBSERVATIONS 1022
#define IDC_DOC_PLAIN_TEXT 1023
#define IDC_DOC_BROWSE 1024
#define IDC_DOC_START_WORD 1025

// Password dialog
#define IDC_PASSWORD_TEXT 1030
