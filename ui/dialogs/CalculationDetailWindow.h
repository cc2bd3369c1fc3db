// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>

#include "Calculation.h"

namespace tavolin {

struct CalculationDetailWindowControls;

// "Détail du calcul": each game of the last calculation, whether it counted and, where the
// games weigh one by one (FIDE, FIDE 2024), the difference used, the expected score and the
// change, with their totals; elsewhere, a sentence of how the figure was reached.
class CalculationDetailWindow : public QDialog {
    Q_OBJECT
public:
    CalculationDetailWindow(const CalculationResult& calculation, const QString& decimalSeparator,
                            QWidget* parent = nullptr);
    ~CalculationDetailWindow() override;

private:
    void showGames(const CalculationResult& calculation);

    const std::unique_ptr<CalculationDetailWindowControls> ui_;
    QString separator_;
};

}  // namespace tavolin
