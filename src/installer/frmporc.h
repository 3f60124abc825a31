#pragma once
#include <QTimer>
#include <QWidget>

class QLabel;

// The progress window: one label and a timer that moves it on by 2 % every
// six seconds between the milestones the installation sets.
class frmporc : public QWidget {
    Q_OBJECT
public:
    explicit frmporc(QWidget* owner);

    void Timer1_Timer();
    // The percentage in the label's tag; -1 before the first milestone.
    int porcentaje() const;

    QLabel* lbl1;
    QTimer Timer1;
};
