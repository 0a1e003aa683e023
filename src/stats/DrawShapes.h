#pragma once

#include "core/DrawLine.h"
#include "stats/Gaps.h"
#include "stats/StatTable.h"

#include <string>
#include <vector>

namespace varnelo {

// Properties of a whole draw that the combination analyses count.
enum class DrawShape {
    Evens,       // even numbers in the draw, 0..5
    Low,         // numbers from 1 to 24, 0..5
    Sum,         // sum of the five, in classes of 25 from 15
    Consecutive, // pairs of consecutive numbers, 0..4
    Decades,     // different decades (1-9, 10-19, .., 40-49), 1..5
    Endings,     // different last digits, 1..5
    Repeats,     // numbers of the previous draw again, 0..5 (the oldest draw has none)
    Span,        // largest minus smallest, in classes of 10
};

struct ShapeClass {
    std::string label;
    std::int32_t draws = 0; // draws of the class
    Gaps gaps;              // the class as a value that comes out or not
};

struct ShapeDistribution {
    std::string title;
    std::int32_t counted = 0; // draws that have the property
    std::vector<ShapeClass> classes;
};

ShapeDistribution computeShapeDistribution(const std::vector<Draw>& draws, DrawShape shape);

// "Valore", "Concorsi", "%", "Ritardo", "Rit.Max", "Frequenza".
StatTable shapeTable(const ShapeDistribution& d);

} // namespace varnelo
