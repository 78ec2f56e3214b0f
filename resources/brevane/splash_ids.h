// The start-up splash: its template, picture control and two pictures.
#pragma once

#define IDD_SPLASH 1000
#define IDC_SPLASH_PICTURE 1001
#define IDB_SPLASH_SMALL 1010
#define IDB_SPLASH_LARGE 1011
