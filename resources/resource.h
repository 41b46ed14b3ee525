// Identifiers shared by the resource scripts and the code that uses them.
#pragma once

#define IDS_DESCRIPTION 1
#define IDI_ROWFALL 101
#define IDD_CONFIG 2003

// Controls of the configuration dialog; the radio ids are also the stored Time and Priority.
#define IDC_CLOCK_GROUP 101
#define IDC_CURRENT_TIME 102
#define IDC_RUN_TIME 103
#define IDC_GAME_TIME 104
#define IDC_PRIORITY_GROUP 105
#define IDC_LOW 106
#define IDC_NORMAL 107
#define IDC_HIGH 108
#define IDC_PLAIN_BACKGROUND 109
#define IDC_SHOW_INFO 110
#define IDC_PALETTE 111
#define IDC_GET_GAMES 112
#define IDC_MANUAL_CONTROL 113
#define IDC_EVERY_MONITOR 114
#define IDC_KEYS_TEXT 200
