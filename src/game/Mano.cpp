// Deal, hand and trick flow, score and match.
#include "game/Form1.h"
#include "game/AsientoMaquina.h"
#include "game/AsientoParejas.h"
#include "game/Avisos.h"
#include "game/MesaEscalable.h"
#include "motor/Cartas.h"
#include "platform/CardPictures.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Settings.h"
#include "shell/Nombres.h"
#include "shell/Publicidad.h"
#include "shell/f2.h"

#include <QLabel>
#include <QLineEdit>
#include <utility>

namespace {
QString txt(int n) { return QString::number(n); }
}  // namespace

void Form1::Dar_Valor(Portador& C) { C.Tag = txt(reglas::darValor(C.Caption.toStdString())); }

void Form1::marcadorACero()
{
    ganadorMostrado_ = false;
    PuntosM->setCaption(QStringLiteral("0"));
    PuntosH->setCaption(QStringLiteral("0"));
    PH->ocultarTodas();
    PM->ocultarTodas();
}

void Form1::mostrarPuntos(bool maquina, int total)
{
    Etiqueta* puntos = maquina ? PuntosM : PuntosH;
    avisos->puntos(maquina ? 1 : 0, puntos->caption().toInt(), total, (maquina ? Label2 : NombreC)->caption());
    puntos->setCaption(txt(total));
    (maquina ? PM : PH)->mostrar(total);
}

bool Form1::enReposo() const
{
    return pasos_ == 0 && pausas_ == 0 && asiento().enReposo();
}

void Form1::salirDelPartido() { maquina_->abandonar(); }

bool Form1::seJuega() const
{
    // Among four, always.
    return asiento().jugando() || asiento().enParejas();
}

bool Form1::esperaAlJugador(bool respuesta) const { return enReposo() && asiento().esperaAlJugador(respuesta); }

// ---- The two-player network hand, as its seat tells it -----------------------

void Form1::limpiarManoDos()
{
    setWindowTitle(tituloPrograma());
    noQuieroOSonBuenas(false);
    for (Naipe* i : ICH)
        i->hide();
    Flor->setEnabled(false);
    decir(LC, QString());
    decir(LH, QString());
    for (int t = 0; t < 3; ++t) {
        IJM[t]->clearPicture();
        IJH[t]->clearPicture();
        CM[t].Visible = CH[t].Visible = true;
        for (Etiqueta* l : {JM[t], JH[t]}) {
            l->Tag = QStringLiteral("0");
            l->setCaption(QString());
        }
    }
    bt[7]->setEnabled(false);
}

void Form1::ponerCartaDos(bool propia, int i, const std::string& codigo, int valor)
{
    Portador& c = (propia ? CH : CM)[i];
    const QString code = QString::fromStdString(codigo);
    c.Caption = code;
    c.Tag = QString::number(valor);
    c.Visible = true;
    (propia ? ICH : ICM)[i]->setPicture(loadCardPicture(s_.programFolder, code), nombreDeCarta(code));
}

void Form1::mostrarManoPropia()
{
    for (Naipe* i : ICH)
        i->show();
}

void Form1::jugarCartaDos(bool propia, int t, int i)
{
    Portador& c = (propia ? CH : CM)[i];
    mostrarCarta((propia ? IJH : IJM)[t], (propia ? JH : JM)[t], c, (propia ? ICH : ICM)[i]->picture());
    if (propia)
        ICH[i]->hide();
    c.Visible = false;
}

void Form1::cerrarManoDos()
{
    decir(Label1, QString());
    Sonar(1, 0, QString());
    for (Naipe* i : ICH)
        i->hide();
    Botones(QStringLiteral("0000000000"));
}

void Form1::valorDeCarta(bool propia, int i, const QString& valor) { (propia ? CH : CM)[i].Tag = valor; }

void Form1::mostrarCartaPropia(int i) { ICH[i]->show(); }

// ---- What every seat shows ---------------------------------------------------------

void Form1::manoPropia(const std::array<QString, 3>& cartas)
{
    for (int t = 0; t < 3; ++t) {
        IJM[t]->clearPicture();
        IJH[t]->clearPicture();
        const QString& c = cartas[t];
        CH[t] = Portador{c, txt(reglas::darValor(c.toStdString())), true};
        ICH[t]->setPicture(loadCardPicture(s_.programFolder, c), nombreDeCarta(c));
        ICH[t]->show();
    }
}

void Form1::quitarDeLaMano(const QString& carta)
{
    for (int i = 0; i < 3; ++i)
        if (CH[i].Visible && CH[i].Caption == carta) {
            CH[i].Visible = false;
            ICH[i]->hide();
        }
}

void Form1::cartaEnBaza(bool propia, int baza, const QString& carta)
{
    if (propia)
        quitarDeLaMano(carta);
    (propia ? IJH : IJM)[baza]->setPicture(loadCardPicture(s_.programFolder, carta), nombreDeCarta(carta));
}

void Form1::mostrarPropio(const QString& nombre, int cara)
{
    carTag = txt(cara);
    car[0]->setPicture(opciones().Cara[cara], QStringLiteral("Tu cara"));
    car[0]->setToolTip(ayudaLlana(nombre));
}

void Form1::mostrarRival(const QString& nombre, int cara)
{
    car[2]->setPicture(opciones().Cara[cara], nombre);
    car[2]->setToolTip(ayudaLlana(nombre));
}

void Form1::chatPara(const QString& nombre) { mensaje->setToolTip(ayudaLlana(QStringLiteral("Mensaje para ") + nombre)); }

void Form1::mostrarNivel(const QString& nivel)
{
    if (!nivel_) {
        if (nivel.isEmpty())
            return;
        // In the computer's column of the score, under its tally: the only
        // free place there in both the table of two and the table of four.
        nivel_ = new QLabel(mesa_);
        nivel_->setAlignment(Qt::AlignCenter);
        nivel_->setStyleSheet(QStringLiteral("color: #101010; background: rgba(255,255,255,170); border-radius: 4px;"));
        mesa_->colocar(nivel_, QRect(546, 400, 104, 18));
        mesa_->letra(nivel_, 11);
    }
    if (!nivel.isEmpty()) {
        nivel_->setText(QStringLiteral("Nivel: ") + nivel);
        nombrar(nivel_, QStringLiteral("NivelPc"), QStringLiteral("Nivel ") + nivel);
    }
    nivel_->setVisible(!nivel.isEmpty());
}

void Form1::mostrarCarta(Naipe* img, Etiqueta* texto, const Portador& c, const QPixmap& pm)
{
    img->setPicture(pm, nombreDeCarta(c.Caption));
    rotularJugada(texto, c);
}

void Form1::rotularJugada(Etiqueta* texto, const Portador& c)
{
    texto->Tag = c.Tag;
    texto->setCaption(c.Caption + QStringLiteral(" (") + c.Tag + QStringLiteral(" )"));
}

void Form1::ICH_Click(int Index)
{
    Paso paso(pasos_);
    asiento().jugar(Index);
}


void Form1::despues(double segundos, std::function<void()> paso)
{
    ++pausas_;
    s_.clock.despues(segundos, this, [this, paso = std::move(paso)] {
        --pausas_;
        if (!cerrando_)
            paso();
    });
}

void Form1::marcador(bool maquina, int total)
{
    if (ganadorMostrado_) {
        setWindowTitle(tituloPrograma());
        return;
    }
    mostrarPuntos(maquina, total);
    if (total >= reglas::kPartido)
        ganaPartido(maquina);
}

void Form1::ganaPartido(bool maquina)
{
    ganadorMostrado_ = true;
    const QString nombre = (maquina ? Label2 : NombreC)->caption().toUpper();
    // Among four the pair wins: both names, one under the other.
    const QString texto = asiento().enParejas() ? QStringLiteral("Ganadores del partido: ") + QLatin1Char('\n') + nombre
                                    : QStringLiteral("Ganador del partido: ") + nombre;
    s_.dialogs.message(this, Dialogs::Icon::Information, tituloPrograma(), texto);
    publicidad->MostrarSponsor();
    const bool contraLaPc = !enRed_ || (parejas_ && enRed_ == static_cast<Asiento*>(parejas_.get()));
    if (maquina) {
        setWindowTitle(tituloPrograma());
        Botones(QStringLiteral("0000000000"));
    } else {
        Botones(QStringLiteral("00000000-0"));
    }
    asiento().partidoTerminado();
    if (contraLaPc)
        ofrecerOtraVez();
    emit partidoTerminado();
}

void Form1::ofrecerOtraVez()
{
    for (const auto& fila : {IJM, IJH, IJD, IJI})
        for (Naipe* n : fila)
            if (n)
                n->atenuar(true);
    otraVez->show();
    otraVez->raise();
    otraVez->setFocus(Qt::OtherFocusReason);
}

void Form1::nuevo_Click()
{
    Paso paso(pasos_);
    if (seJuega()) {
        if (!s_.dialogs.ask(this, tituloPrograma(), QStringLiteral("Se está jugando en este momento, ¿Desea abandonar el partdo? "))) {
            publicidad->ocultarSponsor();
            return;
        }
    }
    for (int t = 0; t < 3; ++t) {
        IJM[t]->clearPicture();
        IJH[t]->clearPicture();
    }
    car[1]->clearPicture();
    car[3]->clearPicture();

    const int cara = s_.settings.getInt(QStringLiteral("Truco"), QStringLiteral("cara"), QStringLiteral("Numero"), 0);
    emit ventanaModal(&opciones());
    if (opciones().mostrar(cara >= 0 && cara <= 14 ? cara : 0) == QLatin1String("1"))
        return;
    otraVez->hide();
    publicidad->ocultarSponsor();
    asiento().abandonar();
    disposicionCuatro(false);
    aplicarOpciones();
    const auto e = opciones().eleccion();
    if (e.jugadores == 4) {
        // In pairs the computers play at "Normal", whatever the level says.
        parejas().empezar(e.nombre, e.cara, e.computadoraEmpieza);
        PintarFondo();
        return;
    }
    // The computer sits opposite again.
    Label2->setCaption(QStringLiteral("Pc"));
    car[2]->setPicture(QPixmap(QStringLiteral(":/caras/pc.png")), QStringLiteral("Cara de Pc"));
    car[2]->setToolTip(QString());
    mostrarChat(false);

    maquina_->empezar(motor::Opciones{e.variante, e.conFlor, e.computadoraEmpieza ? 1 : 0});
    marcadorACero();
    PintarFondo();
}

// What "Comenzar a jugar" sets on the table.
void Form1::aplicarOpciones()
{
    const auto e = opciones().eleccion();
    carTag = QString::number(e.cara);
    car[0]->setPicture(opciones().Cara[e.cara], QStringLiteral("Tu cara"));
    NombreC->setCaption(e.nombre);
}
