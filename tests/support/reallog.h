#pragma once

// The real server's log in tests/data, decompressed.

#include <string>

#include <zlib.h>

namespace tallywick::testing {

inline std::string RealApacheLog()
{
    std::string text;
    gzFile file = gzopen(TALLYWICK_TEST_DATA "/real-apache-access.log.gz", "rb");
    if (!file)
        return text;
    char buffer[1 << 16];
    for (int got; (got = gzread(file, buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    gzclose(file);
    return text;
}

} // namespace tallywick::testing
