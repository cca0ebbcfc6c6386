#pragma once
// Little-endian integers of dBASE headers and index pages. Callers check the bounds first.
#include <cstdint>

namespace dd::dictionary {

inline std::uint16_t readU16(const unsigned char *p) { return std::uint16_t(p[0] | (p[1] << 8)); }

inline std::uint32_t readU32(const unsigned char *p)
{
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) | (std::uint32_t(p[3]) << 24);
}

} // namespace dd::dictionary
