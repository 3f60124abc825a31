#include "platform/Dialogs.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

void BoxDialogs::message(QWidget* parent, Icon icon, const QString& title, const QString& text)
{
    QMessageBox::Icon i = QMessageBox::Information;
    switch (icon) {
    case Icon::Error: i = QMessageBox::Critical; break;
    case Icon::Question: i = QMessageBox::Question; break;
    case Icon::Warning: i = QMessageBox::Warning; break;
    case Icon::Information: break;
    }
    QMessageBox box(i, title, text, QMessageBox::Ok, parent);
    Flujo::Paso paso(flujo_);
    box.exec();
}

bool BoxDialogs::ask(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    Flujo::Paso paso(flujo_);
    return box.exec() == QMessageBox::Yes;
}

void ScriptedDialogs::message(QWidget*, Icon icon, const QString& title, const QString& text)
{
    shown.push_back({icon, title, text});
    if (alMostrar)
        alMostrar(shown.back());
    mantenerAbierta();
}

bool ScriptedDialogs::ask(QWidget*, const QString& title, const QString& text)
{
    shown.push_back({Icon::Question, title, text});
    if (alMostrar)
        alMostrar(shown.back());
    mantenerAbierta();
    if (answers.empty())
        return defaultAnswer;
    bool a = answers.front();
    answers.pop_front();
    return a;
}

QStringList ScriptedDialogs::texts() const
{
    QStringList out;
    for (const auto& s : shown)
        out << s.text;
    return out;
}

void ScriptedDialogs::mantenerAbierta()
{
    Flujo::Paso paso(flujo_);
    if (abiertaMs <= 0)
        return;
    QElapsedTimer reloj;
    reloj.start();
    while (reloj.elapsed() < abiertaMs) {
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
        if (mientrasAbierta)
            mientrasAbierta();
    }
}
