// Tip of the Day: its template, picture and controls.
#pragma once

#define IDD_TIP_OF_THE_DAY 389
#define IDB_TIP_PICTURE 391
#define IDC_TIP_NEXT 1062
#define IDC_TIP_SHOW_AT_STARTUP 1063
#define IDC_TIP_PICTURE 1064
