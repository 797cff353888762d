#include "config/ini_file.h"

#include <fstream>
#include <system_error>
#include <utility>

namespace {

// The longest step in which file systems keep write times (FAT's two seconds).
constexpr std::chrono::seconds kWriteTimeStep{2};

// The file's bytes, at most `size` of them (its size when it was looked at).
std::string readFileBytes(const std::filesystem::path& path, std::uintmax_t size) {
    std::ifstream stream(path, std::ios::binary);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    stream.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    bytes.resize(static_cast<std::size_t>(stream.gcount()));
    return bytes;
}

bool writeFileBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    stream.close();
    return !stream.fail();
}

// The text a 1024-character buffer receives: one pair of matching quotes around the value is
// removed, and at most kProfileValueMaxLength characters are kept. As with the Windows functions,
// the closing quote is only dropped when the value was not cut.
std::wstring valueAsRead(const std::wstring& stored) {
    std::wstring_view value = stored;
    bool quoted = false;
    if (value.size() >= 2 && (value.front() == L'"' || value.front() == L'\'') &&
        value.back() == value.front()) {
        quoted = true;
        value.remove_prefix(1);
    }
    std::wstring text(value.substr(0, kProfileValueMaxLength));
    if (quoted && value.size() <= kProfileValueMaxLength + 1) {
        text.pop_back();
    }
    return text;
}

} // namespace

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)) {}

IniFile::FileStamp IniFile::stampOf(const std::filesystem::path& path) {
    std::error_code error;
    FileStamp stamp;
    stamp.size = std::filesystem::file_size(path, error);
    if (error) {
        return {};
    }
    stamp.writeTime = std::filesystem::last_write_time(path, error);
    if (error) {
        return {};
    }
    stamp.exists = true;
    return stamp;
}

bool IniFile::stampMayRepeat(const FileStamp& stamp) {
    return stamp.exists && std::filesystem::file_time_type::clock::now() - stamp.writeTime < kWriteTimeStep;
}

IniFile::Loaded& IniFile::current() {
    const FileStamp stamp = stampOf(path_);
    if (loaded_ && loaded_->stamp == stamp && !loaded_->stampMayRepeat) {
        return *loaded_;
    }
    std::string bytes = stamp.exists ? readFileBytes(path_, stamp.size) : std::string();
    if (!loaded_ || loaded_->stamp != stamp || loaded_->bytes != bytes) {
        loaded_ = Loaded{};
        if (stamp.exists) {
            DecodedText decoded = decodeText(bytes);
            loaded_->document = IniDocument::parse(decoded.text);
            loaded_->encoding = decoded.encoding;
        }
        loaded_->bytes = std::move(bytes);
    }
    loaded_->stamp = stamp;
    loaded_->stampMayRepeat = stampMayRepeat(stamp);
    return *loaded_;
}

bool IniFile::store(Loaded& ini) {
    const std::wstring text = ini.document.serialize();
    // An 8-bit file cannot hold every character; rather than lose a label it becomes Unicode.
    if (!canEncode(text, ini.encoding)) {
        ini.encoding = TextEncoding::Utf16LittleEndian;
    }
    ini.bytes = encodeText(text, ini.encoding);
    if (!writeFileBytes(path_, ini.bytes)) {
        loaded_.reset();
        return false;
    }
    ini.stamp = stampOf(path_);
    ini.stampMayRepeat = stampMayRepeat(ini.stamp);
    return true;
}

std::wstring IniFile::readString(const std::wstring& section, const std::wstring& key) {
    const std::optional<std::wstring> stored = current().document.find(section, key);
    return stored ? valueAsRead(*stored) : std::wstring();
}

bool IniFile::writeString(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    Loaded& ini = current();
    const bool created = !ini.stamp.exists;
    if (ini.document.set(section, key, value) || created) {
        return store(ini);
    }
    return true;
}

bool IniFile::deleteKey(const std::wstring& section, const std::wstring& key) {
    Loaded& ini = current();
    return !ini.document.removeKey(section, key) || store(ini);
}

bool IniFile::deleteSection(const std::wstring& section) {
    Loaded& ini = current();
    return !ini.document.removeSection(section) || store(ini);
}

std::vector<std::wstring> IniFile::sectionNames() {
    return current().document.sectionNames();
}
