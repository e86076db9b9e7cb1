#pragma once
// Every character as wide as every other, so tests can say exactly where a line overflows.
#include "planner/TextMeasurer.h"

namespace orvelle {

class FakeTextMeasurer : public TextMeasurer {
public:
    explicit FakeTextMeasurer(double twipsPerChar) : perChar_(twipsPerChar) {}
    double TextWidth(std::string_view text, const TextFont&) const override {
        return perChar_ * static_cast<double>(text.size());
    }

private:
    double perChar_;
};

} // namespace orvelle
