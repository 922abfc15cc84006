#pragma once
// The controls of Form1, created from the control table with their design values. The form
// owns them (Qt parent); these are plain pointers for the parts that work on them.
#include <array>

#include "control_table.h"

class QObject;

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTimer;
class QWidget;

namespace quorvel {

class CaptionLabel;

struct Form1Controls {
    QTimer* timerRun = nullptr;
    QLabel* picBack1 = nullptr;  // picture holders: only their pictures are used
    QLabel* picBack2 = nullptr;
    QLineEdit* txtConvert = nullptr;
    QLineEdit* txtResize = nullptr;
    QLineEdit* Text2 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;
    QListWidget* lstFile = nullptr;
    CaptionLabel* Label7 = nullptr;
    CaptionLabel* lblFormat = nullptr;
    CaptionLabel* Label6 = nullptr;
    CaptionLabel* Label5 = nullptr;
    CaptionLabel* Label4 = nullptr;
    CaptionLabel* Label3 = nullptr;
    CaptionLabel* lblPath = nullptr;
    CaptionLabel* Label2 = nullptr;
    CaptionLabel* Label1 = nullptr;
    // Every control again, at its position in the control table.
    std::array<QObject*, kControls.size()> byId{};
};

// Creates every control of the table as a child of `form`, in creation order, each named
// after its table entry. Mouse events over labels, text boxes and the button stay with them.
Form1Controls createControls(QWidget& form);

}  // namespace quorvel
