#include "syllables/reading_font.h"

#include <QApplication>
#include <QEvent>
#include <QVariant>
#include <QWidget>

namespace {
// The families the windows were designed with.
const QStringList kDesignFamilies{QStringLiteral("Comic Sans MS"), QStringLiteral("MS Sans Serif"),
                                  QStringLiteral("Arial")};
// Where a widget keeps the family it was given while it shows the reading font.
const char* const kDesignFamily = "moxabcDesignFamily";
} // namespace

ReadingFont::ReadingFont() {
    if (qApp)
        qApp->installEventFilter(this);
}

ReadingFont::~ReadingFont() {
    apply(false);
}

void ReadingFont::apply(bool on) {
    if (on == on_)
        return;
    on_ = on;
    if (on) {
        designApplicationFont_ = QApplication::font();
        QFont reading = designApplicationFont_;
        reading.setFamilies({kFamily});
        QApplication::setFont(reading);
    } else {
        QApplication::setFont(designApplicationFont_);
    }
    for (QWidget* widget : QApplication::allWidgets()) {
        if (on)
            convert(widget);
        else
            restore(widget);
    }
}

bool ReadingFont::eventFilter(QObject* watched, QEvent* event) {
    // A window made later, or a font set anew, takes the reading font too.
    if (on_ && (event->type() == QEvent::Polish || event->type() == QEvent::FontChange) &&
        watched->isWidgetType())
        convert(static_cast<QWidget*>(watched));
    return QObject::eventFilter(watched, event);
}

void ReadingFont::convert(QWidget* widget) const {
    if (!widget->testAttribute(Qt::WA_SetFont))
        return;
    QFont font = widget->font();
    const QString family = font.family();
    if (!kDesignFamilies.contains(family))
        return;
    widget->setProperty(kDesignFamily, family);
    font.setFamilies({kFamily});
    widget->setFont(font);
}

void ReadingFont::restore(QWidget* widget) {
    const QVariant family = widget->property(kDesignFamily);
    if (!family.isValid())
        return;
    widget->setProperty(kDesignFamily, QVariant());
    QFont font = widget->font();
    font.setFamilies({family.toString()});
    widget->setFont(font);
}
