#pragma once
#include "platform/Flujo.h"

#include <QString>

class QWidget;

// Every message box of the program goes through here.
class Dialogs {
public:
    enum class Icon { Information, Error, Question, Warning };
    virtual ~Dialogs() = default;
    virtual void message(QWidget* parent, Icon icon, const QString& title, const QString& text) = 0;
    // Yes/No question; true for Yes.
    virtual bool ask(QWidget* parent, const QString& title, const QString& text) = 0;

    // The program's flow, busy while one of these boxes is open.
    Flujo& flujo() { return flujo_; }

protected:
    Flujo flujo_;
};

class BoxDialogs : public Dialogs {
public:
    void message(QWidget* parent, Icon icon, const QString& title, const QString& text) override;
    bool ask(QWidget* parent, const QString& title, const QString& text) override;
};
