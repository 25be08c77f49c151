#pragma once
// Resource identifiers of the duplicates dialog, TImportOptions.

#define IDD_IMPORTOPTIONS 3900
#define IDC_IMPORTOPTIONS_LABEL 3901
#define IDC_IMPORTOPTIONS_DUPLICATE 3902
#define IDC_IMPORTOPTIONS_REPLACE 3903
#define IDC_IMPORTOPTIONS_PROMPT 3904
