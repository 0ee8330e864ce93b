#pragma once
// The bytes of a settings file. Strings are an int32 byte length and UTF-16LE text without a
// terminator; flags are one byte; numbers are int32; everything little-endian, unpadded.
#include <string>
#include "core/ByteStream.h"
#include "core/Config.h"

namespace Quorvane {

// The longest string item either side accepts, in bytes.
const int kMaxConfigStringBytes = 65536;

// A text longer than the format allows is cut to the limit, with a line in the connector log:
// one over-long text must not stop every save.
std::string SerializeConfig(const Config& config);

// True only for a whole settings file; only then does the target take the stored values. Its
// mapping collections get the stored rules appended, and its employee selection stays.
// Bytes after the last item are ignored: older versions left stale tails behind it.
bool ParseConfig(const std::string& bytes, Config& target);

// One item kind each; a read fails when the bytes run out or hold no valid item.
void ConfigWriteString(ByteWriter& writer, const std::wstring& text);
bool ConfigReadString(ByteReader& reader, std::wstring& text);
void ConfigWriteDate(ByteWriter& writer, const DateTime& date);
bool ConfigReadDate(ByteReader& reader, DateTime& date);
void ConfigWriteDateRange(ByteWriter& writer, const DateRange& range);
// A predefined range is computed again from today; a custom one keeps its dates.
bool ConfigReadDateRange(ByteReader& reader, DateRange& range);
void ConfigWriteMappings(ByteWriter& writer, const MappingCollection& mappings);
// Appends the stored rules; a target stored with any state but mapped is dropped.
bool ConfigReadMappings(ByteReader& reader, MappingCollection& mappings);

}  // namespace Quorvane
