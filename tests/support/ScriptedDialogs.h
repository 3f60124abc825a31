#pragma once
#include "platform/Dialogs.h"

#include <QStringList>
#include <deque>
#include <functional>

// Records what a person would have read and answers questions from a script.
// With abiertaMs set it behaves like a person: the box stays open that long,
// the event loop turning meanwhile (mientrasAbierta runs on every turn, where
// a test lets the other side act), and only then is it answered.
class ScriptedDialogs : public Dialogs {
public:
    void message(QWidget*, Icon icon, const QString& title, const QString& text) override;
    bool ask(QWidget*, const QString& title, const QString& text) override;

    struct Shown {
        Icon icon;
        QString title;
        QString text;
    };
    std::deque<Shown> shown;
    std::function<void(const Shown&)> alMostrar;
    std::deque<bool> answers;  // next answers to questions
    bool defaultAnswer = false;
    int abiertaMs = 0;
    std::function<void()> mientrasAbierta;
    QStringList texts() const;

private:
    void mantenerAbierta();
};
