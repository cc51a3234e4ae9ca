#include "qt/sound/soundfont_cut.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <memory>

namespace pv::qt {

namespace {

constexpr unsigned kDrumBank = 128;
constexpr std::uint16_t kInstrumentGenerator = 41;
constexpr std::size_t kChunkHeader = 8;

// The nine tables of the preset data, in the order a SoundFont stores them, with the size of
// one record. Each ends with a terminal record.
enum Table { kPhdr, kPbag, kPmod, kPgen, kInst, kIbag, kImod, kIgen, kShdr, kTables };
constexpr std::array<const char*, kTables> kTableIds = {"phdr", "pbag", "pmod", "pgen", "inst",
                                                        "ibag", "imod", "igen", "shdr"};
constexpr std::array<std::size_t, kTables> kRecordSizes = {38, 4, 10, 4, 22, 4, 10, 4, 46};

std::uint16_t Little16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t Little32(const unsigned char* p) {
    return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
           std::uint32_t{p[3]} << 24;
}

void Put16(unsigned char* p, std::size_t value) {
    p[0] = static_cast<unsigned char>(value & 0xFFu);
    p[1] = static_cast<unsigned char>(value >> 8 & 0xFFu);
}

void Put32(unsigned char* p, std::uint64_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        *p++ = static_cast<unsigned char>(value >> shift & 0xFFu);
}

void Append32(std::vector<unsigned char>& out, std::uint64_t value) {
    out.resize(out.size() + 4);
    Put32(&out[out.size() - 4], value);
}

void Append(std::vector<unsigned char>& out, const unsigned char* from, std::size_t count) {
    out.insert(out.end(), from, from + count);
}

struct Records {
    const unsigned char* data = nullptr;
    std::size_t size = 0;   // of one record
    std::size_t count = 0;  // the terminal record included
    const unsigned char* operator[](std::size_t i) const { return data + i * size; }
};

// Presets or instruments: each head names its first zone (bag); each zone names its first
// generator and modulator. The next record's index ends the range, the terminal one the last.
struct Level {
    Records heads, bags, mods, gens;
    std::size_t bagIndexAt;  // within a head record

    std::size_t FirstBag(std::size_t head) const { return Little16(heads[head] + bagIndexAt); }
    std::size_t FirstGen(std::size_t bag) const { return Little16(bags[bag]); }
    std::size_t FirstMod(std::size_t bag) const { return Little16(bags[bag] + 2); }

    // Every range runs forward and stays inside its table.
    bool HoldsTogether() const {
        for (std::size_t head = 0; head + 1 < heads.count; ++head) {
            if (FirstBag(head) > FirstBag(head + 1)) return false;
        }
        if (FirstBag(heads.count - 1) >= bags.count) return false;
        for (std::size_t bag = 0; bag + 1 < bags.count; ++bag) {
            if (FirstGen(bag) > FirstGen(bag + 1) || FirstMod(bag) > FirstMod(bag + 1))
                return false;
        }
        return FirstGen(bags.count - 1) < gens.count && FirstMod(bags.count - 1) < mods.count;
    }
};

struct LevelCopy {
    std::vector<unsigned char> heads, bags, mods, gens;
};

std::size_t CountOf(const std::vector<unsigned char>& table, std::size_t recordSize) {
    return table.size() / recordSize;
}

// Copies the kept heads with their zones, generators (through rewrite) and modulators,
// renumbering every index, and closes each table with its original terminal record.
LevelCopy CopyLevel(const Level& in, const std::vector<bool>& keep,
                    const std::function<void(unsigned char* generator)>& rewrite) {
    LevelCopy out;
    std::size_t last = in.heads.count - 1;
    for (std::size_t head = 0; head <= last; ++head) {
        if (head < last && !keep[head]) continue;
        Append(out.heads, in.heads[head], in.heads.size);
        Put16(&out.heads[out.heads.size() - in.heads.size + in.bagIndexAt],
              CountOf(out.bags, in.bags.size));
        if (head == last) break;
        for (std::size_t bag = in.FirstBag(head); bag < in.FirstBag(head + 1); ++bag) {
            Append(out.bags, in.bags[bag], in.bags.size);
            unsigned char* copied = &out.bags[out.bags.size() - in.bags.size];
            Put16(copied, CountOf(out.gens, in.gens.size));
            Put16(copied + 2, CountOf(out.mods, in.mods.size));
            for (std::size_t gen = in.FirstGen(bag); gen < in.FirstGen(bag + 1); ++gen) {
                Append(out.gens, in.gens[gen], in.gens.size);
                rewrite(&out.gens[out.gens.size() - in.gens.size]);
            }
            for (std::size_t mod = in.FirstMod(bag); mod < in.FirstMod(bag + 1); ++mod)
                Append(out.mods, in.mods[mod], in.mods.size);
        }
    }
    std::vector<unsigned char> terminalBag(in.bags.size, 0);
    Put16(terminalBag.data(), CountOf(out.gens, in.gens.size));
    Put16(terminalBag.data() + 2, CountOf(out.mods, in.mods.size));
    Append(out.bags, terminalBag.data(), terminalBag.size());
    Append(out.gens, in.gens[in.gens.count - 1], in.gens.size);
    Append(out.mods, in.mods[in.mods.count - 1], in.mods.size);
    return out;
}

bool KeepPreset(const unsigned char* header, const SongInstruments& wanted) {
    unsigned program = Little16(header + 20);
    unsigned bank = Little16(header + 22);
    if (bank < kDrumBank) return wanted.melodic.count(static_cast<int>(program)) != 0;
    return bank == kDrumBank && wanted.drums.count(static_cast<int>(program)) != 0;
}

// The nine tables in their order, each a whole number of records with its terminal one.
bool ReadTables(const unsigned char* body, std::size_t size, std::array<Records, kTables>& tables) {
    std::size_t at = 0;
    for (std::size_t table = 0; table < kTables; ++table) {
        if (size - at < kChunkHeader || std::memcmp(body + at, kTableIds[table], 4) != 0)
            return false;
        std::uint32_t length = Little32(body + at + 4);
        Records& records = tables[table];
        records.size = kRecordSizes[table];
        if (length > size - at - kChunkHeader || length % records.size != 0 ||
            length < records.size) {
            return false;
        }
        records.data = body + at + kChunkHeader;
        records.count = length / records.size;
        at += kChunkHeader + length + (length & 1u);
        if (at > size) return false;
    }
    return true;
}

void AppendTable(std::vector<unsigned char>& out, Table table,
                 const std::vector<unsigned char>& records) {
    Append(out, reinterpret_cast<const unsigned char*>(kTableIds[table]), 4);
    Append32(out, records.size());
    Append(out, records.data(), records.size());
}

}  // namespace

std::optional<std::vector<unsigned char>> CutPresetData(const unsigned char* body, std::size_t size,
                                                        const SongInstruments& wanted) {
    std::array<Records, kTables> t;
    if (!ReadTables(body, size, t)) return std::nullopt;
    Level presets{t[kPhdr], t[kPbag], t[kPmod], t[kPgen], 24};
    Level instruments{t[kInst], t[kIbag], t[kImod], t[kIgen], 20};
    if (!presets.HoldsTogether() || !instruments.HoldsTogether()) return std::nullopt;

    // The presets kept, then the instruments their zones use, numbered in their old order.
    std::vector<bool> keepPreset(presets.heads.count - 1);
    std::vector<bool> keepInstrument(instruments.heads.count - 1);
    for (std::size_t preset = 0; preset < keepPreset.size(); ++preset) {
        keepPreset[preset] = KeepPreset(presets.heads[preset], wanted);
        if (!keepPreset[preset]) continue;
        for (std::size_t gen = presets.FirstGen(presets.FirstBag(preset));
             gen < presets.FirstGen(presets.FirstBag(preset + 1)); ++gen) {
            if (Little16(presets.gens[gen]) != kInstrumentGenerator) continue;
            std::size_t instrument = Little16(presets.gens[gen] + 2);
            if (instrument >= keepInstrument.size()) return std::nullopt;
            keepInstrument[instrument] = true;
        }
    }
    std::vector<std::size_t> renumbered(keepInstrument.size());
    std::size_t next = 0;
    for (std::size_t instrument = 0; instrument < keepInstrument.size(); ++instrument) {
        renumbered[instrument] = next;
        if (keepInstrument[instrument]) ++next;
    }

    LevelCopy p = CopyLevel(presets, keepPreset, [&](unsigned char* generator) {
        if (Little16(generator) == kInstrumentGenerator)
            Put16(generator + 2, renumbered[Little16(generator + 2)]);
    });
    LevelCopy i = CopyLevel(instruments, keepInstrument, [](unsigned char*) {});
    std::vector<unsigned char> samples(t[kShdr].data,
                                       t[kShdr].data + t[kShdr].count * t[kShdr].size);

    std::vector<unsigned char> out;
    for (auto [table, records] :
         std::array<std::pair<Table, const std::vector<unsigned char>*>, kTables>{
             {{kPhdr, &p.heads},
              {kPbag, &p.bags},
              {kPmod, &p.mods},
              {kPgen, &p.gens},
              {kInst, &i.heads},
              {kIbag, &i.bags},
              {kImod, &i.mods},
              {kIgen, &i.gens},
              {kShdr, &samples}}}) {
        AppendTable(out, table, *records);
    }
    return out;
}

namespace {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

}  // namespace

bool ReadFileAt(std::FILE* file, std::uint64_t offset, unsigned char* out, std::size_t count) {
    return fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0 &&
           std::fread(out, 1, count, file) == count;
}

std::optional<SoundFontCut> CutSoundFont(const std::string& file, const SongInstruments& wanted) {
    File original(std::fopen(file.c_str(), "rb"), &std::fclose);
    if (original == nullptr) return std::nullopt;
    unsigned char riff[12];
    if (!ReadFileAt(original.get(), 0, riff, sizeof riff) || std::memcmp(riff, "RIFF", 4) != 0 ||
        std::memcmp(riff + 8, "sfbk", 4) != 0) {
        return std::nullopt;
    }
    std::uint64_t end = std::uint64_t{Little32(riff + 4)} + kChunkHeader;
    // The top-level lists: information, samples, then the preset data, which must come last.
    std::uint64_t at = sizeof riff;
    unsigned char list[12];
    while (at + sizeof list <= end) {
        if (!ReadFileAt(original.get(), at, list, sizeof list)) return std::nullopt;
        std::uint32_t length = Little32(list + 4);
        std::uint64_t next = at + kChunkHeader + length + (length & 1u);
        if (std::memcmp(list, "LIST", 4) == 0 && std::memcmp(list + 8, "pdta", 4) == 0) {
            if (next < end || length < 4) return std::nullopt;
            std::vector<unsigned char> body(length - 4);
            if (!ReadFileAt(original.get(), at + sizeof list, body.data(), body.size()))
                return std::nullopt;
            auto cut = CutPresetData(body.data(), body.size(), wanted);
            if (!cut) return std::nullopt;
            SoundFontCut result;
            result.file = file;
            result.keptBytes = at;
            Append(result.presets, list, sizeof list);
            Append(result.presets, cut->data(), cut->size());
            Put32(result.presets.data() + 4, result.presets.size() - kChunkHeader);
            return result;
        }
        at = next;
    }
    return std::nullopt;
}

bool SoundFontCut::Read(std::FILE* original, std::uint64_t offset, unsigned char* out,
                        std::size_t count) const {
    if (offset > Size() || count > Size() - offset) return false;
    while (count > 0) {
        std::size_t part = 0;
        if (offset < kChunkHeader) {  // the file's header, with the size of the cut
            unsigned char header[kChunkHeader] = {'R', 'I', 'F', 'F'};
            Put32(header + 4, Size() - kChunkHeader);
            part = std::min<std::uint64_t>(count, kChunkHeader - offset);
            std::memcpy(out, header + offset, part);
        } else if (offset < keptBytes) {
            part = std::min<std::uint64_t>(count, keptBytes - offset);
            if (!ReadFileAt(original, offset, out, part)) return false;
        } else {
            part = count;
            std::memcpy(out, presets.data() + (offset - keptBytes), part);
        }
        offset += part;
        out += part;
        count -= part;
    }
    return true;
}

}  // namespace pv::qt
