#pragma once
// Whether the program's flow is stopped inside a step: a message box, or the
// handling of a peer's message (which may pause or open a box itself). What a
// peer sends meanwhile is answered at once but applied only when the flow is
// free again, in arrival order, so no step ever runs inside another.
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <vector>

class Flujo {
public:
    bool ocupado() const { return pasos_ > 0; }

    // Marks the flow busy for its lifetime.
    class Paso {
    public:
        explicit Paso(Flujo& f) : f_(f) { ++f_.pasos_; }
        ~Paso()
        {
            if (--f_.pasos_ == 0)
                f_.liberado();
        }
        Paso(const Paso&) = delete;
        Paso& operator=(const Paso&) = delete;

    private:
        Flujo& f_;
    };

    // f runs once, from the event loop, when the flow is next free; never
    // after contexto is gone.
    void cuandoLibre(QObject* contexto, std::function<void()> f)
    {
        pendientes_.push_back({contexto, std::move(f)});
        if (!ocupado())
            liberado();
    }

private:
    void liberado()
    {
        std::vector<Pendiente> p;
        p.swap(pendientes_);
        for (Pendiente& e : p)
            if (e.contexto)
                QTimer::singleShot(0, e.contexto.data(), std::move(e.f));
    }

    struct Pendiente {
        QPointer<QObject> contexto;
        std::function<void()> f;
    };
    int pasos_ = 0;
    std::vector<Pendiente> pendientes_;
};
