#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tavolin {

class BevelPanel;

// The About box: the program's icon, name and version.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    void OKButtonClick();

    BevelPanel* Panel1;
    QLabel* ProgramIcon;
    QLabel* ProductName;
    QLabel* Version;
    QPushButton* OKButton;
};

}  // namespace tavolin
