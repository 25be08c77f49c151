#pragma once
// Resource identifiers of the Spelling Suggestions dialog, TSpellSuggestions.

#define IDD_SPELLSUG 4000
#define IDC_SPELLSUG_PANEL 4001
#define IDC_SPELLSUG_NOTICE 4002
#define IDC_SPELLSUG_WORD 4003
#define IDC_SPELLSUG_LABEL1 4004
#define IDC_SPELLSUG_LIST 4005
#define IDC_SPELLSUG_REPLACE 4006
#define IDC_SPELLSUG_IGNORE 4007
#define IDC_SPELLSUG_ADD 4008
#define IDC_SPELLSUG_ABORT 4009
