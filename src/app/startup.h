#pragma once

class QSize;

// True when a window system is there to show windows on (or a platform was chosen by hand).
bool hasDisplay();
// Fonts, scale factor and names the whole program shares.
void prepareApplication();
// The one scale of the whole program, chosen from the screen's free area; the application
// font, and with it every message box, follows it.
void applyScreenScale(QSize availableScreen);
