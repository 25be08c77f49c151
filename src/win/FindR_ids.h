#pragma once
// Resource identifiers of the Find Text dialog, TDoFind.

#define IDD_FINDR 500
#define IDC_FINDR_LABEL1 501
#define IDC_FINDR_FIND 502
