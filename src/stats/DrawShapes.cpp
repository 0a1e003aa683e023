#include "stats/DrawShapes.h"

#include <algorithm>
#include <set>

namespace varnelo {

namespace {

struct ShapeInfo {
    const char* title;
    std::vector<std::string> labels;
};

std::vector<std::string> counts(int from, int to) {
    std::vector<std::string> out;
    for (int i = from; i <= to; ++i)
        out.push_back(std::to_string(i));
    return out;
}

std::vector<std::string> ranges(int from, int last, int step) {
    std::vector<std::string> out;
    for (int a = from; a <= last; a += step)
        out.push_back(std::to_string(a) + "-" + std::to_string(std::min(a + step - 1, last)));
    return out;
}

ShapeInfo info(DrawShape shape) {
    switch (shape) {
    case DrawShape::Evens:
        return {"Numeri pari", counts(0, 5)};
    case DrawShape::Low:
        return {"Numeri da 1 a 24", counts(0, 5)};
    case DrawShape::Sum:
        return {"Somma dei cinque numeri", ranges(15, 235, 25)};
    case DrawShape::Consecutive:
        return {"Coppie di numeri consecutivi", counts(0, 4)};
    case DrawShape::Decades:
        return {"Decine diverse", counts(1, 5)};
    case DrawShape::Endings:
        return {"Finali diverse", counts(1, 5)};
    case DrawShape::Repeats:
        return {"Numeri ripetuti dal concorso precedente", counts(0, 5)};
    case DrawShape::Span:
        return {"Distanza tra il primo e l'ultimo", ranges(4, 48, 10)};
    }
    return {};
}

// The class index of a draw, -1 when it has none.
int classOf(DrawShape shape, const Column& c, const Column* previous) {
    int k = 0;
    switch (shape) {
    case DrawShape::Evens:
        for (auto n : c)
            k += n % 2 == 0;
        return k;
    case DrawShape::Low:
        for (auto n : c)
            k += n <= 24;
        return k;
    case DrawShape::Sum:
        for (auto n : c)
            k += n;
        return (k - 15) / 25;
    case DrawShape::Consecutive:
        for (std::size_t i = 1; i < c.size(); ++i)
            k += c[i] == c[i - 1] + 1;
        return k;
    case DrawShape::Decades: {
        std::set<int> d;
        for (auto n : c)
            d.insert(n / 10);
        return static_cast<int>(d.size()) - 1;
    }
    case DrawShape::Endings: {
        std::set<int> d;
        for (auto n : c)
            d.insert(n % 10);
        return static_cast<int>(d.size()) - 1;
    }
    case DrawShape::Repeats:
        if (!previous)
            return -1;
        for (auto n : c)
            for (auto p : *previous)
                k += n == p;
        return k;
    case DrawShape::Span:
        return (c.back() - c.front() - 4) / 10;
    }
    return -1;
}

} // namespace

ShapeDistribution computeShapeDistribution(const std::vector<Draw>& draws, DrawShape shape) {
    const ShapeInfo i = info(shape);
    ShapeDistribution d;
    d.title = i.title;
    GapCounter counter(i.labels.size());
    std::vector<std::int32_t> inClass(i.labels.size(), 0);
    const Column* previous = nullptr;
    // Delays run over the draws that have the property only.
    for (const Draw& draw : draws) {
        const int k = classOf(shape, draw.numbers, previous);
        previous = &draw.numbers;
        if (k < 0)
            continue;
        counter.hit(static_cast<std::size_t>(k), d.counted);
        ++inClass[static_cast<std::size_t>(k)];
        ++d.counted;
    }
    for (std::size_t k = 0; k < i.labels.size(); ++k)
        d.classes.push_back({i.labels[k], inClass[k], counter.gaps(k, d.counted)});
    return d;
}

StatTable shapeTable(const ShapeDistribution& d) {
    StatTable t{d.title, {"Valore", "Concorsi", "%", "Ritardo", "Rit.Max", "Frequenza"}, {}};
    for (const ShapeClass& c : d.classes) {
        const double share = d.counted == 0 ? 0.0 : c.draws * 100.0 / d.counted;
        t.rows.push_back(
            {StatCell::label(c.label), StatCell::integer(c.draws), StatCell::decimal(share),
             StatCell::integer(c.gaps.delay), StatCell::integer(c.gaps.longestDelay),
             StatCell::decimal(c.gaps.outs == 0 ? 0.0 : d.counted * 1.0 / c.gaps.outs)});
    }
    return t;
}

} // namespace varnelo
