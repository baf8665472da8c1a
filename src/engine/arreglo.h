#pragma once
// Contiguous arrays that are indexed with the documented lower bounds
// (1, 0 or -1), so loops read like the algorithms they implement.
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <vector>

template <class T>
class Arreglo {
public:
    Arreglo() = default;
    Arreglo(int32_t inferior, int32_t superior) { Redimensionar(inferior, superior); }

    // Re-dimensions and clears every entry to T{}. superior < inferior gives an empty array.
    void Redimensionar(int32_t inferior, int32_t superior) {
        inf_ = inferior;
        sup_ = superior;
        datos_.assign(superior >= inferior ? static_cast<size_t>(superior - inferior + 1) : 0, T{});
    }
    void Borrar() {
        datos_.clear();
        datos_.shrink_to_fit();
        inf_ = 1;
        sup_ = 0;
    }
    void Rellenar(const T& valor) { datos_.assign(datos_.size(), valor); }

    T& operator[](int32_t i) {
        assert(i >= inf_ && i <= sup_);
        return datos_[static_cast<size_t>(i - inf_)];
    }
    const T& operator[](int32_t i) const {
        assert(i >= inf_ && i <= sup_);
        return datos_[static_cast<size_t>(i - inf_)];
    }
    bool Contiene(int32_t i) const { return i >= inf_ && i <= sup_; }

    int32_t Inferior() const { return inf_; }
    int32_t Superior() const { return sup_; }
    size_t Tamano() const { return datos_.size(); }
    bool Vacio() const { return datos_.empty(); }
    T* Datos() { return datos_.data(); }
    const T* Datos() const { return datos_.data(); }
    bool operator==(const Arreglo&) const = default;

private:
    int32_t inf_ = 1;
    int32_t sup_ = 0;
    std::vector<T> datos_;
};

// Two-dimensional array in one block, row-major, with lower bounds per dimension.
template <class T>
class Matriz {
public:
    Matriz() = default;
    Matriz(int32_t inf1, int32_t sup1, int32_t inf2, int32_t sup2) { Redimensionar(inf1, sup1, inf2, sup2); }

    void Redimensionar(int32_t inf1, int32_t sup1, int32_t inf2, int32_t sup2) {
        inf1_ = inf1;
        sup1_ = sup1;
        inf2_ = inf2;
        sup2_ = sup2;
        ancho_ = sup2 >= inf2 ? sup2 - inf2 + 1 : 0;
        const size_t filas = sup1 >= inf1 ? static_cast<size_t>(sup1 - inf1 + 1) : 0;
        datos_.assign(filas * static_cast<size_t>(ancho_), T{});
    }
    void Borrar() {
        datos_.clear();
        datos_.shrink_to_fit();
        sup1_ = inf1_ - 1;
    }
    void Rellenar(const T& valor) { datos_.assign(datos_.size(), valor); }

    T& operator()(int32_t i, int32_t j) {
        assert(i >= inf1_ && i <= sup1_ && j >= inf2_ && j <= sup2_);
        return datos_[static_cast<size_t>(i - inf1_) * static_cast<size_t>(ancho_) + static_cast<size_t>(j - inf2_)];
    }
    const T& operator()(int32_t i, int32_t j) const {
        assert(i >= inf1_ && i <= sup1_ && j >= inf2_ && j <= sup2_);
        return datos_[static_cast<size_t>(i - inf1_) * static_cast<size_t>(ancho_) + static_cast<size_t>(j - inf2_)];
    }
    // Pointer to the entry (i, Inferior2()); the row's entries follow it.
    T* Fila(int32_t i) { return &(*this)(i, inf2_); }
    const T* Fila(int32_t i) const { return &(*this)(i, inf2_); }

    int32_t Inferior1() const { return inf1_; }
    int32_t Superior1() const { return sup1_; }
    int32_t Inferior2() const { return inf2_; }
    int32_t Superior2() const { return sup2_; }
    bool operator==(const Matriz&) const = default;

private:
    int32_t inf1_ = 1, sup1_ = 0, inf2_ = 1, sup2_ = 0, ancho_ = 0;
    std::vector<T> datos_;
};
