// Ids of the program's resources: dialog templates, controls, icon, strings, commands.
#pragma once

#define IDD_ABOUT 100
#define IDS_ABOUT_MENU 101
#define IDD_MAIN 102
#define IDI_APP 128

#define IDC_CLEAR 1003
#define IDC_LISTING 1006
#define IDC_BROWSE 1007

#define IDM_ABOUT 0x0010
