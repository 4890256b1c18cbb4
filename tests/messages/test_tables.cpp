// The host name tables: every row maps both ways, names exactly as the host spells them.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/qorcoreBuiltinMenuGroup.h"
#include "core/qorcoreMessageType.h"
#include "core/qorcoreNotifierType.h"
#include "utils/qorutilsMap.h"

namespace messagesTest_tables {

using qor::core::MessageType;
using qor::core::NotifierType;

TEST(MessageTypeTable, EveryRowMapsBothWays)
{
  qor::utils::Map<std::pair<std::string, std::string>, MessageType> forward;
  qor::core::fillMessageTypeMap(forward);
  ASSERT_EQ(forward.size(), 97u);
  std::set<int32_t> values;
  for (const auto& row : forward) {
    std::string caller = "stale", selector = "stale";
    ASSERT_TRUE(qor::core::messageTypeToCallerSelector(row.second, caller, selector)) << row.second;
    EXPECT_EQ(caller, row.first.first);
    EXPECT_EQ(selector, row.first.second);
    values.insert(row.second);
  }
  EXPECT_EQ(values.size(), 97u);
  EXPECT_EQ(*values.begin(), 10);
  EXPECT_EQ(*values.rbegin(), 960);
}

TEST(MessageTypeTable, RowsTheHostSpellsItsOwnWay)
{
  struct Case
  {
    const char* caller;
    const char* selector;
    int32_t type;
  };
  const Case cases[] = {
      {"AI File Format", "AI Set Parameters", 81},       {"AI Menu", "AI Go", 270},
      {"AI Clipboard", "AI Go", 40},                     {"AI Transform Again", "AI Go", 800},
      {"AI Menu", "AI Update", 280},                     {"AI Plugin Group", "AI Update", 400},
      {"AI Plugin Group", "AI Show Contents", 410},      {"AI Plugin Group", "AI Plugin Group Show Contents", 490},
      {"AI Notifier", "AI Notify", 290},                 {"AI Preference", "Preference Dialog Upadate", 530},
      {"SP Access", "Reload", 840},                      {"SP Access", "Unload", 860},
      {"SP Cache", "Plug-in Purge", 850},                {"AI Tool", "AI Alternate Selection Tool DeActivate", 670},
  };
  qor::utils::Map<std::pair<std::string, std::string>, MessageType> forward;
  qor::core::fillMessageTypeMap(forward);
  for (const Case& c : cases) {
    MessageType type = qor::core::NoMessageType;
    EXPECT_TRUE(forward.get({c.caller, c.selector}, type)) << c.caller << " / " << c.selector;
    EXPECT_EQ(type, c.type);
  }
  for (auto pair : {std::pair<std::string, std::string>{"AI Preference", "Preference Dialog Update"},
                    {"AI menu", "AI Go"},
                    {"AI Menu", "AI go"},
                    {"Plugin Command Manager", "AI Go"},
                    {"SP Interface", "Startup"}})
    EXPECT_FALSE(forward.contains(pair)) << pair.first << " / " << pair.second;
}

TEST(MessageTypeTable, ValuesOutsideTheTableLeaveTheStringsAlone)
{
  for (int32_t value : {-10, 0, 85, 970, 5}) {
    std::string caller = "keep", selector = "these";
    EXPECT_FALSE(qor::core::messageTypeToCallerSelector(static_cast<MessageType>(value), caller, selector));
    EXPECT_EQ(caller, "keep");
    EXPECT_EQ(selector, "these");
  }
}

TEST(NotifierTypeTable, EveryRowMapsBothWays)
{
  std::map<std::string, NotifierType> forwardStd;
  struct Inserter
  {
    std::map<std::string, NotifierType>& map;
    void insert(const std::string& key, NotifierType value) { EXPECT_TRUE(map.emplace(key, value).second) << key; }
  } inserter{forwardStd};
  qor::core::fillNotifierTypeMap(inserter);
  ASSERT_EQ(forwardStd.size(), 322u);
  std::set<int32_t> values;
  for (const auto& row : forwardStd) {
    EXPECT_EQ(qor::core::notifierTypeToName(row.second), row.first);
    values.insert(row.second);
  }
  EXPECT_EQ(values.size(), 322u);
}

TEST(NotifierTypeTable, NamesAndValuesOfTheSpecialRows)
{
  struct Case
  {
    int32_t type;
    const char* name;
  };
  const Case cases[] = {
      {225, "AI Document Saved Notifier"},
      {413, "AI Document View Edges Visibility Change Notifier"},
      {416, "AI Document View Title Changed Notifier"},
      {1493, "AI Command Notifier: Before Paste in Place"},
      {1498, "AI Command Notifier: After Paste in All Artboards"},
      {1540, "AI Command Notifier: After Alt/Option Drag Copy"},
      {1630, "AI Command Notifier: Before Selecte File 1"},
      {1000, "AI Command Notifier: Before About Illustrator"},
      {1710, "AI Command Notifier: Before Move Objects"},
      {3180, "AI Command Notifier: After Rasterize 8 menu item"},
      {830, "AI CSXS PlugPlug Setup Complete"},
      {930, "AI Slicing Changed"},
      {90, "AI Art Symbol Set Detailed Change Notifier"},
      {190, "AI Document Changed Notifier"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(qor::core::notifierTypeToName(static_cast<NotifierType>(c.type)), c.name) << c.type;
  EXPECT_EQ(qor::core::CommandAfterTransformRotateNotifierType, 1760);
  EXPECT_EQ(qor::core::AllPlugInsStartedNotifierType, 810);
  EXPECT_EQ(qor::core::SlicingChangedNotifierType, 930);
  for (int32_t value : {184, 185, 186, 187, 0, 970, 3190, 1545})
    EXPECT_EQ(qor::core::notifierTypeToName(static_cast<NotifierType>(value)), "") << value;
}

TEST(BuiltinMenuGroupTable, HostNamesByValue)
{
  using G = qor::core::BuiltinMenuGroup;
  struct Case
  {
    int32_t group;
    const char* name;
  };
  const Case cases[] = {
      {10, "About"},
      {450, "Objects Paths Popup"},
      {790, "Tool Palettes"},
      {870, "AIEdit Colors SubMenu Group"},
      {890, "Adobe Color Harmony Editor Menu Group"},
      {240, "SelectExternal"},
      {260, "SelectObject"},
      {610, "Type Plugins1"},
      {620, "Type Plugins2"},
      {930, "ScriptsMenuGroup"},
      {960, "WorkspacesPresetsMenuGroup"},
      {0, ""},
      {5, ""},
      {880, ""},
      {965, ""},
      {970, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(qor::core::builtinMenuGroupToName(static_cast<G>(c.group)), c.name) << c.group;
  EXPECT_EQ(qor::core::HelpBuiltinMenuGroup, 710);
  EXPECT_EQ(qor::core::AIEditColorsBuiltinMenuGroup, 870);
  EXPECT_EQ(qor::core::ScriptsBuiltinMenuGroup, 930);
  EXPECT_EQ(qor::core::AdobeLabsBuiltinMenuGroup, 810);
  int named = 0;
  for (int32_t v = 0; v <= 1000; ++v)
    named += qor::core::builtinMenuGroupToName(static_cast<G>(v)).empty() ? 0 : 1;
  EXPECT_EQ(named, 95);
}

} // namespace messagesTest_tables
