#include "nmea/FieldLayout.h"

#include "nmea/FieldReading.h"

bool ReadFields(const SentenceLayout& layout, const FieldList& fields, char* record) {
    if (layout.read != nullptr)
        return layout.read(fields, record);
    int next = 1;
    for (const FieldRow& row : layout.fields)
        if (!field_reading::ReadRow(row, fields, next, record))
            return false;
    return true;
}
