#include "core/ConfigFileFormat.h"

#include "core/ConnectorLog.h"

namespace Quorvane {

namespace {

const unsigned int kFormatMark = 0xAC11;

// Values that no valid file holds fall back to a default instead of reaching the program.
struct ValidValues {
    int lowest;
    int highest;
    int fallback;
};
const ValidValues kMappingTypes = { 0, 4, 0 };
const ValidValues kNameConventions = { 1, 2, Config::DefaultNameConvention };

// Cut between whole characters: a surrogate pair is never split.
std::wstring FitToLimit(const std::wstring& text)
{
    const size_t limit = kMaxConfigStringBytes / 2;
    if (text.size() <= limit)
        return text;
    size_t kept = limit;
    if (text[kept - 1] >= 0xD800 && text[kept - 1] <= 0xDBFF)
        --kept;
    Logging::AppendToConnectorLog(L"A setting of " + std::to_wstring(text.size()) + L" characters was cut to the " +
                                  std::to_wstring(kept) + L" the settings file can hold");
    return text.substr(0, kept);
}

bool IsStoredRangeType(int type)
{
    return (type >= DateRange::FirstPredefinedType && type <= DateRange::LastPredefinedType) ||
           type == DateRange::CustomType;
}

// Two codecs with the same operations, one for each direction; the item list below drives both.
class ItemWriter {
public:
    explicit ItemWriter(ByteWriter& writer) : m_writer(writer) {}

    bool Mark()
    {
        m_writer.WriteUInt16(kFormatMark);
        return true;
    }
    bool Text(const std::wstring& text)
    {
        ConfigWriteString(m_writer, text);
        return true;
    }
    bool Flag(bool flag)
    {
        m_writer.WriteByte(flag ? 1 : 0);
        return true;
    }
    bool Number(int number)
    {
        m_writer.WriteInt32(number);
        return true;
    }
    bool Number(int number, const ValidValues&) { return Number(number); }
    // The password is stored only when the user asked for it to be remembered.
    bool Password(const std::wstring& password, bool remembered) { return Text(remembered ? password : L""); }
    bool Rules(const MappingCollection& mappings)
    {
        ConfigWriteMappings(m_writer, mappings);
        return true;
    }
    bool Range(const DateRange& range)
    {
        ConfigWriteDateRange(m_writer, range);
        return true;
    }
    bool Postfixes(const Config::NamePostfixes& postfixes);

private:
    ByteWriter& m_writer;
};

class ItemReader {
public:
    explicit ItemReader(ByteReader& reader) : m_reader(reader) {}

    bool Mark();
    bool Text(std::wstring& text) { return ConfigReadString(m_reader, text); }
    bool Flag(bool& flag);
    bool Number(int& number) { return m_reader.ReadInt32(number); }
    bool Number(int& number, const ValidValues& valid);
    bool Password(std::wstring& password, bool) { return Text(password); }
    bool Rules(MappingCollection& mappings) { return ConfigReadMappings(m_reader, mappings); }
    bool Range(DateRange& range) { return ConfigReadDateRange(m_reader, range); }
    bool Postfixes(Config::NamePostfixes& postfixes);

private:
    ByteReader& m_reader;
};

bool ItemWriter::Postfixes(const Config::NamePostfixes& postfixes)
{
    Number(static_cast<int>(postfixes.size()));
    for (Config::NamePostfixes::const_iterator it = postfixes.begin(); it != postfixes.end(); ++it) {
        Text(it->first);
        Text(it->second);
    }
    return true;
}

bool ItemReader::Mark()
{
    unsigned int mark = 0;
    return m_reader.ReadUInt16(mark) && mark == kFormatMark;
}

bool ItemReader::Flag(bool& flag)
{
    unsigned char byte = 0;
    if (!m_reader.ReadByte(byte))
        return false;
    flag = byte != 0;
    return true;
}

bool ItemReader::Number(int& number, const ValidValues& valid)
{
    if (!Number(number))
        return false;
    if (number < valid.lowest || number > valid.highest)
        number = valid.fallback;
    return true;
}

// A key stored twice keeps the value stored last.
bool ItemReader::Postfixes(Config::NamePostfixes& postfixes)
{
    int count = 0;
    if (!Number(count))
        return false;
    for (int i = 0; i < count; ++i) {
        std::wstring key, value;
        if (!Text(key) || !Text(value))
            return false;
        postfixes[key] = value;
    }
    return true;
}

}  // namespace

// The one list of the file's items, in file order: the writer and the reader both walk it.
template <typename Codec, typename ConfigType>
bool TransferConfigItems(Codec& codec, ConfigType& config)
{
    auto& connection = config.m_connectionOptions;
    return codec.Mark() && codec.Text(config.m_serverUuid) && codec.Text(connection.url) &&
           codec.Text(connection.userName) && codec.Flag(connection.rememberPassword) &&
           codec.Password(connection.password, connection.rememberPassword) &&
           codec.Flag(connection.siteChangeAccepted) && codec.Number(config.m_autoCreationFlags) &&
           codec.Number(config.m_mappingType, kMappingTypes) && codec.Text(config.m_serviceItemAccount) &&
           codec.Flag(config.m_serviceItemGroup) && codec.Number(config.m_nameConvention, kNameConventions) &&
           codec.Flag(config.m_projectNameDescription) && codec.Flag(config.m_taskNameDescription) &&
           codec.Flag(config.m_timeTrackDescription) && codec.Flag(config.m_canRemoveExistingQBTimeTrack) &&
           codec.Flag(config.m_importLeaveType) && codec.Rules(*config.m_employeeMappings.Get()) &&
           codec.Rules(*config.m_leaveTypeMappings.Get()) && codec.Rules(*config.m_payrollMappings.Get()) &&
           codec.Range(config.m_period) && codec.Range(config.m_loadedPeriod) &&
           codec.Postfixes(config.m_namePostfixes);
}

std::string SerializeConfig(const Config& config)
{
    ByteWriter writer;
    ItemWriter items(writer);
    TransferConfigItems(items, config);
    return writer.Bytes();
}

bool ParseConfig(const std::string& bytes, Config& target)
{
    // Damaged bytes must leave the target as it was, so they are first read into a scratch
    // object; bytes that read there read the same way into the target.
    Config scratch;
    ByteReader checkReader(bytes);
    ItemReader check(checkReader);
    if (!TransferConfigItems(check, scratch))
        return false;
    ByteReader reader(bytes);
    ItemReader items(reader);
    return TransferConfigItems(items, target);
}

void ConfigWriteString(ByteWriter& writer, const std::wstring& text)
{
    const std::wstring stored = FitToLimit(text);
    writer.WriteInt32(static_cast<int>(stored.size() * 2));
    for (size_t i = 0; i < stored.size(); ++i)
        writer.WriteUInt16(stored[i]);
}

// An odd length keeps its whole units and still consumes every byte, so that the items after
// it stay aligned.
bool ConfigReadString(ByteReader& reader, std::wstring& text)
{
    int length = 0;
    const unsigned char* data = 0;
    if (!reader.ReadInt32(length) || length < 0 || length > kMaxConfigStringBytes || !reader.Take(length, data))
        return false;
    text.resize(length / 2);
    for (size_t i = 0; i < text.size(); ++i)
        text[i] = static_cast<wchar_t>(data[2 * i] | (data[2 * i + 1] << 8));
    return true;
}

void ConfigWriteDate(ByteWriter& writer, const DateTime& date)
{
    writer.WriteInt32(date.GetYear());
    writer.WriteInt32(date.GetMonth());
    writer.WriteInt32(date.GetDay());
}

bool ConfigReadDate(ByteReader& reader, DateTime& date)
{
    int year = 0, month = 0, day = 0;
    if (!reader.ReadInt32(year) || !reader.ReadInt32(month) || !reader.ReadInt32(day))
        return false;
    date = DateTime(day, month, year);
    return true;
}

void ConfigWriteDateRange(ByteWriter& writer, const DateRange& range)
{
    ConfigWriteDate(writer, range.GetStart());
    ConfigWriteDate(writer, range.GetEnd());
    writer.WriteInt32(range.GetRangeType());
}

bool ConfigReadDateRange(ByteReader& reader, DateRange& range)
{
    DateTime start, end;
    int type = 0;
    if (!ConfigReadDate(reader, start) || !ConfigReadDate(reader, end) || !reader.ReadInt32(type))
        return false;
    range = DateRange();
    range.SetStart(start);
    range.SetEnd(end);
    range.SetRangeType(IsStoredRangeType(type) ? type : static_cast<int>(Config::DefaultRangeType));
    return true;
}

void ConfigWriteMappings(ByteWriter& writer, const MappingCollection& mappings)
{
    writer.WriteInt32(static_cast<int>(mappings.Count()));
    for (MappingCollection::const_iterator it = mappings.begin(); it != mappings.end(); ++it) {
        const Mapping& mapping = **it;
        ConfigWriteString(writer, mapping.GetSource());
        ConfigWriteString(writer, mapping.GetTarget());
        writer.WriteInt32(mapping.GetState());
        writer.WriteByte(mapping.GetFlag() ? 1 : 0);
    }
}

bool ConfigReadMappings(ByteReader& reader, MappingCollection& mappings)
{
    int count = 0;
    if (!reader.ReadInt32(count))
        return false;
    for (int i = 0; i < count; ++i) {
        std::wstring source, target;
        int state = 0;
        unsigned char flag = 0;
        if (!ConfigReadString(reader, source) || !ConfigReadString(reader, target) || !reader.ReadInt32(state) ||
            !reader.ReadByte(flag))
            return false;
        MappingCollection::Pointer mapping(new Mapping);
        mapping->SetSource(source);
        mapping->SetTarget(target, state);
        mapping->SetFlag(flag != 0);
        mappings.Add(mapping);
    }
    return true;
}

}  // namespace Quorvane
