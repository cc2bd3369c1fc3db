// SPDX-License-Identifier: GPL-3.0-or-later
#include "OpponentSuggestions.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QStyle>
#include <algorithm>

#include "FileError.h"

namespace tavolin {

namespace {

// What a line of the offer puts in the field when chosen.
constexpr int kFieldTextRole = Qt::UserRole + 1;
constexpr int kRowRole = Qt::UserRole + 2;
// Names are typed into the rating field while a list is there: room for a long one.
constexpr int kSearchLength = 60;
constexpr int kLeastIdDigits = 5;
constexpr int kOffered = 20;
constexpr int kPopupMargin = 8;

}  // namespace

OpponentSuggestions::OpponentSuggestions(QLineEdit* field, QString listPath, QObject* parent)
    : QObject(parent),
      field_(field),
      listPath_(std::move(listPath)),
      completer_(new QCompleter(this)),
      model_(new QStandardItemModel(this)),
      ratingLength_(field->maxLength()) {
    completer_->setModel(model_);
    // The list has chosen the players already: the completer shows them all, in its order.
    completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer_->setCompletionRole(kFieldTextRole);
    completer_->setMaxVisibleItems(10);
    connect(field_, &QLineEdit::textEdited, this, &OpponentSuggestions::search);
    connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) { choose(index.data(kRowRole).toInt()); });
    applyFieldLength();
}

OpponentSuggestions::~OpponentSuggestions() = default;

bool OpponentSuggestions::isSearch(const QString& text) {
    const QString trimmed = text.trimmed();
    if (std::any_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.isLetter(); })) {
        return true;
    }
    return trimmed.size() >= kLeastIdDigits &&
           std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.isDigit(); });
}

QString OpponentSuggestions::lineOf(const FideListPlayer& player) {
    QStringList parts{player.name, player.federation};
    if (!player.shownTitle().isEmpty()) {
        parts.append(player.shownTitle());
    }
    parts.append(player.standardRating > 0 ? QString::number(player.standardRating)
                                           : tr("non classé"));
    return parts.join(QStringLiteral("  "));
}

std::optional<FideListPlayer> OpponentSuggestions::chosen() const {
    if (chosen_ && field_->text() == chosenText_) {
        return chosen_;
    }
    return std::nullopt;
}

bool OpponentSuggestions::offering() const {
    return completer_->popup()->isVisible();
}

void OpponentSuggestions::forgetChosen() {
    chosen_.reset();
}

void OpponentSuggestions::listChanged() {
    list_.reset();
    applyFieldLength();
}

void OpponentSuggestions::applyFieldLength() {
    const bool listThere = QFileInfo::exists(listPath_);
    // Tied to the field but not its own completer: the field's would narrow the offer to
    // its width and write the line's text itself.
    completer_->setWidget(listThere ? field_ : nullptr);
    field_->setMaxLength(listThere ? std::max(kSearchLength, ratingLength_) : ratingLength_);
}

void OpponentSuggestions::search(const QString& text) {
    chosen_.reset();
    offered_.clear();
    model_->clear();
    if (!isSearch(text) || !QFileInfo::exists(listPath_)) {
        return;
    }
    try {
        if (!list_) {
            list_ = std::make_unique<FideListDatabase>(listPath_);
        }
        offered_ = list_->find(text, kOffered);
    } catch (const FileError& error) {
        list_.reset();
        if (failureHandler_) {
            failureHandler_(QString::fromUtf8(error.what()));
        }
        return;
    }
    for (int row = 0; row < static_cast<int>(offered_.size()); ++row) {
        const FideListPlayer& player = offered_[static_cast<std::size_t>(row)];
        auto* item = new QStandardItem(lineOf(player));
        item->setData(
            player.standardRating > 0 ? QString::number(player.standardRating) : QString(),
            kFieldTextRole);
        item->setData(row, kRowRole);
        item->setToolTip(QStringLiteral("FIDE %1").arg(player.id));
        model_->appendRow(item);
    }
    // The field is a rating's width: the offer takes the width of its longest line.
    // The popup is made here, at the first offer, rather than with the program's window.
    QAbstractItemView* popup = completer_->popup();
    popup->setFont(field_->font());
    const int width = popup->sizeHintForColumn(0) + 2 * popup->frameWidth() +
                      popup->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + kPopupMargin;
    completer_->complete(QRect(0, 0, std::max(width, field_->width()), field_->height()));
}

void OpponentSuggestions::choose(int row) {
    if (row < 0 || row >= static_cast<int>(offered_.size())) {
        return;
    }
    chosen_ = offered_[static_cast<std::size_t>(row)];
    chosenText_ =
        chosen_->standardRating > 0 ? QString::number(chosen_->standardRating) : QString();
    field_->setText(chosenText_);
    emit playerChosen(*chosen_);
}

}  // namespace tavolin
