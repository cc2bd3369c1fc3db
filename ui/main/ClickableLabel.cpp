// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClickableLabel.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace tavolin {

namespace {

// A button for screen readers: its name is what the label shows, and pressing it is a click.
class AccessibleClickableLabel : public QAccessibleWidget {
public:
    explicit AccessibleClickableLabel(ClickableLabel* label)
        : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return static_cast<const QLabel*>(widget())->text().trimmed();
        }
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) {
            emit static_cast<ClickableLabel*>(widget())->clicked();
        }
    }
};

QAccessibleInterface* accessibleClickableLabel(const QString& className, QObject* object) {
    if (className == QLatin1String("tavolin::ClickableLabel") && object->isWidgetType()) {
        return new AccessibleClickableLabel(static_cast<ClickableLabel*>(object));
    }
    return nullptr;
}

}  // namespace

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleClickableLabel);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

}  // namespace tavolin
