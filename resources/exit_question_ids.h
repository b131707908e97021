/* The exit question window's template and controls. */
#ifndef NUMEREL_EXIT_QUESTION_IDS_H
#define NUMEREL_EXIT_QUESTION_IDS_H

#define IDD_EXIT_QUESTION 200
#define IDC_EXIT_NOW 4901      /* 按钮1 */
#define IDC_EXIT_TO_TRAY 4902  /* 按钮2 */
#define IDC_EXIT_REMEMBER 4903 /* 选择框1 */

#endif
