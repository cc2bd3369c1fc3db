// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlayerNameDelegate.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QStyle>
#include <QToolTip>
#include <QValidator>
#include <utility>

#include "PlayerRecord.h"
#include "UserMessages.h"
#include "Utf8.h"
#include "Windows1252.h"

namespace tavolin {

namespace {

// Refuses a keystroke or a paste that the player file could not keep, and remembers the
// first character refused for that reason, to say so.
class NameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        refused_.clear();
        for (const char32_t c : input.toUcs4()) {
            const QString character = QString::fromUcs4(&c, 1);
            if (!fitsWindows1252(character)) {
                refused_ = character;
                return Invalid;
            }
        }
        return input.size() <= kNameLength ? Acceptable : Invalid;
    }
    // The character refused by the last validation, once: a rejection for the length
    // leaves nothing to say.
    QString takeRefused() { return std::exchange(refused_, QString()); }

private:
    mutable QString refused_;
};

}  // namespace

QWidget* PlayerNameDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->setMaxLength(kNameLength);
        auto* validator = new NameValidator(line);
        line->setValidator(validator);
        // A character refused is told at the cell, not dropped without a word.
        connect(line, &QLineEdit::inputRejected, line, [line, validator] {
            if (const QString refused = validator->takeRefused(); !refused.isEmpty()) {
                QToolTip::showText(line->mapToGlobal(QPoint(0, line->height())),
                                   fromUtf8(messages::kNameCharacterRefused).arg(refused), line);
            }
        });
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
