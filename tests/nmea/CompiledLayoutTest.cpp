// Every layout of the formatter table is read by code compiled from its rows; the rows
// read one by one (a layout built without CompiledLayout) must store the same bytes and
// give the same verdict, whatever the fields hold.
#include "nmea/FormatterTable.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

namespace {

// Field texts that pass and fail the various kinds and rules: numbers, signs, hex digits,
// hemispheres, times, dates, text, nothing.
const char* const kTokens[] = {"12", "", "A", "-7", "4807.038", "N", "1F", "230394", "x y", "999"};

TEST(CompiledLayout, ReadsAsTheRowsOneByOne) {
    int layouts = 0;
    for (const FormatterRow& row : FormatterRows())
        for (const SentenceLayout& layout : row.layouts) {
            ASSERT_NE(layout.read, nullptr) << row.formatter;
            SentenceLayout rowByRow = layout;
            rowByRow.read = nullptr;
            ++layouts;
            for (size_t shift = 0; shift < std::size(kTokens); ++shift) {
                std::string line = "$GPXXX";
                for (int field = 0; field < layout.dataFields; ++field)
                    line += std::string(",") + kTokens[(field + shift) % std::size(kTokens)];
                line += "*00\r\n";
                FieldList fields(line.c_str(), line.size());
                ASSERT_TRUE(fields.FindEnd());
                alignas(8) std::array<char, 512> compiled{}, plain{};
                bool compiledRead = ReadFields(layout, fields, compiled.data());
                bool plainRead = ReadFields(rowByRow, fields, plain.data());
                EXPECT_EQ(compiledRead, plainRead) << row.formatter << ": " << line;
                EXPECT_EQ(compiled, plain) << row.formatter << ": " << line;
            }
        }
    EXPECT_GT(layouts, 30);
}

} // namespace
