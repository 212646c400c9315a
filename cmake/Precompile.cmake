# Headers that every file of a target parses again are parsed once. This pays only where each
# compile starts from scratch: a compiler cache does better alone, and cannot cache compiles
# that read a precompiled header. The sanitizer presets turn it on; at -O2, GCC 12 takes some
# string moves in files that read one for overflows.
option(KORVANE_PRECOMPILE "Precompile the toolkit's and the tests' common headers" OFF)

set(KORVANE_STD_HEADERS <algorithm> <cmath> <filesystem> <functional> <memory> <optional>
    <string> <vector>)
set(KORVANE_QT_CORE_HEADERS <QObject> <QString> <QStringList>)
set(KORVANE_QT_HEADERS ${KORVANE_QT_CORE_HEADERS} <QImage> <QPainter> <QWidget>)

function(korvane_precompile target)
    if(KORVANE_PRECOMPILE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
        target_precompile_headers(${target} PRIVATE ${ARGN})
    endif()
endfunction()
