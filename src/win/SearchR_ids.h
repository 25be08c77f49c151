#pragma once
// Resource identifiers of the editor's search dialog, TDoSearch.

#define IDD_SEARCHR 3400
#define IDC_SEARCHR_LABEL1 3401
#define IDC_SEARCHR_FIND 3402
#define IDC_SEARCHR_LABEL2 3403
#define IDC_SEARCHR_REPLACE 3404
