// Country selection, the amount ladder, and the rate boxes' focus handlers.
#include "converter/Converter.h"
#include "converter/RateText.h"

namespace quorvane {

void Converter::originChosen(const std::string&) {}
void Converter::destinationChosen(const std::string&) {}
void Converter::rateBoxFocusIn(RateBox) {}
void Converter::rateBoxFocusOut(RateBox) {}
void Converter::calculate() {}

}  // namespace quorvane
