#pragma once
#include <QDialog>

class Form1;
class QLabel;
class QPushButton;

// The machine sang flor: its verse, and the human's answer.
class FFlor : public QDialog {
    Q_OBJECT
public:
    FFlor(Form1& mesa, const QString& verso);
    QLabel* Label1 = nullptr;
    QPushButton* olor = nullptr;
    QPushButton* cf = nullptr;

    void olor_Click();
    void cf_Click();

    // Escape or the close box concede the flor: the hand cannot wait on a
    // window that is gone.
    void reject() override;

private:
    void Form_Load();
    Form1& f_;
    bool respondido_ = false;
};

QString archivoDeSonido(const QString& programFolder, int codigo, int numero, const QString& jugador);
QString verso(int i);
