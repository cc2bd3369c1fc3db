// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryTexts.h"

#include <cmath>

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
    // Whole numbers and halves, as points and ratings are, written without the general
    // conversion, a hundred thousand times for a long history; the same text.
    constexpr double kPlainBelow = 1e13;  // far within the 15 digits of the general form
    if (points >= 0 && points < kPlainBelow && !std::signbit(points) &&
        std::floor(points * 2) == points * 2) {
        const auto whole = static_cast<qint64>(points);
        QString text = QString::number(whole);
        if (static_cast<double>(whole) != points) {
            text += decimalSeparator;
            text += QLatin1Char('5');
        }
        return text;
    }
    QString text = QString::number(points, 'g', 15);
    text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

QStringList historyRow(const PeriodSummary& period, QChar decimalSeparator) {
    const QString before = period.ratingBefore ? QString::number(*period.ratingBefore) : kUnrated;
    const std::optional<int> change = period.change();
    return {period.closedOn.toString(kDateFormat),
            fromUtf8(systemCaption(period.system)),
            QString::number(period.gameCount),
            pointsText(period.points, decimalSeparator),
            before + QStringLiteral(" → ") + QString::number(period.newRating),
            change ? signedText(*change) : QString()};
}

QStringList historyRow(const HistoryPeriod& period, QChar decimalSeparator) {
    return historyRow(summaryOf(period), decimalSeparator);
}

namespace {

// A byte-order mark, so that a spreadsheet reads UTF-8, and CRLF after every line.
QByteArray csvBytes(const QStringList& lines) {
    return QByteArrayLiteral("\xEF\xBB\xBF") + lines.join(QStringLiteral("\r\n")).toUtf8() +
           QByteArrayLiteral("\r\n");
}

}  // namespace

QByteArray historyCsv(const std::vector<PeriodSummary>& periods) {
    const QChar comma = QLatin1Char(',');
    QStringList lines{
        QStringLiteral("Date;Joueur;Système;Parties;Score;Classement avant;"
                       "Nouveau classement;Variation")};
    for (const PeriodSummary& period : periods) {
        const std::optional<int> change = period.change();
        const QStringList fields{
            period.closedOn.toString(kDateFormat),
            csvField(period.playerName),
            fromUtf8(systemCaption(period.system)),
            QString::number(period.gameCount),
            pointsText(period.points, comma),
            period.ratingBefore ? QString::number(*period.ratingBefore) : QString(),
            QString::number(period.newRating),
            change ? QString::number(*change) : QString()};
        lines.append(fields.join(QLatin1Char(';')));
    }
    return csvBytes(lines);
}

QByteArray historyCsv(const std::vector<HistoryPeriod>& periods) {
    std::vector<PeriodSummary> summaries;
    summaries.reserve(periods.size());
    for (const HistoryPeriod& period : periods) {
        summaries.push_back(summaryOf(period));
    }
    return historyCsv(summaries);
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

QString periodName(const PeriodSummary& period) {
    const QString when = QStringLiteral("%1 à %2").arg(period.closedOn.toString(kDateFormat),
                                                       period.closedAtTime.toString(u"HH:mm"));
    return period.ratingBefore ? QStringLiteral("du %1, %2 → %3")
                                     .arg(when, QString::number(*period.ratingBefore),
                                          QString::number(period.newRating))
                               : QStringLiteral("du %1, premier classement %2")
                                     .arg(when, QString::number(period.newRating));
}

QString periodName(const HistoryPeriod& period) {
    return periodName(summaryOf(period));
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
