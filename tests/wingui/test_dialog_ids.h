/* Ids of the tests' dialog template, read by windres too: #defines only. */
#ifndef NUMEREL_TEST_DIALOG_IDS_H
#define NUMEREL_TEST_DIALOG_IDS_H

#define IDD_TEST_FORM 9100
#define IDC_TEST_FIRST 9101
#define IDC_TEST_SECOND 9102

#endif
