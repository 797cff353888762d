#include <gtest/gtest.h>

#include "config/data_paths.h"

namespace {

TEST(DataPaths, DataFilesReplaceTheExecutableName) {
    struct Case {
        const wchar_t* exe;
        const wchar_t* folder;
    };
    const Case cases[] = {
        {L"C:\\Program Files\\Mouse Tool\\Krello_Marrowin².exe", L"C:\\Program Files\\Mouse Tool\\"},
        {L"D:\\Spiele\\Mäuse Über\\鼠标 设置\\Krello_Marrowin².exe", L"D:\\Spiele\\Mäuse Über\\鼠标 设置\\"},
        {L"/home/user/my tools/mouse.exe", L"/home/user/my tools/"},
        {L"C:/mixed\\sep/arators\\a.b.exe", L"C:/mixed\\sep/arators\\"},
        {L"\\\\?\\C:\\x\\renamed.exe", L"\\\\?\\C:\\x\\"},
        {L"bare.exe", L""},
    };
    for (const Case& c : cases) {
        const DataPaths paths = dataPathsFromModulePath(c.exe);
        const std::wstring folder = c.folder;
        EXPECT_EQ(paths.exePath, c.exe);
        EXPECT_EQ(exeFolder(c.exe), folder);
        EXPECT_EQ(paths.configPath, folder + L"config.bin");
        EXPECT_EQ(paths.macroPath, folder + L"record.ini");
        EXPECT_EQ(paths.settingsPath, folder + L"str.ini");
    }
}

} // namespace
