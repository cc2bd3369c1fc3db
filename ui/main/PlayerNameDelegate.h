// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

namespace tavolin {

// The names grid's cells. The editor takes only what the player file can keep: at most 20
// characters, all of Windows-1252, so that no name is cut or turned into question marks
// behind the user's back. A name the narrow column clips shows whole as the cell's tooltip.
class PlayerNameDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;
};

}  // namespace tavolin
