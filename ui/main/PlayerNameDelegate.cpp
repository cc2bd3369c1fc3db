// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerNameDelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QStyle>
#include <QToolTip>
#include <QValidator>

#include "PlayerRecord.h"
#include "Windows1252.h"

namespace tavolin {

namespace {

// Refuses a keystroke or a paste that the player file could not keep.
class NameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return input.size() <= kNameLength && fitsWindows1252(input) ? Acceptable : Invalid;
    }
};

}  // namespace

QWidget* PlayerNameDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setMaxLength(kNameLength);
        line->setValidator(new NameValidator(line));
    }
    return editor;
}

bool PlayerNameDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view,
                                   const QStyleOptionViewItem& option, const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip) {
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    }
    const QString name = index.data(Qt::DisplayRole).toString();
    const QStyle* style = view->style();
    const int margins = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, view) + 1);
    if (option.fontMetrics.horizontalAdvance(name) > option.rect.width() - margins) {
        QToolTip::showText(event->globalPos(), name, view->viewport(), option.rect);
    } else {
        QToolTip::hideText();
    }
    return true;
}

}  // namespace tavolin
