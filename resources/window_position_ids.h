// Control ids of the window-position window.
#pragma once

#define IDD_WINDOW_POSITION 202

#define IDC_POS_TOP 5501
#define IDC_POS_LEFT 5502
#define IDC_POS_WIDTH 5503
#define IDC_POS_HEIGHT 5504
