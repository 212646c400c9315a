#pragma once

class QWidget;

// The main window's About box: the version, what Korvane reads, where its README is and
// the licences of the files it ships.
void ShowAboutKorvane(QWidget* parent);
