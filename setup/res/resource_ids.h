#pragma once
// Resource and control ids of setup, shared by setup.rc and the code.

#define IDS_SOCKETS_INIT_FAILED 103
#define IDD_FRAME 102
#define IDD_INTRO 129
#define IDD_INSTALLING 217
#define IDD_RESULT 221
#define IDI_APP_ICON 128
#define IDB_MINIMISE_IMAGES 211
#define IDB_CLOSE_IMAGES 212
#define IDB_INTRO 241
#define IDB_INSTALLING 242
#define IDB_SUCCESS 243
#define IDB_FAILURE 244
#define IDR_INSTALL_GIF 246

#define IDC_NEXT 1172
#define IDC_PICTURE 1178
