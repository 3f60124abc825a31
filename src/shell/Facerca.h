#pragma once
#include <QDialog>
#include <QPixmap>

class QLabel;
class QPushButton;
class Vinculo;
class Enlaces;

// "Acerca de Naipex": the maker, its partner and its mail address, each a
// link opened by the user's own programs.
class Facerca : public QDialog {
    Q_OBJECT
public:
    Facerca(Enlaces* enlaces, QWidget* parent);
    QString Tag = QStringLiteral("0");
    Vinculo* Label3 = nullptr;  // the maker's site
    Vinculo* Label4 = nullptr;  // the partner's site
    Vinculo* Label2 = nullptr;  // the maker's mail address
    QLabel* Label1 = nullptr;   // notice line
    QLabel* LR = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    QPushButton* Command1 = nullptr;

    void Label3_Click();
    void Label4_Click();
    void Label2_Click();
    void Command1_Click();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void abrir(const QUrl& url);
    Enlaces* enlaces_;
    QPixmap fondo_;
};
