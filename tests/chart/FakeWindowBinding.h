#pragma once

#include "RecordingSurface.h"
#include "WindowBinding.h"

#include <memory>

// A window binding whose every operation can be told to fail. It keeps the memory surface's
// record after the chart takes the surface, so tests can read what was drawn off-screen.
class FakeWindowBinding final : public IWindowBinding {
  public:
    RECT client{0, 0, 534, 392};
    bool failClientRect = false;
    bool failGetDC = false;
    bool failCreateDC = false;
    bool failCreateBitmap = false;

    RecordingSurface window;
    RecordingSurface* memory = nullptr; // owned by the chart once handed out
    int releaseDCCalls = 0;
    IDrawSurface* releasedDC = nullptr;
    int bitmapsMade = 0;
    int bitmapsAlive = 0;
    std::function<void()> onDestroyed;

    struct CountedBitmap final : RecordingSurface::Bitmap {
        explicit CountedBitmap(FakeWindowBinding& o) : Bitmap("offscreen"), owner(o) {
            ++owner.bitmapsAlive;
        }
        ~CountedBitmap() override { --owner.bitmapsAlive; }
        FakeWindowBinding& owner;
    };

    bool GetClientRect(RECT& rect) override {
        if (failClientRect)
            return false;
        rect = client;
        return true;
    }
    IDrawSurface* GetDC() override { return failGetDC ? nullptr : &window; }
    void ReleaseDC(IDrawSurface* dc) override {
        ++releaseDCCalls;
        releasedDC = dc;
    }
    std::unique_ptr<IDrawSurface> CreateCompatibleDC(IDrawSurface*) override {
        if (failCreateDC)
            return nullptr;
        auto surface = std::make_unique<RecordingSurface>();
        memory = surface.get();
        return surface;
    }
    std::unique_ptr<ISurfaceBitmap> CreateCompatibleBitmap(IDrawSurface*, int w, int h) override {
        if (failCreateBitmap)
            return nullptr;
        ++bitmapsMade;
        window.ops.push_back("CreateCompatibleBitmap " + std::to_string(w) + " " +
                             std::to_string(h));
        return std::make_unique<CountedBitmap>(*this);
    }
    void OnDestroyed(std::function<void()> release) override { onDestroyed = std::move(release); }
};
