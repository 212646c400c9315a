#pragma once

#include "Resource.h"

#include <span>

// Dialog templates: positions and sizes in dialog units, controls in template order, which
// is also the tab order.

enum class ControlClass { Button, Static, Edit };

enum ControlStyle : unsigned {
    kPushButton = 1u << 0,
    kDefPushButton = 1u << 1,
    kAutoCheckBox = 1u << 2,
    kTabStop = 1u << 3,
    kGroup = 1u << 4,
    kIconStatic = 1u << 5,
    kLeftText = 1u << 6,
    kNoPrefix = 1u << 7,
    kBorder = 1u << 8,
    kAutoHScroll = 1u << 9,
};

struct ControlTemplate {
    int id;
    ControlClass cls;
    const char* text;
    int x, y, w, h;
    unsigned style;
};

struct DialogTemplate {
    int id;
    const char* caption;
    int x, y, w, h;
    const char* fontFace;
    int fontPoints;
    std::span<const ControlTemplate> controls;
};

inline constexpr ControlTemplate kAboutControls[] = {
    {IDC_STATIC, ControlClass::Static, "", 11, 17, 20, 20, kIconStatic},
    {IDC_STATIC, ControlClass::Static, "Korvane Version 1.0", 40, 10, 119, 8,
     kLeftText | kNoPrefix | kGroup},
    {IDC_STATIC, ControlClass::Static, "Nyquist diagrams of impedance files", 40, 25, 119, 8,
     kLeftText | kGroup},
    {IDOK, ControlClass::Button, "OK", 178, 7, 50, 14, kDefPushButton | kGroup | kTabStop},
};

inline constexpr DialogTemplate kAboutBox{
    IDD_ABOUTBOX, "About Korvane", 0, 0, 235, 55, "MS Sans Serif", 8, kAboutControls};

inline constexpr ControlTemplate kMainControls[] = {
    {IDOK, ControlClass::Button, "OK", 12, 7, 22, 14, kDefPushButton | kTabStop},
    {IDCANCEL, ControlClass::Button, "Cancel", 39, 7, 18, 14, kPushButton | kTabStop},
    {IDC_PLOT, ControlClass::Static, "Static", 16, 24, 356, 241, kLeftText | kGroup},
    {IDC_OPEN, ControlClass::Button, "Open", 323, 7, 21, 14, kPushButton | kTabStop},
    {IDC_PATH, ControlClass::Edit, "", 67, 7, 243, 14,
     kLeftText | kBorder | kTabStop | kAutoHScroll},
    {IDC_PLUS, ControlClass::Button, "+", 354, 11, 20, 10, kAutoCheckBox | kTabStop},
};

inline constexpr DialogTemplate kMainDialog{IDD_MAIN, "Korvane",    0, 0, 387, 272, "MS Sans Serif",
                                            8,        kMainControls};
