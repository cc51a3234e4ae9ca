#include "store/settings_format.h"

#include <algorithm>
#include <cstring>

#include "game/operations.h"

namespace pv {

namespace {

// Where each field of the header lies. Readers on other platforms rely on these offsets.
enum HeaderOffset : std::size_t {
    kMagicAt = 0,
    kMissedThisRoundAt = 4,
    kTimerIdAt = 5,
    kLargeFontAt = 9,
    kMediumFontAt = 13,
    kSmallFontAt = 17,
    kAboutBitmapAt = 21,
    kHoverActiveAt = 25,
    kAboutOpenAt = 29,
    kMemoryOpenAt = 30,
    kColourOpenAt = 31,
    kScoresOpenAt = 32,
    kOperationAt = 33,
    kSoundOnAt = 34,
    kMusicOnAt = 35,
    kRandomColoursAt = 36,  // two bytes, the second 0
    kBgGreenAt = 38,
    kBgRedAt = 42,
    kBgBlueAt = 46,
    kScoreCountAt = 50,
    kRememberPositionAt = 54,
    kWindowXAt = 55,
    kWindowYAt = 59,
    kHighColourAt = 63,
    kSaveCountAt = 64,
    kBigTablesAt = 65,
    kTableSizeAt = 66,
    kScoreAt = 70,
    kActionDelayAt = 74,
    kLabelDelayAt = 78,
    kPendingQuestionAt = 82,
    kPendingBoardRedrawAt = 86,
    kHintCasePhaseAt = 90,
    kLabelPhaseAt = 94,
    kSoundOnHintAt = 98,
    kSoundOffHintAt = 107,
    kMusicOnHintAt = 117,
    kMusicOffHintAt = 126,
};

// The header ends inside "music off": only its first seven bytes are stored.
constexpr std::size_t kMusicOffHintStored = kHeaderSize - kMusicOffHintAt;
constexpr std::uint8_t kRecordShift = 0x5B;
// A line keeps at most this many characters in a record.
constexpr std::size_t kRecordTextLength = 41;

void Put8(SettingsHeader& h, std::size_t at, std::uint8_t value) {
    h[at] = value;
}

void Put32(SettingsHeader& h, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) h[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void PutText(SettingsHeader& h, std::size_t at, const std::array<char, kHintTextSize>& text,
             std::size_t size) {
    std::memcpy(h.data() + at, text.data(), size);
}

std::uint32_t Get32(const std::uint8_t* bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value |= std::uint32_t{bytes[at + i]} << (8 * i);
    return value;
}

bool IsFlag(std::uint8_t byte) {
    return byte == 0 || byte == 0xFF;
}

// An option flag is taken only when it is a valid flag; otherwise the setting keeps its value.
void TakeFlag(std::uint8_t& flag, std::uint8_t byte) {
    if (IsFlag(byte)) flag = byte;
}

}  // namespace

SettingsHeader EncodeHeader(const GameState& g) {
    SettingsHeader h{};
    std::memcpy(h.data() + kMagicAt, g.magic.data(), g.magic.size());
    Put8(h, kMissedThisRoundAt, g.missedThisRound);
    Put32(h, kTimerIdAt, g.timerId);
    Put32(h, kLargeFontAt, g.largeFont);
    Put32(h, kMediumFontAt, g.mediumFont);
    Put32(h, kSmallFontAt, g.smallFont);
    Put32(h, kAboutBitmapAt, g.aboutBitmap);
    Put32(h, kHoverActiveAt, g.hoverActive);
    Put8(h, kAboutOpenAt, g.aboutOpen);
    Put8(h, kMemoryOpenAt, g.memoryOpen);
    Put8(h, kColourOpenAt, g.colourOpen);
    Put8(h, kScoresOpenAt, g.scoresOpen);
    Put8(h, kOperationAt, g.operation);
    Put8(h, kSoundOnAt, g.soundOn);
    Put8(h, kMusicOnAt, g.musicOn);
    Put8(h, kRandomColoursAt, g.randomColours);
    Put8(h, kRandomColoursAt + 1, 0);
    Put32(h, kBgGreenAt, g.bgGreen);
    Put32(h, kBgRedAt, g.bgRed);
    Put32(h, kBgBlueAt, g.bgBlue);
    Put32(h, kScoreCountAt, g.scoreCount);
    Put8(h, kRememberPositionAt, g.rememberPosition);
    Put32(h, kWindowXAt, static_cast<std::uint32_t>(g.windowX));
    Put32(h, kWindowYAt, static_cast<std::uint32_t>(g.windowY));
    Put8(h, kHighColourAt, g.highColour);
    Put8(h, kSaveCountAt, g.saveCount);
    Put8(h, kBigTablesAt, g.bigTables);
    Put32(h, kTableSizeAt, g.tableSize);
    Put32(h, kScoreAt, g.score);
    Put32(h, kActionDelayAt, static_cast<std::uint32_t>(g.actionDelay));
    Put32(h, kLabelDelayAt, static_cast<std::uint32_t>(g.labelDelay));
    Put32(h, kPendingQuestionAt, g.pendingQuestion);
    Put32(h, kPendingBoardRedrawAt, g.pendingBoardRedraw);
    Put32(h, kHintCasePhaseAt, g.hintCasePhase);
    Put32(h, kLabelPhaseAt, g.labelPhase);
    // Each hint with its terminator, in the letter case it has right now.
    PutText(h, kSoundOnHintAt, g.hintTexts[kHintSoundOn], kSoundOffHintAt - kSoundOnHintAt);
    PutText(h, kSoundOffHintAt, g.hintTexts[kHintSoundOff], kMusicOnHintAt - kSoundOffHintAt);
    PutText(h, kMusicOnHintAt, g.hintTexts[kHintMusicOn], kMusicOffHintAt - kMusicOnHintAt);
    PutText(h, kMusicOffHintAt, g.hintTexts[kHintMusicOff], kMusicOffHintStored);
    return h;
}

ScoreRecord EncodeRecord(std::string_view line) {
    ScoreRecord record;
    record.fill(' ');
    std::size_t length = std::min(line.find('\0'), line.size());
    std::size_t kept = std::min(length, kRecordTextLength);
    std::memcpy(record.data(), line.data(), kept);
    // A line that fits keeps its terminator and gains one more zero; a cut one ends in one.
    record[kept] = '\0';
    if (length < kRecordTextLength) record[kept + 1] = '\0';
    for (std::size_t i = 1; i + 1 < kRecordSize; ++i) {
        record[i] = static_cast<std::uint8_t>(record[i] + kRecordShift);
    }
    return record;
}

void DecodeRecord(const std::uint8_t* record, std::array<char, kRecordLineSize>& line) {
    for (std::size_t i = 0; i < kRecordSize; ++i) {
        std::uint8_t byte = record[i];
        if (i != 0 && i + 1 != kRecordSize) byte = static_cast<std::uint8_t>(byte - kRecordShift);
        line[i] = static_cast<char>(byte);
    }
    // A record without a zero byte holds a line of all 45 characters.
    line[kRecordSize] = '\0';
}

bool IsSettingsFile(std::span<const std::uint8_t> bytes) {
    return bytes.size() >= kHeaderSize && std::memcmp(bytes.data() + kMagicAt, "PV21", 4) == 0;
}

bool ReadSettings(GameState& g, std::span<const std::uint8_t> bytes,
                  const std::function<void(const char* line)>& addLine) {
    if (!IsSettingsFile(bytes)) return false;
    const std::uint8_t* h = bytes.data();

    // A byte of no operation starts the drill a new game starts on.
    g.operation =
        IsOperationByte(h[kOperationAt]) ? h[kOperationAt] : RowOf(Operation::Multiplication).byte;
    TakeFlag(g.soundOn, h[kSoundOnAt]);
    TakeFlag(g.musicOn, h[kMusicOnAt]);
    TakeFlag(g.randomColours, h[kRandomColoursAt]);
    TakeFlag(g.highColour, h[kHighColourAt]);
    TakeFlag(g.bigTables, h[kBigTablesAt]);
    g.saveCount = h[kSaveCountAt];
    // The position comes with a valid flag, even an off one; it is used only when the flag is on.
    if (IsFlag(h[kRememberPositionAt])) {
        g.rememberPosition = h[kRememberPositionAt];
        g.windowX = static_cast<std::int32_t>(Get32(h, kWindowXAt));
        g.windowY = static_cast<std::int32_t>(Get32(h, kWindowYAt));
    }
    g.bgGreen = Get32(h, kBgGreenAt);
    g.bgRed = Get32(h, kBgRedAt);
    g.bgBlue = Get32(h, kBgBlueAt);
    g.scoreCount = std::min<std::uint32_t>(Get32(h, kScoreCountAt), kMaxRecords);

    // Records up to the count; the first one cut short ends the list.
    std::array<char, kRecordLineSize> line{};
    std::size_t at = kHeaderSize;
    for (std::uint32_t i = 0; i < g.scoreCount && bytes.size() - at >= kRecordSize; ++i) {
        DecodeRecord(h + at, line);
        addLine(line.data());
        at += kRecordSize;
    }
    return true;
}
}  // namespace pv
