/* The windows 帮助 and 关于: templates, controls and the about picture. */
#ifndef NUMEREL_HELP_ABOUT_IDS_H
#define NUMEREL_HELP_ABOUT_IDS_H

#define IDD_HELP 208
#define IDC_HELP_TEXT 6201 /* 编辑框1 */
#define IDC_HELP_OK 6202   /* 按钮1 */

#define IDD_ABOUT 209
#define IDC_ABOUT_PICTURE 6210   /* 图片框1 */
#define IDC_ABOUT_NAME 6211      /* 透明标签2 */
#define IDC_ABOUT_STATEMENT 6212 /* 透明标签1 */
#define IDC_ABOUT_CONTACT1 6213  /* 透明标签3 */
#define IDC_ABOUT_CONTACT2 6214  /* 透明标签4 */
#define IDC_ABOUT_CONTACT3 6215  /* 透明标签5 */
#define IDC_ABOUT_OK 6216        /* 按钮1 */

/* The JPEG made by make_about_picture.py. */
#define IDR_ABOUT_PICTURE 6290

#endif
