#pragma once
// Resource identifiers of the User Manual Notice, TUserManual.

#define IDD_USERM 3800
#define IDC_USERM_FRAME 3801
#define IDC_USERM_LABEL2 3802
#define IDC_USERM_LABEL1 3803
