#pragma once

#include "measurement/io/IoError.h"

#include <QString>

// IoErrorText as the user reads it, from the system's encoding.
QString IoErrorWords(const IoError& error);
