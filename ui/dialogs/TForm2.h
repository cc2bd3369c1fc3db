#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace tavolin {

// The percentage table window: the rating difference of every whole percentage from 100 down
// to 1, by the threshold table (whatever the interpolation switch says).
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    void remplir();   // the percentages, then remplir2
    void remplir2();  // the differences
    void sortir();    // "OK"

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QTableWidget* StringGrid1;
    QPushButton* Button1;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setCell(int row, int column, int value);
};

}  // namespace tavolin
