#pragma once

#include "res/DialogTemplates.h"

#include <QDialog>

#include <functional>

// Builds a dialog from its template: caption, client size, font, and each control at its
// place, in template order (which is the tab order). A control's id is kept in its
// "controlId" property; `custom` may supply the widget for a control, or nullptr for the
// standard one.
void BuildDialog(QDialog& dialog, const DialogTemplate& dialogTemplate,
                 const std::function<QWidget*(const ControlTemplate&)>& custom = {});

// The child control with an id, or nullptr.
QWidget* GetDlgItem(const QWidget& dialog, int id);
