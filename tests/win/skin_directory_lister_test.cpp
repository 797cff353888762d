#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "skin/win/find_file_directory_lister.h"
#include "skin_test_support.h"

namespace {

bool listed(const std::vector<DirectoryEntry>& entries, const std::wstring& name, bool isDirectory) {
    return std::ranges::any_of(
        entries, [&](const DirectoryEntry& e) { return e.name == name && e.isDirectory == isDirectory; });
}

TEST(SkinFindFileDirectoryLister, ListsFoldersAndFilesWithTheirKind) {
    skintest::TempFolder root;
    std::filesystem::create_directory(root.path() / L"Graphite");
    std::filesystem::create_directory(root.path() / L"Dunkel Grün");
    std::ofstream(root.path() / L"readme.txt") << "not a skin";

    const auto entries = FindFileDirectoryLister().entries(root.path().wstring());

    EXPECT_TRUE(listed(entries, L"Graphite", true));
    EXPECT_TRUE(listed(entries, L"Dunkel Grün", true));
    EXPECT_TRUE(listed(entries, L"readme.txt", false));
}

TEST(SkinFindFileDirectoryLister, AMissingFolderHasNoEntries) {
    skintest::TempFolder root;
    EXPECT_TRUE(FindFileDirectoryLister().entries((root.path() / L"absent").wstring()).empty());
}

} // namespace
