#include "foundation/DisplayFactsSource.h"

namespace {
cNullDisplayFactsSource nullSource;
cDisplayFactsSource* installed = &nullSource;
} // namespace

cDisplayFactsSource& DisplayFactsSource() {
    return *installed;
}

void SetDisplayFactsSource(cDisplayFactsSource* source) {
    installed = source ? source : &nullSource;
}
