#include "platform/Dialogs.h"

#include <QMessageBox>

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
