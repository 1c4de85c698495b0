#pragma once
// Resource ids of Skelder.exe.
#define IDS_APP_NAME 1
#define IDD_LAUNCHER_DIALOG 102
#define IDI_LAUNCHER 128
#define IDC_ADAPTER 1000
#define IDC_RESOLUTION 1001
