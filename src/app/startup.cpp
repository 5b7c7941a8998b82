#include "app/startup.h"

#include "platform/twips.h"

#include <QApplication>
#include <QFont>
#include <QScreen>

bool hasDisplay() {
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY") ||
           qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
}

void prepareApplication(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("MOX-ABC"));
    // The windows name the fonts they were designed with; these are the free look-alikes.
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    if (const QScreen* screen = QApplication::primaryScreen()) {
        const QSize available = screen->availableSize();
        Twips::setScale(Twips::scaleForScreen(available.width(), available.height(), 8415, 6555));
    }
    application.setFont(Twips::font(QStringLiteral("MS Sans Serif"), 9, false));
}
