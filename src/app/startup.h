#pragma once

class QApplication;

// True when a window system is there to show windows on (or a platform was chosen by hand).
bool hasDisplay();
// Fonts, scale factor and names the whole program shares.
void prepareApplication(QApplication& application);
