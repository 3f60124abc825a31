#pragma once
// What the table shows runs in arrival order: a step that takes time (a card
// in flight) holds back every step queued behind it until it says it is done.
#include <deque>
#include <functional>

class ColaMesa {
public:
    // A step gets listo and calls it when it is over, now or later.
    using Paso = std::function<void(std::function<void()> listo)>;

    void agregarPaso(Paso p)
    {
        pasos_.push_back(std::move(p));
        seguir();
    }
    // A step that is over as soon as it has run.
    void agregar(std::function<void()> f)
    {
        agregarPaso(Paso([f = std::move(f)](std::function<void()> listo) {
            f();
            listo();
        }));
    }
    bool ocupada() const { return esperando_ || corriendo_ || !pasos_.empty(); }
    // Forgets what is queued; a step under way finishes on its own.
    void vaciar() { pasos_.clear(); }

private:
    void seguir()
    {
        if (corriendo_)
            return;
        corriendo_ = true;
        while (!esperando_ && !pasos_.empty()) {
            Paso p = std::move(pasos_.front());
            pasos_.pop_front();
            esperando_ = true;
            p([this] {
                esperando_ = false;
                seguir();
            });
        }
        corriendo_ = false;
    }

    std::deque<Paso> pasos_;
    bool esperando_ = false;  // a step has started and not yet called listo
    bool corriendo_ = false;  // inside seguir(): a listo called now just lets the loop go on
};
