#include "support/ScriptedDialogs.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

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
