#pragma once
// Resource identifiers of the symbol picker, TDoSpecial.

#define IDD_SPECIAL 3300
#define IDC_SPECIAL_GRID 3301
