#pragma once

#include <string>
#include <string_view>
#include <vector>

// A JSON document held whole: enough for a PalmSens session. Bare NaN and Infinity count as
// numbers, as .NET writers put them.
struct JsonValue {
    enum class Kind : unsigned char { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    double number = 0;
    std::string text;
    std::vector<JsonValue> items;  // an array's objects and arrays, an object's values
    std::vector<std::string> keys; // an object's keys, one per value

    // The value of `key`, its case ignored; nullptr when it has none (or is no object).
    const JsonValue* find(std::string_view key) const;
    // The objects and arrays of an array (its numbers, strings, booleans and nulls are parsed
    // but not kept), none for anything else.
    const std::vector<JsonValue>& elements() const;
};

// Parses `text` as one JSON value, blanks around it allowed. False when it is not one, or
// nests deeper than a session ever does.
bool ParseJson(std::string_view text, JsonValue& value);
