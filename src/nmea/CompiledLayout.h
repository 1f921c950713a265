// A layout whose rows are also compiled into straight-line code: each row read with its
// kind, rule and offset as constants. The rows stay the description; this is how they
// are read fast.
#pragma once

#include "nmea/FieldReading.h"

#include <utility>

namespace compiled_layout {

template <const auto& Rows, size_t Row>
[[gnu::always_inline]] inline bool ReadRow(const FieldList& fields, int& next, char* record) {
    static constexpr const FieldRow& row = Rows[Row];
    return field_reading::ReadRow(row, fields, next, record);
}

template <const auto& Rows> bool ReadRows(const FieldList& fields, char* record) {
    int next = 1;
    return [&]<size_t... Row>(std::index_sequence<Row...>) {
        return (ReadRow<Rows, Row>(fields, next, record) && ...);
    }
    (std::make_index_sequence<std::size(Rows)>{});
}

} // namespace compiled_layout

template <const auto& Rows> constexpr SentenceLayout CompiledLayout() {
    SentenceLayout layout = Layout(Rows);
    layout.read = compiled_layout::ReadRows<Rows>;
    return layout;
}
