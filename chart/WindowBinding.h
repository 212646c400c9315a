#pragma once

#include "DrawSurface.h"

#include <functional>
#include <memory>

// What the chart needs from the window it draws into. Every operation can fail, so each
// failure path of the chart can be reached with a fake binding.
class IWindowBinding {
  public:
    virtual ~IWindowBinding() = default;

    // The client area; left and top are 0. False when the window cannot be queried.
    virtual bool GetClientRect(RECT& rect) = 0;
    // The window's own surface, or nullptr. Released with ReleaseDC.
    virtual IDrawSurface* GetDC() = 0;
    virtual void ReleaseDC(IDrawSurface* dc) = 0;
    // An off-screen surface that can take bitmaps compatible with the window, or nullptr.
    virtual std::unique_ptr<IDrawSurface> CreateCompatibleDC(IDrawSurface* windowDC) = 0;
    // A bitmap of w x h pixels in the window's colour format, or nullptr.
    virtual std::unique_ptr<ISurfaceBitmap> CreateCompatibleBitmap(IDrawSurface* windowDC, int w,
                                                                   int h) = 0;
    // Called once when the window goes away, so the chart can drop what refers to it.
    // An empty function cancels the call.
    virtual void OnDestroyed(std::function<void()> release) = 0;
};
