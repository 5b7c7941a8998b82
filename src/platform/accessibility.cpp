#include "platform/accessibility.h"

#include "platform/window.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

const char* const kDecorative = "moxDecorative";

class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window)
        : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(shownChildren().size()); }

    QAccessibleInterface* child(int index) const override {
        const QWidgetList children = shownChildren();
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        if (!child || !child->object() || !child->object()->isWidgetType())
            return -1;
        return static_cast<int>(shownChildren().indexOf(static_cast<QWidget*>(child->object())));
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->windowTitle();
        return QAccessibleWidget::text(kind);
    }

private:
    QWidgetList shownChildren() const {
        QWidgetList shown;
        for (QObject* object : widget()->children()) {
            auto* child = qobject_cast<QWidget*>(object);
            if (child && !child->isWindow() && !child->isHidden() &&
                !Accessibility::isDecorative(child))
                shown.append(child);
        }
        return shown;
    }
};

QAccessibleInterface* windowFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("MoxWindow") && object && object->isWidgetType())
        return new WindowAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void Accessibility::install() {
    static const bool installed = [] {
        QAccessible::installFactory(windowFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

void Accessibility::markDecorative(QWidget* widget) {
    widget->setProperty(kDecorative, true);
    widget->setFocusPolicy(Qt::NoFocus);
}

bool Accessibility::isDecorative(const QWidget* widget) {
    return widget->property(kDecorative).toBool();
}
