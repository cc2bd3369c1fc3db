#pragma once

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;
class QWidget;

namespace tavolin {

class ClickableLabel;
class RightAlignedLabel;

// Every control of the main window, as placed on it: kind and name, which is also the
// control's object name.
#define TAVOLIN_MAIN_WINDOW_CONTROLS(X) \
    X(ClickableLabel, Label10)          \
    X(QLabel, Label12)                  \
    X(QTableWidget, StringGrid1)        \
    X(QLabel, Label19)                  \
    X(QRadioButton, RadioButton1)       \
    X(QRadioButton, RadioButton2)       \
    X(QRadioButton, RadioButton3)       \
    X(QRadioButton, RadioButton4)       \
    X(QRadioButton, RadioButton5)       \
    X(QLabel, Label15)                  \
    X(QLabel, Label16)                  \
    X(QLabel, Label17)                  \
    X(QLabel, Label18)                  \
    X(QLabel, Label20)                  \
    X(QGroupBox, RadioGroup1)           \
    X(QLabel, Label1)                   \
    X(QLineEdit, eloactuel)             \
    X(QCheckBox, CheckBox1)             \
    X(QLabel, Label14)                  \
    X(QLabel, Label11)                  \
    X(QComboBox, ComboBox1)             \
    X(QLabel, Label2)                   \
    X(QFrame, Bevel1)                   \
    X(QLabel, Label3)                   \
    X(QLineEdit, adv)                   \
    X(QLabel, Label4)                   \
    X(QLineEdit, adv2)                  \
    X(QPushButton, Button1)             \
    X(QPushButton, Button2)             \
    X(RightAlignedLabel, Label5)        \
    X(QLabel, moy)                      \
    X(RightAlignedLabel, Label6)        \
    X(QLabel, gain)                     \
    X(RightAlignedLabel, Label7)        \
    X(QLabel, performance)              \
    X(RightAlignedLabel, Label9)        \
    X(QLabel, nvelo)                    \
    X(QLabel, Label8)                   \
    X(QLabel, Label13)                  \
    X(QPlainTextEdit, Memo1)            \
    X(QPushButton, Infos)               \
    X(QPushButton, Button5)             \
    X(QPushButton, Button3)             \
    X(QPushButton, Button6)             \
    X(QPushButton, Button4)             \
    X(QPushButton, Button7)             \
    X(QLineEdit, effa)

// The main window's controls, made and placed by setupUi as a generated UI class would be;
// the window holds them privately.
struct TForm1Controls {
#define TAVOLIN_DECLARE_CONTROL(Kind, name) Kind* name = nullptr;
    TAVOLIN_MAIN_WINDOW_CONTROLS(TAVOLIN_DECLARE_CONTROL)
#undef TAVOLIN_DECLARE_CONTROL

    // Creates the controls on `window` with their texts, places, fonts, tab order, the
    // tooltips that show whatever the "aide" switch says, and the desktop's habits: Enter
    // presses a focused button, a caption acts on its control.
    void setupUi(QWidget* window);

private:
    void createControls(QWidget* window);
    void setTabOrder();
    void setFixedTips();
};

}  // namespace tavolin
