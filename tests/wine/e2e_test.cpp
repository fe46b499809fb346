#include "test_printing.h"
TEST_CASE("placeholder") {}
