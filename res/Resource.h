#pragma once

// Resource identifiers.
inline constexpr int IDD_ABOUTBOX = 100;
inline constexpr int IDS_ABOUTBOX = 101;
inline constexpr int IDD_MAIN = 102;
inline constexpr int IDR_MAINFRAME = 128;
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDC_STATIC = -1;
inline constexpr int IDC_PLOT = 1000;
inline constexpr int IDC_OPEN = 1001;
inline constexpr int IDC_PATH = 1002;
inline constexpr int IDC_PLUS = 1003;
inline constexpr unsigned IDM_ABOUTBOX = 0x0010;
inline constexpr int RELOAD_TIMER_ID = 1;
inline constexpr int RELOAD_PERIOD_MS = 2000;
