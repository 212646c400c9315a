#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

// BioLogic .mpr files built from the facts of their layout, for tests: the file header, a
// settings module, the data module and, when the run has ended, a LOG module.
namespace fixtures {

enum class MprLayout { Version2, Version3, NewHeader };

template <typename T> std::string Packed(T value) {
    std::string bytes(sizeof value, '\0');
    std::memcpy(bytes.data(), &value, sizeof value); // little-endian machines only
    return bytes;
}

struct MprFile {
    MprLayout layout = MprLayout::NewHeader;
    std::vector<std::uint16_t> ids;
    std::string records; // packed, as many as there are
    std::uint32_t count = 0;
    bool log = true; // the run ended: a LOG module follows the data
};

inline std::string MprModule(MprLayout layout, const char* shortName, std::uint32_t version,
                             const std::string& body) {
    std::string name = shortName;
    std::string header = "MODULE" + name + std::string(10 - name.size(), ' ') + name +
                         std::string(25 - name.size(), ' ');
    if (layout == MprLayout::NewHeader)
        header += Packed<std::uint32_t>(0xFFFFFFFF) + Packed<std::uint32_t>(body.size()) +
                  Packed<std::uint32_t>(0) + Packed<std::uint32_t>(version) + "03/02/21";
    else
        header += Packed<std::uint32_t>(body.size()) + Packed<std::uint32_t>(version) + "08.06.15";
    return header + body;
}

// The bytes before the first record, and the offset of the data body's point count.
inline std::string MprUpToRecords(const MprFile& file, std::size_t* countAt = nullptr) {
    std::string out = "BIO-LOGIC MODULAR FILE\x1A";
    out += std::string(48 - out.size(), ' ') + std::string(4, '\0');
    out += MprModule(file.layout, "VMP Set", 10, std::string(1, '\x1D') + std::string(99, '\0'));
    const bool wide = file.layout == MprLayout::NewHeader;
    std::string body = Packed<std::uint32_t>(file.count);
    body += wide ? Packed<std::uint16_t>(file.ids.size())
                 : std::string(1, static_cast<char>(file.ids.size()));
    for (const std::uint16_t id : file.ids)
        body += Packed(id);
    const std::size_t first = wide ? 0x3EF : file.layout == MprLayout::Version3 ? 0x196 : 0x195;
    body.resize(first, '\0');
    if (file.layout != MprLayout::Version2)
        body[first - 1] = 1;
    const std::uint32_t version = wide ? 11 : file.layout == MprLayout::Version3 ? 3 : 2;
    const std::string data = MprModule(file.layout, "VMP data", version, body + file.records);
    if (countAt != nullptr)
        *countAt = out.size() + data.size() - file.records.size() - first;
    return out + data.substr(0, data.size() - file.records.size());
}

inline std::string Mpr(const MprFile& file) {
    std::string out = MprUpToRecords(file) + file.records;
    if (file.log)
        out += MprModule(file.layout, "VMP LOG", 10, std::string(64, 'L'));
    return out;
}

} // namespace fixtures
