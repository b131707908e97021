// Control ids of the analysis window 辅助分析.
#pragma once

#define IDD_ANALYSIS 207

#define IDC_ANA_TABS 6101
// The conversion page.
#define IDC_ANA_FROM_LABEL 6110
#define IDC_ANA_FROM 6111
#define IDC_ANA_TO_LABEL 6112
#define IDC_ANA_TO 6113
#define IDC_ANA_BASE_LABEL 6114
#define IDC_ANA_INPUT_LABEL 6115
#define IDC_ANA_INPUT 6116
#define IDC_ANA_RESULT_LABEL 6117
#define IDC_ANA_RESULT 6118
#define IDC_ANA_CONVERT_NOTE 6119
// The statistics page.
#define IDC_ANA_STATS_LABEL 6130
#define IDC_ANA_STATS_INPUT 6131
#define IDC_ANA_STATS_RESULT 6132
#define IDC_ANA_STATS_NOTE 6133
