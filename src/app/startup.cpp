#include "app/startup.h"

#include "app/form0.h"
#include "platform/twips.h"

#include <QApplication>
#include <QFont>
#include <QScreen>

bool hasDisplay() {
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

void prepareApplication() {
    QApplication::setApplicationName(QStringLiteral("MOX-ABC"));
    // The windows name the fonts they were designed with; these are the free look-alikes.
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    const QScreen* screen = QApplication::primaryScreen();
    applyScreenScale(screen ? screen->availableSize() : QSize(800, 600));
}

void applyScreenScale(QSize availableScreen) {
    Twips::setScale(Twips::scaleForScreen(availableScreen.width(), availableScreen.height(),
                                          Form0::ClientWidth, Form0::ClientHeight));
    QApplication::setFont(Twips::font(QStringLiteral("MS Sans Serif"), 9, false));
}
