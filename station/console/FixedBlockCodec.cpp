// Both directions between the fixed block's bytes and CWeatherSettings, driven by the one
// table of FixedBlockMap. Decoding and encoding are inverse per encoding, except where the
// console's bytes carry more than the texts can (see EncodeValue).

#include "station/console/FixedBlockCodec.h"

#include "station/console/ConsoleWords.h"
#include "station/console/FixedBlockMap.h"
#include "station/values/ByteText.h"
#include "station/values/ValueText.h"

#include <algorithm>
#include <cstdlib>

namespace {

using enum FieldEncoding;

constexpr unsigned kLargestMagnitude = 0x7FFF;
constexpr unsigned kLargestZone = 79; // three bits of tens
constexpr unsigned kFactorNoValue = 0xFFFF;

void WriteLittleEndian(std::uint8_t* bytes, std::size_t size, unsigned value) {
    for (std::size_t i = 0; i < size; ++i, value >>= 8)
        bytes[i] = static_cast<std::uint8_t>(value);
}

int NibbleShift(FieldEncoding encoding) {
    return encoding == kSplitHigh ? 4 : 0;
}

bool IsBitSet(std::uint8_t byte, int bit) {
    return (byte >> bit) & 1;
}

// The integer a numeric field's bytes stand for.
int FieldValue(const FixedBlockField& field, const std::uint8_t* block) {
    const std::uint8_t* bytes = block + field.offset;
    switch (field.encoding) {
    case kSigned:
        return SignMagnitudeValue(ReadLittleEndian(bytes, 2));
    case kSplitLow:
    case kSplitHigh: {
        const int nibble = (block[kSplitNibbleOffset] >> NibbleShift(field.encoding)) & 0x0F;
        return static_cast<int>(ReadLittleEndian(bytes, 2)) + (nibble << 16);
    }
    case kZone: {
        const int hours = ((bytes[0] >> 4) & 0x07) * 10 + (bytes[0] & 0x0F);
        return bytes[0] & 0x80 ? -hours : hours;
    }
    case kBit:
        return IsBitSet(bytes[0], field.bit);
    default:
        return static_cast<int>(ReadLittleEndian(bytes, field.size));
    }
}

std::string ZoneText(int hours) {
    if (hours == 0)
        return "0";
    return (hours > 0 ? "+" : "") + std::to_string(hours);
}

// The lowest set bit of a group names the choice; no bit set names nothing.
std::string ChoiceText(const FixedBlockField& field, std::uint8_t byte) {
    for (std::size_t i = 0; i < field.names.size(); ++i)
        if (IsBitSet(byte, field.bit + static_cast<int>(i)))
            return field.names[i];
    return {};
}

// The value text, written whatever the mode.
void DecodeValue(const FixedBlockField& field, const std::uint8_t* block, CWeatherSettings& s) {
    const std::uint8_t* bytes = block + field.offset;
    std::string& text = s.*field.text;
    switch (field.encoding) {
    case kFactor:
        text = ReadLittleEndian(bytes, 2) == kFactorNoValue
                   ? std::string()
                   : std::to_string(FieldValue(field, block));
        break;
    case kTime:
        text = BcdTimeToText(bytes);
        break;
    case kFlagByte:
        text = bytes[0] == field.marker ? "1" : "0";
        break;
    case kBit:
        text = field.names[FieldValue(field, block)];
        break;
    case kChoice:
        text = ChoiceText(field, bytes[0]);
        break;
    case kZone:
        text = ZoneText(FieldValue(field, block));
        break;
    case kHexPairs:
        text = HexString(bytes, field.size);
        break;
    case kDump:
        break;
    default:
        text = std::to_string(FieldValue(field, block));
        break;
    }
}

// The Hex, Bits or TimeHex companion and the Raw companion, in raw mode only.
void DecodeCompanions(const FixedBlockField& field, const std::uint8_t* block,
                      CWeatherSettings& s) {
    const std::uint8_t* bytes = block + field.offset;
    if (field.hex) {
        std::string& hex = s.*field.hex;
        if (field.encoding == kTime)
            hex = HexString(bytes, field.size);
        else if (field.encoding == kChoice)
            hex = BitString(bytes[0]).substr(field.bit, field.names.size());
        else
            hex = HexDump(bytes, field.span ? field.span : field.size);
    }
    if (field.raw)
        s.*field.raw = FieldValue(field, block);
}

// |value|, held to what the field's bits can carry.
unsigned Magnitude(int value, unsigned largest) {
    return static_cast<unsigned>(std::min<long long>(std::llabs(value), largest));
}

std::uint8_t ZoneByte(int hours) {
    const unsigned magnitude = Magnitude(hours, kLargestZone);
    return static_cast<std::uint8_t>((hours < 0 ? 0x80 : 0) | (magnitude / 10) << 4 |
                                     magnitude % 10);
}

// Writes the field's bytes from its text into a block cleared by the caller; bit fields are
// ORed into their bytes. What a decode would not give back: a factor's empty text writes 0, not
// its "no value" code; unused bits and other values of flag bytes are not kept; of several set
// bits of a group only the decoded one is written; an empty hex-pair text writes nothing.
void EncodeValue(const FixedBlockField& field, const CWeatherSettings& s, std::uint8_t* block) {
    std::uint8_t* bytes = block + field.offset;
    const std::string& text = s.*field.text;
    switch (field.encoding) {
    case kSigned: {
        const int value = ReadInt(text);
        WriteLittleEndian(bytes, 2,
                          Magnitude(value, kLargestMagnitude) | (value < 0 ? kSignBit : 0));
        break;
    }
    case kSplitLow:
    case kSplitHigh: {
        const unsigned value = static_cast<unsigned>(ReadInt(text));
        WriteLittleEndian(bytes, 2, value);
        block[kSplitNibbleOffset] |= ((value >> 16) & 0x0F) << NibbleShift(field.encoding);
        break;
    }
    case kTime:
        TextToBcdTime(text, bytes);
        break;
    case kFlagByte:
        bytes[0] = text == "1" ? field.marker : 0;
        break;
    case kBit:
        if (text == field.names[1])
            bytes[0] |= 1 << field.bit;
        break;
    case kChoice:
        for (std::size_t i = 0; i < field.names.size(); ++i)
            if (text == field.names[i])
                bytes[0] |= 1 << (field.bit + i);
        break;
    case kZone:
        bytes[0] = ZoneByte(ReadInt(text));
        break;
    case kHexPairs:
        HexTextToBytes(text, bytes, field.size);
        break;
    case kDump:
        break;
    default:
        WriteLittleEndian(bytes, field.size, static_cast<unsigned>(ReadInt(text)));
        break;
    }
}

bool CoversPart(const FixedBlockField& field, int part) {
    return part == kWholeBlock || field.area == part;
}

bool IsValidPart(int part) {
    return part >= kWholeBlock && part <= kScopeArea;
}

} // namespace

bool DecodeFixedBlock(const std::uint8_t* block, CWeatherSettings& settings, int part, bool raw) {
    if (!block || !IsValidPart(part))
        return false;
    for (const FixedBlockField& field : FixedBlockFields()) {
        if (!CoversPart(field, part))
            continue;
        if (field.text)
            DecodeValue(field, block, settings);
        if (raw)
            DecodeCompanions(field, block, settings);
    }
    return true;
}

bool EncodeFixedBlock(CWeatherSettings& settings, std::uint8_t* block, int part, bool raw) {
    if (!block || !IsValidPart(part))
        return false;
    for (const FixedBlockField& field : FixedBlockFields())
        if (CoversPart(field, part) && field.text)
            EncodeValue(field, settings, block);
    if (!raw)
        return true;
    // Companions show what goes to the console, so they are taken from the finished bytes
    // (a dump may span fields written later). The factors' Raw keeps the typed integer, uncut.
    for (const FixedBlockField& field : FixedBlockFields()) {
        if (!CoversPart(field, part))
            continue;
        DecodeCompanions(field, block, settings);
        if (field.encoding == kFactor)
            settings.*field.raw = ReadInt(settings.*field.text);
    }
    return true;
}
