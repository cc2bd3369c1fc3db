// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>

namespace tavolin {

struct PercentageTableWindowControls;

// The percentage table window: the rating difference of every whole percentage from 100 down
// to 1, by the threshold table (whatever the interpolation switch says).
class PercentageTableWindow : public QDialog {
    Q_OBJECT
public:
    explicit PercentageTableWindow(QWidget* parent = nullptr);
    ~PercentageTableWindow() override;

    void fillPercentages();  // the percentages, then fillDifferences
    void fillDifferences();  // the differences beside them
    void closeWindow();      // "OK"

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setCell(int row, int column, int value);

    const std::unique_ptr<PercentageTableWindowControls> ui_;
};

}  // namespace tavolin
