#pragma once
// Resource and control ids of wlanstat, shared by wlanstat.rc and the code.

#define IDD_ABOUT_DIALOG 100
#define IDS_ABOUT_MENU_ITEM 101
#define IDD_STATUS_DIALOG 102
#define IDI_APP_ICON 128
#define IDB_BACKGROUND 129
#define IDB_STATE_CONNECTED 130
#define IDB_STATE_NOT_CONNECTED 131
#define IDB_STATE_NO_ADAPTER 132
#define IDB_CLOSE_IMAGES 133
#define IDB_MINIMIZE_IMAGES 134

#define IDC_ADAPTER_COMBO 1022
#define IDC_CLOSE_BUTTON 1023
#define IDC_FOCUS_SINK 1024

// System-menu command of the About item; the low four bits belong to the system.
#define ID_SYSCMD_ABOUT 0x0010
