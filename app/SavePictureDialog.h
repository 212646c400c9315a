#pragma once

#include "WindowSettings.h"

#include <QDialog>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// Save Picture's questions: the file, and the size, resolution and text size with the
// meaning of --size, --dpi and --font-size, the physical size shown as they change. A file
// already there is looked at before anything is asked: one Korvane did not write is kept,
// and another name offered at once; one it wrote is replaced only when the user says so.
class SavePictureDialog final : public QDialog {
    Q_OBJECT
  public:
    SavePictureDialog(QWidget* parent, const PictureChoice& last, const QString& suggestedPath);

    PictureChoice choice() const;
    QString path() const;
    // What the dialog says of the file chosen, empty while it says nothing.
    QString note() const;

    void accept() override;

  private:
    void unitChanged();
    void showPhysicalSize();
    // Whether the file chosen is someone else's, kept: then a free name takes its place in
    // the field, and the note says why.
    bool offerOtherName();
    // Whether the file chosen may be written, asking before replacing one.
    bool fileMayBeWritten();

    QLineEdit* path_;
    QDoubleSpinBox* width_;
    QDoubleSpinBox* height_;
    QComboBox* unit_;
    QSpinBox* dpi_;
    QDoubleSpinBox* fontPt_;
    QLabel* physical_;
    QLabel* note_;
    bool inCm_ = false; // the unit the two sizes are in now
};
