#pragma once

#include "measurement/io/IoError.h"

#include <QString>

#include <optional>
#include <string>

// Why a measurement file gave nothing to show, in the user's words: why it is refused, or
// else the step that failed.
QString WhyNotRead(const std::optional<IoError>& error, const std::string& refusal = {});
