#pragma once

#include "ChartPicture.h"
#include "QtBitmap.h"
#include "QtDrawSurface.h"
#include "VectorPicture.h"
#include "WindowBinding.h"

#include <QWidget>

#include <functional>
#include <memory>

class QMenu;

// The plot area: a widget the chart draws into. It shows "Static" until the chart first
// copies a picture to it, then keeps the last picture and repaints it whenever asked. Its
// context menu copies the picture or saves it as a PNG, SVG or PDF: the only files the
// program writes, and only when asked.
class PlotArea final : public QWidget, public IWindowBinding {
    Q_OBJECT
  public:
    explicit PlotArea(QWidget* parent = nullptr);
    ~PlotArea() override;

    bool hasPicture() const { return hasPicture_; }
    // Back to the look before any picture, until the next one arrives.
    void clearPicture();
    // Counts the pictures copied to the window, so a caller can tell a new one arrived.
    unsigned long long pictureSerial() const { return pictureSerial_; }
    // Shows a chart drawn by the renderer: `image` on the screen, and `draw` again for every
    // picture copied or saved. Until the next clearPicture, the chart stands in for the
    // pictures a classic chart copies to the window.
    void showChart(QImage image, ChartDrawer draw);
    const QImage& chartImage() const { return chartImage_; }
    // Draws the diagram again for SVG and PDF pictures.
    void setVectorDrawer(PictureDrawer draw) { drawVector_ = std::move(draw); }
    // The picture last copied to the window, at the widget's size.
    const QImage& picture() const { return picture_.image; }

    // Asks where to save the picture; an empty answer cancels. A file dialog unless replaced.
    void setSavePathChooser(std::function<QString()> chooser) {
        chooseSavePath_ = std::move(chooser);
    }
    QMenu* contextMenu() const { return menu_; }
    void copyPicture() const;
    void savePicture();

    bool GetClientRect(RECT& rect) override;
    IDrawSurface* GetDC() override;
    void ReleaseDC(IDrawSurface* dc) override;
    std::unique_ptr<IDrawSurface> CreateCompatibleDC(IDrawSurface* windowDC) override;
    std::unique_ptr<ISurfaceBitmap> CreateCompatibleBitmap(IDrawSurface* windowDC, int w,
                                                           int h) override;
    void OnDestroyed(std::function<void()> release) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void matchPictureToSize();

    QtBitmap picture_;
    QtDrawSurface windowSurface_;
    bool hasPicture_ = false;
    unsigned long long pictureSerial_ = 0;
    PictureDrawer drawVector_;
    QImage chartImage_;
    ChartDrawer drawChart_;
    std::function<void()> release_;
    QMenu* menu_;
    std::function<QString()> chooseSavePath_;
};
