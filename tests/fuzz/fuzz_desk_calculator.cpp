// SPDX-License-Identifier: GPL-3.0-or-later
// Any sequence of calculator keys: the display never shows inf or nan, a fault stops only
// the key that met it, and the calculator takes the next key as usual.
#include "fuzz_support.h"

#include "core/desk_calculator.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    dravex::DeskCalculator calculator;
    calculator.Load();
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint8_t key = data[i] % 20;
        dravex::fuzz::run([&] {
            if (key < 10)
                calculator.Number(key);
            else if (key == 10)
                calculator.Decimal();
            else if (key == 11)
                calculator.Percent();
            else if (key == 12)
                calculator.Cancel();
            else if (key == 13)
                calculator.CancelEntry();
            else
                calculator.Operator("/+X-=/"[key - 14], [] {});
        });
        const std::string &shown = calculator.display();
        if (shown.find("inf") != std::string::npos || shown.find("nan") != std::string::npos)
            std::abort();
    }
    return 0;
}
