// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>

namespace tavolin {

struct AboutBoxControls;

// The About box: the program's icon, name and version.
class AboutBox : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
    ~AboutBox() override;

    void closeBox();  // "OK"

private:
    const std::unique_ptr<AboutBoxControls> ui_;
};

}  // namespace tavolin
