// SPDX-License-Identifier: GPL-3.0-or-later
// Any text typed into a field: either a finite number that shows without inf or nan and
// reads back as itself, or a CalcFault; and where it is a number (or too large for one),
// the C library reads the same value from it.
#include "fuzz_support.h"
#include "reference_reader.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    if (text.find('\0') == std::string_view::npos && !dravex::test::AgreesWithReference(text))
        std::abort();
    dravex::fuzz::run([&] {
        const double x = dravex::ParseFieldNumber(text, "Field");
        dravex::fuzz::checkShown(x);
        // Shown text reads back as a number again (15 digits: not always the same double).
        const double again = dravex::ParseFieldNumber(dravex::FormatFieldNumber(x));
        dravex::fuzz::checkShown(again);
        dravex::fuzz::checkShown(dravex::RoundToPlaces(x, 4));
        dravex::fuzz::checkShown(dravex::TruncateToPlaces(x, 4));
    });
    return 0;
}
