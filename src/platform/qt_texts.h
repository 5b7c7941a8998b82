#pragma once

// The texts of the dialogs that Qt itself makes (the print dialog, the print preview, a file
// dialog) in German, when the system has Qt's translations. Loaded only when first needed, so
// that start-up stays light.
void loadQtGermanTexts();
