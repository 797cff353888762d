#pragma once

#include <cstdint>

// The page the main window shows; None until the first page is built.
enum class Page : uint8_t { None = 0, Basic = 1, Advanced = 2 };
