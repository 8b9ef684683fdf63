#pragma once
// Model-name rules of the result table that depend on product data.

#include <QString>

namespace ProductRules {

// The lux word of this series is a luminous flux when the name carries 'F' at index 11.
bool reportsLuminousFlux(const QString &modelName);

// Melanopic values ("EML", "M_EDI") of some models are reported a factor 5 too low by
// the device: true when the model matches a correction row and its number is below the
// row's limit. The number is the second "-"-separated part of the name.
bool needsMelanopicCorrection(const QString &modelName);

constexpr float kMelanopicCorrection = 5.0f;

} // namespace ProductRules
