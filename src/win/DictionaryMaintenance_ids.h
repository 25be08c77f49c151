#pragma once
// Resource identifiers of the Dictionary Maintenance dialog, TMyEditBox.

#define IDD_EDITBOX 4100
#define IDC_EDITBOX_HEAD 4101
#define IDC_EDITBOX_ADDINFO 4102
#define IDC_EDITBOX_ADD 4103
#define IDC_EDITBOX_LIST 4104
#define IDC_EDITBOX_DELETE 4105
