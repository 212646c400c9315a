#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>

class QMenu;

// How the picture shown goes to the clipboard and into a file, as the look that drew it
// writes it. `write` returns why it could not.
struct PictureOutputs {
    std::function<void(QSize sizePx)> copy;
    std::function<std::optional<QString>(QSize sizePx, const std::string& path)> write;
    // The same at a resolution and text size of the user's, where the look lets them change.
    std::function<std::optional<QString>(QSize sizePx, double dpi, double fontPt,
                                         const std::string& path)>
        print;
};

// The plot area: a widget that shows the chart's picture. It shows "Static" until the first
// picture arrives, then keeps the last one and repaints it whenever asked. Its
// context menu copies the picture or saves it as a PNG, SVG or PDF: the only files the
// program writes, and only when asked.
class PlotArea final : public QWidget {
    Q_OBJECT
  public:
    explicit PlotArea(QWidget* parent = nullptr);

    bool hasPicture() const { return hasPicture_; }
    // Back to the look before any picture, until the next one arrives.
    void clearPicture();
    // Counts the pictures shown, so a caller can tell a new one arrived.
    unsigned long long pictureSerial() const { return pictureSerial_; }
    // Shows `image`, and copies and saves the picture through `outputs`. Returns the picture
    // shown before, for the next one to be drawn over.
    QImage showPicture(QImage image, PictureOutputs outputs);
    // The picture last shown.
    const QImage& picture() const { return picture_; }

    // Asks where to save the picture; an empty answer cancels. A file dialog unless replaced.
    void setSavePathChooser(std::function<QString()> chooser) {
        chooseSavePath_ = std::move(chooser);
    }
    QMenu* contextMenu() const { return menu_; }
    // A faint line centred in the plot while it has no picture, in place of "Static".
    void setPlaceholder(QString text);
    // Called after the widget changed size, so the chart can be laid out anew.
    void setResizedHandler(std::function<void()> resized) { resized_ = std::move(resized); }
    void copyPicture() const;
    void savePicture();
    // Writes the picture to `path` (the file system's bytes) as --snapshot with --size,
    // --dpi and --font-size would; returns why it could not.
    std::optional<QString> printPicture(QSize sizePx, double dpi, double fontPt,
                                        const std::string& path) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    QImage picture_;
    bool hasPicture_ = false;
    unsigned long long pictureSerial_ = 0;
    PictureOutputs outputs_;
    QMenu* menu_;
    std::function<QString()> chooseSavePath_;
    std::function<void()> resized_;
    std::optional<QString> placeholder_;
};
