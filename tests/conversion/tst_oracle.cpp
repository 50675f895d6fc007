// SPDX-License-Identifier: MIT
// The cases the build machine's C library made (generate_oracle_cases.cpp), replayed on whatever
// machine the build runs on: every text converts, "Unit" to "Unit", to the text glibc reads and
// writes for it. Long halfway points, numbers at the ends of the double range, zero runs and
// doubles of every bit pattern, more than a hundred thousand of them.
#include "error.h"
#include "prefix_conversion.h"
#include "table_test.h"

#include <fstream>
#include <iostream>
#include <string>

namespace {

std::string Converted(const std::string &text)
{
    try {
        return Ascii(tenvex::ConvertQuantity(Utf16(text), u"Unit", u"Unit"));
    } catch (const tenvex::NumberError &error) {
        return error.kind() == tenvex::NumberErrorKind::NumberTooLarge ? "too large" : "refused";
    }
}

TEST(Oracle, EveryCaseConvertsAsTheBuildMachinesCLibraryReadsAndWrites)
{
    std::ifstream cases("oracle_cases.tsv");
    ASSERT_TRUE(cases) << "oracle_cases.tsv is made beside the test by the build";
    int count = 0;
    int mismatches = 0;
    for (std::string line; std::getline(cases, line); ++count) {
        const std::size_t tab = line.find('\t');
        const std::string text = line.substr(0, tab);
        const std::string expected = line.substr(tab + 1);
        const std::string converted = Converted(text);
        if (converted != expected && ++mismatches <= 10) {
            ADD_FAILURE() << text.substr(0, 40) << "... (" << text.size()
                          << " characters): " << converted << ", expected " << expected;
        }
    }
    std::cout << count << " cases, " << mismatches << " mismatches\n";
    EXPECT_GT(count, 100'000);
    EXPECT_EQ(mismatches, 0);
}

} // namespace
