// Control ids of the appearance window 外观设置.
#pragma once

#define IDD_APPEARANCE 206

#define IDC_APP_SKIN_OFF 6001
#define IDC_APP_PREVIOUS 6002
#define IDC_APP_NEXT 6003
#define IDC_APP_EFFECTS 6004
#define IDC_APP_OPACITY 6005
#define IDC_APP_BACK_COLOUR 6006
#define IDC_APP_TEXT_COLOUR 6007
#define IDC_APP_BARS 6008
#define IDC_APP_TITLE_BAR 6009
#define IDC_APP_MENU_BAR 6010
#define IDC_APP_STATUS_BAR 6011
