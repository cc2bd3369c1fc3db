// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryTexts.h"

#include "Utf8.h"

namespace tavolin {

namespace {

const QString kDateFormat = QStringLiteral("dd/MM/yyyy");
const QString kUnrated = QStringLiteral("non classé");

QString signedText(int change) {
    return change > 0 ? QLatin1Char('+') + QString::number(change) : QString::number(change);
}

QString csvField(const QString& text) {
    if (!text.contains(QLatin1Char(';')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r'))) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace

QStringList historyColumnTitles() {
    return {QStringLiteral("Date"),  QStringLiteral("Système"),    QStringLiteral("Parties"),
            QStringLiteral("Score"), QStringLiteral("Classement"), QStringLiteral("Variation")};
}

QString pointsText(double points, QChar decimalSeparator) {
    QString text = QString::number(points, 'g', 15);
    text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

QStringList historyRow(const HistoryPeriod& period, QChar decimalSeparator) {
    const QString before = period.ratingBefore ? QString::number(*period.ratingBefore) : kUnrated;
    const std::optional<int> change = period.change();
    return {period.closedAt.toString(kDateFormat),
            fromUtf8(systemCaption(period.system)),
            QString::number(period.games.size()),
            pointsText(period.points(), decimalSeparator),
            before + QStringLiteral(" → ") + QString::number(period.newRating),
            change ? signedText(*change) : QString()};
}

namespace {

// A byte-order mark, so that a spreadsheet reads UTF-8, and CRLF after every line.
QByteArray csvBytes(const QStringList& lines) {
    return QByteArrayLiteral("\xEF\xBB\xBF") + lines.join(QStringLiteral("\r\n")).toUtf8() +
           QByteArrayLiteral("\r\n");
}

}  // namespace

QByteArray historyCsv(const std::vector<HistoryPeriod>& periods) {
    const QChar comma = QLatin1Char(',');
    QStringList lines{
        QStringLiteral("Date;Joueur;Système;Parties;Score;Classement avant;"
                       "Nouveau classement;Variation")};
    for (const HistoryPeriod& period : periods) {
        const std::optional<int> change = period.change();
        const QStringList fields{
            period.closedAt.toString(kDateFormat),
            csvField(period.playerName),
            fromUtf8(systemCaption(period.system)),
            QString::number(period.games.size()),
            pointsText(period.points(), comma),
            period.ratingBefore ? QString::number(*period.ratingBefore) : QString(),
            QString::number(period.newRating),
            change ? QString::number(*change) : QString()};
        lines.append(fields.join(QLatin1Char(';')));
    }
    return csvBytes(lines);
}

QByteArray historyGamesCsv(const std::vector<HistoryPeriod>& periods) {
    const QChar comma = QLatin1Char(',');
    QStringList lines{QStringLiteral(
        "Date;Joueur;Système;Classement avant;Nouveau classement;N°;Adversaire;Elo;Résultat;"
        "Tournoi;Ronde;Date de la partie")};
    for (const HistoryPeriod& period : periods) {
        int number = 0;
        for (const HistoryGame& game : period.games) {
            const QStringList fields{
                period.closedAt.toString(kDateFormat),
                csvField(period.playerName),
                fromUtf8(systemCaption(period.system)),
                period.ratingBefore ? QString::number(*period.ratingBefore) : QString(),
                QString::number(period.newRating),
                QString::number(++number),
                csvField(game.opponentName),
                pointsText(game.entry.opponentRating, comma),
                pointsText(game.entry.score, comma),
                csvField(game.event),
                csvField(game.round),
                csvField(game.date)};
            lines.append(fields.join(QLatin1Char(';')));
        }
    }
    return csvBytes(lines);
}

QString periodName(const HistoryPeriod& period) {
    const QString when = period.closedAt.toString(QStringLiteral("dd/MM/yyyy à HH:mm"));
    return period.ratingBefore ? QStringLiteral("du %1, %2 → %3")
                                     .arg(when, QString::number(*period.ratingBefore),
                                          QString::number(period.newRating))
                               : QStringLiteral("du %1, premier classement %2")
                                     .arg(when, QString::number(period.newRating));
}

QString gameResultText(double score) {
    return score == kWinScore    ? QStringLiteral("1")
           : score == kDrawScore ? QStringLiteral("½")
                                 : QStringLiteral("0");
}

QStringList historyGameColumnTitles() {
    return {QStringLiteral("N°"),       QStringLiteral("Adversaire"), QStringLiteral("Elo"),
            QStringLiteral("Résultat"), QStringLiteral("Tournoi"),    QStringLiteral("Ronde"),
            QStringLiteral("Date")};
}

QStringList historyGameRow(int number, const HistoryGame& game) {
    return {QString::number(number),
            game.opponentName,
            QString::number(game.entry.opponentRating, 'g', 15),
            gameResultText(game.entry.score),
            game.event,
            game.round,
            game.date};
}

}  // namespace tavolin
