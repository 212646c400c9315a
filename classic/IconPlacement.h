#pragma once

// Where a minimized window draws its icon: centred in the client area. The divisions
// truncate toward zero, so a client one pixel narrower than the icon still starts at 0.
struct IconOrigin {
    int x, y;
};

inline IconOrigin CenteredIconOrigin(int clientWidth, int clientHeight, int iconWidth,
                                     int iconHeight) {
    return {(clientWidth - iconWidth + 1) / 2, (clientHeight - iconHeight + 1) / 2};
}
