// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogStart.h"

#include "Fonts.h"
#include "ProgramIcon.h"

namespace tavolin {

void applyDialogLook(QDialog& dialog, const DialogLook& look) {
    dialog.setObjectName(look.objectName);
    dialog.setWindowTitle(look.title);
    dialog.setWindowIcon(programIcon());
    dialog.setFont(interfaceFont());
    if (look.fixedSize) {
        dialog.setFixedSize(look.size);
    } else {
        dialog.resize(look.size);
    }
}

}  // namespace tavolin
