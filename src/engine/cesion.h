#pragma once
// How long engine routines hand control back to the event loop. The engine
// knows nothing of windows: the caller passes what to run at each yield and,
// where a routine can be stopped, the flag it reads right after yielding.
#include <functional>
#include <utility>

class Cesion {
public:
    Cesion() = default;
    explicit Cesion(std::function<void()> ceder, const bool* detener = nullptr)
        : ceder_(std::move(ceder)), detener_(detener) {}

    // Yields to the event loop (nothing when no callback was given).
    void operator()() const {
        if (ceder_) ceder_();
    }
    // True once the user asked to stop; routines test it right after yielding.
    bool Detenido() const { return detener_ != nullptr && *detener_; }

private:
    std::function<void()> ceder_;
    const bool* detener_ = nullptr;
};
