#pragma once
#include <QString>
#include <QStringList>
#include <deque>

class QWidget;

// Every message box of the program goes through here.
class Dialogs {
public:
    enum class Icon { Information, Error, Question, Warning };
    virtual ~Dialogs() = default;
    virtual void message(QWidget* parent, Icon icon, const QString& title, const QString& text) = 0;
    // Yes/No question; true for Yes.
    virtual bool ask(QWidget* parent, const QString& title, const QString& text) = 0;
};

class BoxDialogs : public Dialogs {
public:
    void message(QWidget* parent, Icon icon, const QString& title, const QString& text) override;
    bool ask(QWidget* parent, const QString& title, const QString& text) override;
};

// Records what a person would have read and answers questions from a script.
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
    std::deque<bool> answers;  // next answers to questions
    bool defaultAnswer = false;
    QStringList texts() const;
};
