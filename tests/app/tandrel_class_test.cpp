#include "app/tandrel_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/application.h"

namespace {

TEST(TandrelClass, ExtendsTheApplicationTableWithItsConstructor) {
    const fw::ClassRecord &record = Tandrel::ClassRecordOf();
    EXPECT_EQ(record.name, "Tandrel");
    EXPECT_EQ(record.base, &fw::Application::ClassRecordOf());
    std::vector<std::string> expected = fw::Application::ClassRecordOf().classTable;
    ASSERT_EQ(expected.size(), 18u);
    expected.emplace_back("Constructor");
    EXPECT_EQ(record.classTable, expected);
    EXPECT_TRUE(record.events.empty());

    fw::Ref<fw::Object> object = fw::RuntimeNewObject(record);
    EXPECT_NE(dynamic_cast<Tandrel *>(object.get()), nullptr);
    EXPECT_EQ(object->Class(), &record);
}

TEST(TandrelClass, ImplementsNoApplicationEvent) {
    fw::Ref<Tandrel> app = fw::NewObject<Tandrel>();
    for (const char *event : {"Activate", "AppearanceChanged", "CancelClose", "Close", "Deactivate", "EnableMenuItems",
                              "HandleAppleEvent", "NewDocument", "Open", "OpenDocument", "UnhandledException"})
        EXPECT_FALSE(app->IsEventImplemented(event)) << event;
}

} // namespace
