#pragma once
// Control identifiers of the date and time format picker.

#define IDD_DTIME 3100
#define IDC_DTIME_TITLE 3101
#define IDC_DTIME_FORMAT 3102
#define IDC_DTIME_SUPPRESS 3103
#define IDC_DTIME_SDLAB1 3104
#define IDC_DTIME_DAYS 3105
#define IDC_DTIME_SDLAB2 3106
#define IDC_DTIME_FUTURE 3107
#define IDC_DTIME_PAST 3108
#define IDC_DTIME_HELP 3109
