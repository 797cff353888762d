#pragma once

#include <string>
#include <string_view>

// The Windows profile functions write a file back in the encoding they found it in. An 8-bit file is
// written in the ANSI code page, where labels in other scripts turn into question marks; a file that
// starts with a UTF-16LE byte-order mark keeps every character. These helpers keep profile files
// Unicode where that matters.

// Creates a missing file holding only the UTF-16LE byte-order mark; an existing file is left alone.
void createUnicodeProfileFileIfMissing(const std::wstring& path);

// True when `text` comes back unchanged from a trip through the ANSI code page, so that writing it
// into an 8-bit profile file loses nothing.
bool fitsAnsiCodePage(std::wstring_view text);

// Makes the existing file at `path` UTF-16LE with its byte-order mark. A file that is one already
// is not touched; any other file is rewritten holding the text the profile functions read from it
// (UTF-8 after its byte-order mark, UTF-16BE after its own, the ANSI code page otherwise). The new
// content goes to a temporary file beside it that then replaces the original, so a crash leaves
// either the old or the new file, never a cut one. False when the file could not be read or
// replaced.
bool makeProfileFileUnicode(const std::wstring& path);
