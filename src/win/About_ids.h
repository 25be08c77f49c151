#pragma once
// Resource identifiers of the About box, TAboutBox.

#define IDD_ABOUT 3700
#define IDC_ABOUT_PANEL 3701
#define IDC_ABOUT_PICTURE 3702
#define IDC_ABOUT_PRODUCT 3703
#define IDC_ABOUT_VERSION 3704
