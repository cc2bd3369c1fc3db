// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "FideList.h"

class QCompleter;
class QLineEdit;
class QStandardItemModel;

namespace tavolin {

// The players of FIDE's list offered under the opponent's rating field as the user types
// letters of a name (or a FIDE ID of five digits or more): choosing one puts his standard
// rating in the field; one unrated in the standard list puts nothing there. Digits of a
// rating are left alone. Without a list the field is as it always is.
class OpponentSuggestions : public QObject {
    Q_OBJECT
public:
    // `listPath`: FIDE's list database, opened at the first search.
    OpponentSuggestions(QLineEdit* field, QString listPath, QObject* parent = nullptr);
    ~OpponentSuggestions() override;

    // The player last chosen, while the field still holds what choosing him put there.
    std::optional<FideListPlayer> chosen() const;
    // Forgets the player chosen, as a game entered or a field cleared does.
    void forgetChosen();
    // Whether players are offered under the field at this moment.
    bool offering() const;
    // The list was imported, replaced or taken away: the field follows it.
    void listChanged();
    // Searches the list's failures are told through (a damaged list, one busy elsewhere).
    void setFailureHandler(std::function<void(const QString&)> handler) {
        failureHandler_ = std::move(handler);
    }

    // What an offered player's line shows: name, federation, title, standard rating.
    static QString lineOf(const FideListPlayer& player);
    // Whether a field's text asks the list: a letter, or five digits or more.
    static bool isSearch(const QString& text);

signals:
    void playerChosen(const tavolin::FideListPlayer& player);

private:
    void search(const QString& text);
    void choose(int row);
    void applyFieldLength();

    QLineEdit* field_;
    QString listPath_;
    std::unique_ptr<FideListDatabase> list_;
    QCompleter* completer_;
    QStandardItemModel* model_;
    std::vector<FideListPlayer> offered_;
    std::optional<FideListPlayer> chosen_;
    QString chosenText_;
    std::function<void(const QString&)> failureHandler_;
    int ratingLength_;
};

}  // namespace tavolin
