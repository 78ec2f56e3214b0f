// Ids of the print job's texts and of the progress line of the print box.
#pragma once
#define IDC_PRINT_PROGRESS 1031
#define IDS_NOTHING_TO_PRINT 590
#define IDS_NOTHING_TO_PRINT_CAPTION 591
#define IDS_PRINTER_NO_BITMAPS 592
#define IDS_DEVICE_ERROR 593
#define IDS_SENDING_OBJECT 594
#define IDS_SENDING_INTRODUCTION 595
#define IDS_SENDING_PROCEDURE 596
#define IDS_SENDING_OBSERVATIONS 597
