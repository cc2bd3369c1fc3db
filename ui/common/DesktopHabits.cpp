// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopHabits.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace tavolin {

namespace {

class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const Qt::KeyboardModifiers others = key->modifiers() & ~Qt::KeypadModifier;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!enter || others != Qt::NoModifier || button == nullptr || !button->isEnabled()) {
            return false;
        }
        button->click();
        return true;
    }
};

class CaptionClick : public QObject {
public:
    CaptionClick(QLabel* caption, QAbstractButton* control)
        : QObject(caption), caption_(caption), control_(control) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton &&
                caption_->rect().contains(mouse->position().toPoint()) && control_->isEnabled()) {
                control_->setFocus(Qt::MouseFocusReason);
                control_->click();
                return true;
            }
        }
        return false;
    }

private:
    QLabel* caption_;
    QAbstractButton* control_;
};

}  // namespace

void pressButtonsWithEnter(QWidget* window) {
    auto* filter = new EnterPressesButton(window);
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        button->installEventFilter(filter);
    }
}

void makeCaptionOf(QLabel* caption, QAbstractButton* control) {
    caption->installEventFilter(new CaptionClick(caption, control));
    // The control has no text of its own: a screen reader says it by its caption.
    control->setAccessibleName(caption->text().trimmed());
}

}  // namespace tavolin
