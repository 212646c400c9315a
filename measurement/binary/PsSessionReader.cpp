#include "Json.h"
#include "WholeFileReaders.h"
#include "measurement/Encoding.h"

#include <algorithm>
#include <limits>

// UTF-16LE JSON with a byte-order mark before the object and another after it. Each
// measurement's EISDataList holds its impedance curves: an entry's DataSet, or the DataSet of
// each of its SubScans (a scan over potential, or a multiplexer's channels). Keys are matched
// whatever their case, as PSTrace versions differ in it.
namespace {

// ArrayType of the frequency, Z' and -Z'' arrays (ZIm holds -Im(Z)).
constexpr int kFrequency = 5, kReal = 7, kNegImag = 8;

const JsonValue* arrayOfType(const JsonValue& dataSet, int type) {
    const JsonValue* values = dataSet.find("Values");
    if (values == nullptr)
        return nullptr;
    for (const JsonValue& array : values->elements()) {
        const JsonValue* arrayType = array.find("ArrayType");
        if (arrayType != nullptr && arrayType->kind == JsonValue::Kind::Number &&
            arrayType->number == type)
            return array.find("DataValues");
    }
    return nullptr;
}

double valueAt(const JsonValue& dataValues, std::size_t i) {
    const JsonValue* v = dataValues.elements()[i].find("V");
    return v != nullptr && v->kind == JsonValue::Kind::Number
               ? v->number
               : std::numeric_limits<double>::quiet_NaN();
}

void sendCurve(const JsonValue* dataSet, RowSink& sink, ReaderState& state) {
    if (dataSet == nullptr)
        return;
    const JsonValue* f = arrayOfType(*dataSet, kFrequency);
    const JsonValue* re = arrayOfType(*dataSet, kReal);
    const JsonValue* negIm = arrayOfType(*dataSet, kNegImag);
    if (f == nullptr || re == nullptr || negIm == nullptr)
        return;
    const std::size_t count =
        std::min({f->elements().size(), re->elements().size(), negIm->elements().size()});
    if (count == 0)
        return;
    ++state.sweeps;
    for (std::size_t i = 0; i < count; ++i) {
        sink.OnRow(Row{valueAt(*f, i), valueAt(*re, i), valueAt(*negIm, i), state.rows + 1,
                       state.rows, state.sweeps});
        ++state.rows;
    }
}

} // namespace

void ReadPalmSensSession(std::string_view bytes, RowSink& sink, ReaderState& state) {
    // After the byte-order mark, whole UTF-16 units.
    const std::string_view units = bytes.size() >= 2 ? bytes.substr(2) : std::string_view{};
    std::string text;
    AppendUtf8FromUtf16(units.substr(0, units.size() & ~std::size_t{1}), false, text);
    // The byte-order mark again after the closing brace, and perhaps once more before it.
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    std::string_view json = text;
    while (json.starts_with(kBom))
        json.remove_prefix(kBom.size());
    while (json.ends_with(kBom) || json.ends_with('\0'))
        json.remove_suffix(json.ends_with(kBom) ? kBom.size() : 1);
    JsonValue session;
    if (!ParseJson(json, session)) {
        state.refusal = Refusal::BadJson;
        return;
    }
    const JsonValue* measurements = session.find("Measurements");
    if (measurements == nullptr)
        return;
    for (const JsonValue& measurement : measurements->elements()) {
        const JsonValue* curves = measurement.find("EISDataList");
        if (curves == nullptr)
            continue;
        for (const JsonValue& entry : curves->elements()) {
            const JsonValue* subScans = entry.find("SubScans");
            if (subScans != nullptr && !subScans->elements().empty()) {
                for (const JsonValue& subScan : subScans->elements())
                    sendCurve(subScan.find("DataSet"), sink, state);
            } else {
                sendCurve(entry.find("DataSet"), sink, state);
            }
        }
    }
}
