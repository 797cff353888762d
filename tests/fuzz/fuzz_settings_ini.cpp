// str.ini as the program may find it: any bytes through the text decoding, the INI parser and the
// profile-store reads that start-up makes (language code, text colour), then a label written back
// the way Apply writes it. Traps when decoding what was encoded does not give the
// text back, when a document written out and parsed again is written out differently, or when a
// label written cannot be read back.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "config/app_settings.h"
#include "config/ini_document.h"
#include "config/ini_file.h"
#include "config/text_encoding.h"
#include "lang/language.h"

namespace {

// In memory where the system offers it: the file is rewritten and read again for every input.
const std::filesystem::path& scratchFile() {
    static const std::filesystem::path path =
        (std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                   : std::filesystem::temp_directory_path()) /
        ("fuzz_settings_ini_" + std::to_string(getpid()) + ".ini");
    return path;
}

void checkEncodingRoundTrip(const DecodedText& decoded) {
    if (canEncode(decoded.text, decoded.encoding) &&
        decodeText(encodeText(decoded.text, decoded.encoding)).text != decoded.text) {
        __builtin_trap();
    }
}

void checkDocument(const std::wstring& text) {
    IniDocument document = IniDocument::parse(text);
    const std::wstring written = document.serialize();
    if (IniDocument::parse(written).serialize() != written) {
        __builtin_trap();
    }
    for (const std::wstring& name : document.sectionNames()) {
        document.find(name, L"Path");
    }
    document.set(L"Skins", L"Path", L"Graphite");
    document.removeKey(L"Skins", L"Lan");
    document.removeSection(L"Setting-EN");
    document.serialize();
}

void checkAsSettingsFile(std::string_view bytes) {
    {
        std::ofstream file(scratchFile(), std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    // Each read loads the file afresh, so only a few of start-up's reads are made here; the rest
    // differ only in their key.
    IniFile settingsFile(scratchFile());
    const Language language = languageFromCode(readLanguageCode(settingsFile));
    colorComponent(settingsFile.readString(kSkinsSection, L"RColor"));

    const std::wstring label = L"宏 Ä \"1\"";
    const std::wstring key = labelKey(KeyMode::ModeB, 11);
    settingsFile.writeString(settingsSection(language), key, label);
    if (settingsFile.readString(settingsSection(language), key) != label) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const DecodedText decoded = decodeText(bytes);
    checkEncodingRoundTrip(decoded);
    checkDocument(decoded.text);
    checkAsSettingsFile(bytes);
    return 0;
}
