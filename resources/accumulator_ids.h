// Control ids of the accumulator window.
#pragma once

#define IDD_ACCUMULATOR 204

#define IDC_ACC_RECORDS 5701
#define IDC_ACC_CHOSEN 5702
#define IDC_ACC_ADD 5703
#define IDC_ACC_ADD_ALL 5704
#define IDC_ACC_REMOVE 5705
#define IDC_ACC_REMOVE_ALL 5706
#define IDC_ACC_OPERATION 5707
#define IDC_ACC_REMARK 5708
#define IDC_ACC_CLEAR 5709
