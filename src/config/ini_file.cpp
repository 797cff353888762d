#include "config/ini_file.h"

#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

#include "config/ini_document.h"
#include "config/text_encoding.h"

namespace {

struct LoadedIni {
    IniDocument document;
    TextEncoding encoding = TextEncoding::Utf16LittleEndian; // the encoding of a file created here
};

LoadedIni loadIni(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    if (!stream) {
        return {};
    }
    const std::string bytes((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
    DecodedText decoded = decodeText(bytes);
    return {IniDocument::parse(decoded.text), decoded.encoding};
}

void storeIni(const std::filesystem::path& path, const LoadedIni& ini) {
    const std::wstring text = ini.document.serialize();
    // An 8-bit file cannot hold every character; rather than lose a label it becomes Unicode.
    const TextEncoding encoding =
        canEncode(text, ini.encoding) ? ini.encoding : TextEncoding::Utf16LittleEndian;
    const std::string bytes = encodeText(text, encoding);
    std::ofstream stream(path, std::ios::binary | std::ios::trunc);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
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

std::wstring IniFile::readString(const std::wstring& section, const std::wstring& key) {
    const std::optional<std::wstring> stored = loadIni(path_).document.find(section, key);
    return stored ? valueAsRead(*stored) : std::wstring();
}

void IniFile::writeString(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
    LoadedIni ini = loadIni(path_);
    std::error_code error;
    if (ini.document.set(section, key, value) || !std::filesystem::exists(path_, error)) {
        storeIni(path_, ini);
    }
}

void IniFile::deleteKey(const std::wstring& section, const std::wstring& key) {
    LoadedIni ini = loadIni(path_);
    if (ini.document.removeKey(section, key)) {
        storeIni(path_, ini);
    }
}

void IniFile::deleteSection(const std::wstring& section) {
    LoadedIni ini = loadIni(path_);
    if (ini.document.removeSection(section)) {
        storeIni(path_, ini);
    }
}

std::vector<std::wstring> IniFile::sectionNames() {
    return loadIni(path_).document.sectionNames();
}
