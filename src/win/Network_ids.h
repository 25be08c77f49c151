#pragma once
// Control identifiers of the "Network Considerations" dialog.

#define IDD_NETWORK 300
#define IDC_NETWORK_OPTION 301
#define IDC_NETWORK_AUTOSYNC 302
#define IDC_NETWORK_MINUTES 303
#define IDC_NETWORK_EVERY_LABEL 304
#define IDC_NETWORK_MINUTES_LABEL 305
