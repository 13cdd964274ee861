#pragma once

#include <QCoreApplication>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kelmor {

class MapView;

// The form: a fixed 565 x 329 widget with the thirteen controls in their
// places, by the names the program has always used (and as object names,
// which tests and a screen reader's tools go by). No layout manager: nothing
// in it moves, and whatever the window gains stands around it. The window
// connects the controls; this only makes them.
struct FormControls {
    Q_DECLARE_TR_FUNCTIONS(FormControls)

public:
    explicit FormControls(QWidget* parent);

    QWidget* form;
    QLabel* Label1;
    QPushButton* Command7;
    QPushButton* Command4;
    QPushButton* Command2;
    QPushButton* Command6;
    QLineEdit* Text1;
    QLabel* Label2;
    MapView* Picture2;
    QWidget* Picture1;
    QComboBox* Combo1;
    QPushButton* Command1;
    QPushButton* Command5;
    QPushButton* Command3;
};

}  // namespace kelmor
