// What the player sees of the library before it starts anything: the header and the module record.

#include <cstring>

#include <gtest/gtest.h>

#include "tests/win/host_plugin_under_test.h"

TEST(PluginRecords, TheHeaderIsOneRecordOfVersion32) {
    const PluginUnderTest& plugin = PluginUnderTest::Get();
    DspHeader* first = plugin.Header();
    DspHeader* second = plugin.Header();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(first->version, 32);
    EXPECT_STREQ(first->description, "Velora");
    EXPECT_NE(first->getModule, nullptr);
}

TEST(PluginRecords, OnlyModuleZeroExistsAndEveryLookupRewritesTheRecord) {
    const PluginUnderTest& plugin = PluginUnderTest::Get();
    DspModule* (*getModule)(int32_t) = plugin.Header()->getModule;
    DspModule* module = getModule(0);
    ASSERT_NE(module, nullptr);
    const DspModule pristine = *module;
    EXPECT_STREQ(pristine.description, "Velora KKKDS enhancer");
    EXPECT_NE(pristine.Config, nullptr);
    EXPECT_NE(pristine.Init, nullptr);
    EXPECT_NE(pristine.ModifySamples, nullptr);
    EXPECT_NE(pristine.Quit, nullptr);

    for (const int32_t index : {1, -1, 0}) {
        SCOPED_TRACE(index);
        // As a player leaves the record after a start, and then some damage.
        module->hwndParent = reinterpret_cast<HWND>(0x1234);
        module->hDllInstance = reinterpret_cast<HINSTANCE>(0x5678);
        module->description = "damaged";
        module->Quit = nullptr;

        EXPECT_EQ(getModule(index), index == 0 ? module : nullptr);
        EXPECT_EQ(module->hwndParent, nullptr);
        EXPECT_EQ(module->hDllInstance, nullptr);
        EXPECT_EQ(std::memcmp(module, &pristine, sizeof pristine), 0);
    }
}
