#pragma once

#include "DrawSurface.h"

#include <memory>

// The chart's off-screen surface, held by value like any other member. It owns the surface
// and, after a bitmap could not be selected out of it again, that bitmap too: a bitmap must
// outlive its selection.
class CMemoryDC {
  public:
    bool Attach(std::unique_ptr<IDrawSurface> surface) {
        if (!surface)
            return false;
        surface_ = std::move(surface);
        return true;
    }

    void DeleteDC() {
        surface_.reset();
        stranded_.reset();
    }

    IDrawSurface* get() const { return surface_.get(); }
    explicit operator bool() const { return surface_ != nullptr; }

    // Keeps a bitmap that is still selected into this surface. The one kept before is no
    // longer selected (the new one replaced it), so it can go.
    void KeepSelected(std::unique_ptr<ISurfaceBitmap> bitmap) { stranded_ = std::move(bitmap); }

  private:
    std::unique_ptr<IDrawSurface> surface_;
    std::unique_ptr<ISurfaceBitmap> stranded_;
};
