#pragma once
// Checks of the ten digit-sum intervals typed in the sums editor. An interval
// is active when either bound is not 0; both bounds are inclusive.
#include <array>
#include <cstdint>
#include <string>

constexpr int kIntervalosSuma = 10;
constexpr int kSumaDigitosMaxima = 45;

struct IntervalosSuma {
    std::array<int16_t, kIntervalosSuma> minimos{};
    std::array<int16_t, kIntervalosSuma> maximos{};
};

// Reads a box's text (blanks around it ignored) as a 16-bit whole number with
// an optional sign. False when it is not one.
bool LeerEnteroCaja(const std::string& texto, int16_t& valor);

// Checks intervals 1..10 in order from the boxes' texts (index i = interval
// i + 1). Returns "" and fills `leidos` when all pass; otherwise the message
// of the first failure, and `leidos` is left as it was.
std::string ValidarIntervalosSuma(const std::array<std::string, kIntervalosSuma>& minimos,
                                  const std::array<std::string, kIntervalosSuma>& maximos, IntervalosSuma& leidos);
