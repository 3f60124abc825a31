#include "platform/Dialogs.h"

#include <QAbstractButton>
#include <QMessageBox>

namespace {
// A Spanish game says "Sí" and "Aceptar", whatever the system's language; and
// its text is shown as typed, for boxes name players, whose names come from
// the network.
void prepararCaja(QMessageBox& box)
{
    box.setTextFormat(Qt::PlainText);
    const std::pair<QMessageBox::StandardButton, const char*> textos[] = {
        {QMessageBox::Ok, "Aceptar"}, {QMessageBox::Yes, "&Sí"}, {QMessageBox::No, "&No"}};
    for (const auto& [boton, texto] : textos)
        if (QAbstractButton* b = box.button(boton))
            b->setText(QString::fromUtf8(texto));
}
}  // namespace

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
    prepararCaja(box);
    Flujo::Paso paso(flujo_);
    box.exec();
}

bool BoxDialogs::ask(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::No);
    prepararCaja(box);
    Flujo::Paso paso(flujo_);
    return box.exec() == QMessageBox::Yes;
}
