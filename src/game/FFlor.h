#pragma once
#include <QDialog>

#include <functional>


class QLabel;
class QPushButton;

// The machine sang flor: its verse, and the human's answer (contraflor only
// with a flor of his own).
class FFlor : public QDialog {
    Q_OBJECT
public:
    FFlor(QWidget& padre, const QString& verso, bool contraflor, std::function<void(bool contraflor)> responder);
    // The same window for another flor: as it was made, with this verse.
    void preparar(const QString& verso, bool contraflor, std::function<void(bool contraflor)> responder);
    // Taken away unanswered (the match was left): nobody is told.
    void retirar();
    QLabel* Label1 = nullptr;
    QPushButton* olor = nullptr;
    QPushButton* cf = nullptr;

    void olor_Click();
    void cf_Click();

    // Escape or the close box concede the flor: the hand cannot wait on a
    // window that is gone.
    void reject() override;

protected:
    // Over the table, but clear of the cards on it.
    void showEvent(QShowEvent* e) override;

private:
    std::function<void(bool)> responder_;
    bool respondido_ = false;
};

QString archivoDeSonido(const QString& programFolder, int codigo, int numero, const QString& jugador);
QString verso(int i);
