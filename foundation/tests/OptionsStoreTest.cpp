#include "OptionsStore.h"

#include <gtest/gtest.h>

#include <string.h>

#include <functional>
#include <string>
#include <vector>

#include "OptionsEntityColorProfile.h"
#include "OptionsEntityInteger.h"
#include "OptionsEntityIntegerTupleList.h"
#include "OptionsEntityProjectString.h"
#include "OptionsEntityString.h"
#include "OptionsEntityStringMap.h"
#include "OptionsEntityWindowPosition.h"
#include "foundation/TextConversion.h"
#include "foundation/TimeUtilities.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes SaveOf(COptionsEntityBase& entity) {
  Bytes bytes(static_cast<size_t>(entity.GetSize()), 0xCD);
  int pos = 0;
  EXPECT_TRUE(entity.Save(bytes.data(), &pos));
  EXPECT_EQ(entity.GetSize(), pos) << "Save writes exactly GetSize() bytes";
  return bytes;
}

int32_t Int32At(const Bytes& bytes, size_t at) {
  int32_t value;
  memcpy(&value, bytes.data() + at, 4);
  return value;
}

void PutInt32(Bytes* bytes, size_t at, int32_t value) { memcpy(bytes->data() + at, &value, 4); }

// One entity of each kind, filled with values that differ from the defaults.
struct Sample {
  const char* name;
  int id;
  std::function<void(COptionsEntityBase*)> fill;
};

const Sample kSamples[] = {
    {"integer", 37,
     [](COptionsEntityBase* e) { static_cast<COptionsEntityInteger*>(e)->SetValue(-7); }},
    {"large integer", 12,
     [](COptionsEntityBase* e) {
       static_cast<COptionsEntityLargeInteger*>(e)->SetValue(0x123456789ALL);
     }},
    {"string", 14,
     [](COptionsEntityBase* e) { static_cast<COptionsEntityString*>(e)->SetValue("abc"); }},
    {"wide string", 16,
     [](COptionsEntityBase* e) {
       static_cast<COptionsEntityString*>(e)->SetValue(TesselFromWide(L"x\x00e9y"));
     }},
    {"boolean", 24,
     [](COptionsEntityBase* e) { static_cast<COptionsEntityBoolean*>(e)->SetValue(1); }},
    {"pane size", 13,
     [](COptionsEntityBase* e) { static_cast<COptionsEntityPaneSize*>(e)->SetValues(3, -4); }},
    {"window position", 1,
     [](COptionsEntityBase* e) {
       static_cast<COptionsEntityWindowPosition*>(e)->SetRect(1, 2, 300, 400);
     }},
    {"string map", 38,
     [](COptionsEntityBase* e) {
       auto map = static_cast<COptionsEntityStringMap*>(e);
       for (const char* key : {"ab", "", "key"}) {
         auto entry = new COptionsEntityStringMapEntity;
         entry->m_key = key;
         entry->m_value = TesselFromWide(L"v\x263a");
         entry->m_extra = -2;
         map->AddEntry(entry);
       }
     }},
    {"project strings", 15,
     [](COptionsEntityBase* e) {
       auto list = static_cast<COptionsEntityProjectString*>(e);
       auto entry = new COptionsEntityProjectStringEntity;
       entry->m_text = "c:\\project";
       entry->m_values[2] = 99;
       list->AddEntry(entry);
       list->AddEntry(new COptionsEntityProjectStringEntity);
     }},
    {"tuples", 28,
     [](COptionsEntityBase* e) {
       auto list = static_cast<COptionsEntityIntegerTupleList*>(e);
       list->AddTuple(1, 2, 3, 4);
       list->AddTuple(1, 2, 3, 5);
     }},
    {"file time", 53,
     [](COptionsEntityBase* e) {
       static_cast<COptionsEntityFileTime*>(e)->SetTime(0x01D9000012345678LL);
     }},
    {"colour profile", 91,
     [](COptionsEntityBase* e) {
       auto profiles = static_cast<COptionsEntityColorProfile*>(e);
       auto entry = new COptionsEntityColorProfileEntry;
       entry->m_name = "Night";
       entry->m_texts[0] = "one";
       entry->m_texts[5] = TesselFromWide(L"six");
       entry->m_strings.push_back(CTesselString("first"));
       entry->m_strings.push_back(CTesselString("second"));
       entry->m_values[3] = 42;
       entry->m_blocks[2][59] = 0x77;
       entry->m_flags[1] = 0;
       profiles->AddEntry(entry);
     }},
};

}  // namespace

TEST(OptionsStore, FactoryMakesTheKindOfEachId) {
  struct Case {
    int id;
    int type;  // -1: no entity
  } cases[] = {
      {0, 0},   {1, 7},   {11, 7},  {12, 2},  {13, 6},  {14, 4},   {15, 9},  {19, 2},    {21, 5},
      {24, 5},  {28, 10}, {37, 1},  {38, 8},  {53, 11}, {80, 8},   {91, 14}, {94, 6},    {111, 5},
      {112, 5}, {155, 6}, {166, 1}, {167, 7}, {165, 4}, {168, -1}, {-1, -1}, {1000, -1},
  };
  COptionsStore store;
  for (const Case& c : cases) {
    std::unique_ptr<COptionsEntityBase> entity(store.CreateEntity(c.id));
    if (c.type < 0) {
      EXPECT_EQ(nullptr, entity.get()) << c.id;
      continue;
    }
    ASSERT_NE(nullptr, entity.get()) << c.id;
    EXPECT_EQ(c.type, entity->GetType()) << c.id;
    EXPECT_EQ(c.id, entity->GetSettingId()) << c.id;
    EXPECT_EQ(&store, entity->GetOwner()) << c.id;
  }
}

TEST(OptionsStore, FactoryAppendsToTheCurrentUserButNotUsers) {
  COptionsStore store;
  auto user = static_cast<COptionsUser*>(store.CreateEntity(0));
  ASSERT_TRUE(store.AddUser(user));
  ASSERT_TRUE(store.SetCurrentUser(user));

  auto flag = static_cast<COptionsEntityBoolean*>(store.CreateEntity(24));
  ASSERT_NE(nullptr, flag);
  EXPECT_EQ(0, flag->GetValue());
  EXPECT_EQ(flag, user->FindEntity(24));

  std::unique_ptr<COptionsEntityBase> other(store.CreateEntity(0));
  EXPECT_EQ(1, user->GetEntityCount()) << "a user is appended to no user";
  EXPECT_EQ(1, store.GetUserCount());
}

TEST(OptionsStore, RecordSizesAndLayouts) {
  COptionsEntityString text;
  text.SetValue("abc");
  EXPECT_EQ(20, text.GetSize());
  COptionsEntityString empty;
  EXPECT_EQ(17, empty.GetSize());

  Bytes bytes = SaveOf(text);
  const unsigned char expected[] = {4, 0, 0, 0,   1,   0,   0, 0, 3, 0,
                                    0, 0, 0, 'a', 'b', 'c', 0, 0, 0, 0};
  EXPECT_EQ(Bytes(expected, expected + sizeof(expected)), bytes);

  COptionsEntityWindowPosition window;
  window.SetRect(1, 2, 3, 4);
  bytes = SaveOf(window);
  ASSERT_EQ(24u, bytes.size());
  EXPECT_EQ(7, Int32At(bytes, 0));
  for (int i = 0; i < 4; ++i) EXPECT_EQ(i + 1, Int32At(bytes, 8 + 4 * i));

  COptionsEntityLargeInteger large;
  large.SetValue(0x0000000200000001LL);
  bytes = SaveOf(large);
  EXPECT_EQ(1, Int32At(bytes, 8));
  EXPECT_EQ(2, Int32At(bytes, 12));

  COptionsEntityStringMap map;
  auto entry = new COptionsEntityStringMapEntity;
  entry->m_key = "ab";
  entry->m_value = "c";
  entry->m_extra = 5;
  map.AddEntry(entry);
  EXPECT_EQ(41, map.GetSize());
  bytes = SaveOf(map);
  EXPECT_EQ(1, Int32At(bytes, 8)) << "entry count";
  EXPECT_EQ(2, Int32At(bytes, 12)) << "key count";
  EXPECT_EQ(1, Int32At(bytes, 12 + 10)) << "value starts at stride(ab)";
  EXPECT_EQ('c', bytes[12 + 10 + 5]);
  EXPECT_EQ(5, Int32At(bytes, 12 + 21)) << "extra value after both reserves";

  COptionsEntityProjectStringEntity project;
  EXPECT_EQ(9 + 24, project.GetSize());
  COptionsEntityIntegerTupleList tuples;
  tuples.AddTuple(1, 2, 3, 4);
  EXPECT_EQ(28, tuples.GetSize());

  COptionsEntityColorProfileEntry profile;
  EXPECT_EQ(328 + 7 * 9, profile.GetSize());
  profile.m_name = "ab";
  profile.m_texts[3] = "q";  // text 4 follows the name
  Bytes raw(static_cast<size_t>(profile.GetSize()));
  int pos = 0;
  ASSERT_TRUE(profile.Save(raw.data(), &pos));
  EXPECT_EQ(1, raw[0]) << "flags default to 1";
  EXPECT_EQ(2, Int32At(raw, 264));
  EXPECT_EQ(1, Int32At(raw, 264 + 10)) << "text 4 one stride after the name";
  EXPECT_EQ('q', raw[264 + 10 + 5]);
}

TEST(OptionsStore, EveryKindRoundTripsThroughABuffer) {
  COptionsStore store;
  for (const Sample& sample : kSamples) {
    std::unique_ptr<COptionsEntityBase> original(store.CreateEntity(sample.id));
    ASSERT_NE(nullptr, original.get()) << sample.name;
    sample.fill(original.get());
    Bytes bytes = SaveOf(*original);

    std::unique_ptr<COptionsEntityBase> copy(store.CreateEntity(sample.id));
    copy->SetSettingId(1);
    int pos = 0;
    ASSERT_TRUE(copy->Load(bytes.data(), &pos, static_cast<int>(bytes.size()))) << sample.name;
    EXPECT_EQ(static_cast<int>(bytes.size()), pos) << sample.name;
    EXPECT_EQ(sample.id, copy->GetSettingId()) << sample.name;
    EXPECT_EQ(bytes, SaveOf(*copy)) << sample.name;
  }
}

TEST(OptionsStore, LoadedValuesMatch) {
  COptionsEntityColorProfile profiles;
  kSamples[11].fill(&profiles);
  Bytes bytes = SaveOf(profiles);
  COptionsEntityColorProfile copy;
  int pos = 0;
  ASSERT_TRUE(copy.Load(bytes.data(), &pos, static_cast<int>(bytes.size())));
  COptionsEntityColorProfileEntry* entry = copy.GetAt(0);
  ASSERT_NE(nullptr, entry);
  EXPECT_STREQ("Night", entry->m_name.GetText());
  EXPECT_STREQ("one", entry->m_texts[0].GetText());
  EXPECT_TRUE(entry->m_texts[5].IsWide());
  EXPECT_EQ(2u, entry->m_strings.size());
  EXPECT_EQ(42, entry->m_values[3]);
  EXPECT_EQ(0x77, entry->m_blocks[2][59]);
  EXPECT_EQ(0, entry->m_flags[1]);
  EXPECT_EQ(1, entry->m_flags[0]);
}

// A reader never looks past the end it is given: each record, cut short at
// every length, is refused with the entity and the position unchanged.
TEST(OptionsStore, TruncatedRecordsAreRefusedAndChangeNothing) {
  COptionsStore store;
  for (const Sample& sample : kSamples) {
    std::unique_ptr<COptionsEntityBase> original(store.CreateEntity(sample.id));
    sample.fill(original.get());
    Bytes bytes = SaveOf(*original);

    std::unique_ptr<COptionsEntityBase> target(store.CreateEntity(sample.id));
    Bytes before = SaveOf(*target);
    for (int end = 0; end < static_cast<int>(bytes.size()); ++end) {
      // Copy only `end` bytes so that a read past them is caught as well.
      Bytes cut(bytes.begin(), bytes.begin() + end);
      int pos = 0;
      EXPECT_FALSE(target->Load(cut.data(), &pos, end)) << sample.name << " cut at " << end;
      EXPECT_EQ(0, pos) << sample.name;
    }
    EXPECT_EQ(before, SaveOf(*target)) << sample.name;
  }
}

TEST(OptionsStore, CorruptCountsAndStringsAreRefused) {
  COptionsEntityString text;
  text.SetValue("abc");
  Bytes good = SaveOf(text);
  struct Case {
    const char* what;
    size_t at;
    int32_t value;
    bool byte;
  } cases[] = {
      {"negative string count", 8, -1, false},
      {"huge string count", 8, 0x7FFFFFFF, false},
      {"unknown width", 12, 7, true},
      {"unterminated string", 16, 'x', true},
      {"wrong type", 0, 5, false},
  };
  for (const Case& c : cases) {
    Bytes bad = good;
    if (c.byte)
      bad[c.at] = static_cast<unsigned char>(c.value);
    else
      PutInt32(&bad, c.at, c.value);
    COptionsEntityString target;
    target.SetValue("keep");
    int pos = 0;
    EXPECT_FALSE(target.Load(bad.data(), &pos, static_cast<int>(bad.size()))) << c.what;
    EXPECT_EQ(0, pos) << c.what;
    EXPECT_STREQ("keep", CTesselString(target.GetValue()).GetText()) << c.what;
  }

  COptionsEntityStringMap map;
  kSamples[7].fill(&map);
  Bytes bytes = SaveOf(map);
  PutInt32(&bytes, 8, -3);
  COptionsEntityStringMap target;
  int pos = 0;
  EXPECT_FALSE(target.Load(bytes.data(), &pos, static_cast<int>(bytes.size())))
      << "negative entry count";
  PutInt32(&bytes, 8, 4);
  EXPECT_FALSE(target.Load(bytes.data(), &pos, static_cast<int>(bytes.size())))
      << "count beyond the entries";
  EXPECT_EQ(0, target.GetCount());
}

TEST(OptionsStore, TupleListRefusesRepeatsWithoutAddingAny) {
  COptionsEntityIntegerTupleList list;
  list.AddTuple(1, 1, 1, 1);
  list.AddTuple(2, 2, 2, 2);
  list.AddTuple(3, 3, 3, 3);
  Bytes bytes = SaveOf(list);
  memcpy(bytes.data() + 12 + 32, bytes.data() + 12, 16);  // third tuple = first

  COptionsEntityIntegerTupleList target;
  int pos = 0;
  EXPECT_FALSE(target.Load(bytes.data(), &pos, static_cast<int>(bytes.size())));
  EXPECT_EQ(0, target.GetCount());
  EXPECT_EQ(0, pos);
  EXPECT_FALSE(target.AddTuple(5, 6, 7, 8) && target.AddTuple(5, 6, 7, 8));
  EXPECT_NE(nullptr, target.FindTuple(5, 6, 7, 8));
}

namespace {

// Keeps what Save hands to storage instead of writing a file.
class CapturingStore : public COptionsStore {
 public:
  bool WriteBuffer(const CTesselString&, const unsigned char* buffer, int length) override {
    m_written.assign(buffer, buffer + length);
    return m_writeSucceeds;
  }
  Bytes m_written;
  bool m_writeSucceeds = true;
};

}  // namespace

TEST(OptionsStore, SavesAnEmptyUserIn25Bytes) {
  CapturingStore store;
  store.SetPath("settings.bin");
  ASSERT_TRUE(store.AddUser(static_cast<COptionsUser*>(store.CreateEntity(0))));
  EXPECT_EQ(25, store.GetSaveSize());
  ASSERT_TRUE(store.Save());
  const unsigned char expected[] = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(Bytes(expected, expected + sizeof(expected)), store.m_written);
  EXPECT_FALSE(store.IsDirty());
  EXPECT_EQ(1, store.GetFormatVersion());
}

TEST(OptionsStore, SaveNeedsUsersAndPathAndKeepsChangesWhenWritingFails) {
  CapturingStore store;
  EXPECT_FALSE(store.Save()) << "no user";
  ASSERT_TRUE(store.AddUser(new COptionsUser));
  EXPECT_FALSE(store.Save()) << "no path";
  store.SetPath("settings.bin");
  store.m_writeSucceeds = false;
  EXPECT_FALSE(store.Save());
  EXPECT_TRUE(store.IsDirty());
}

namespace {

Bytes SavedStore(CapturingStore* store) {
  store->SetPath("settings.bin");
  auto user = static_cast<COptionsUser*>(store->CreateEntity(0));
  user->SetName("someone");
  store->AddUser(user);
  store->SetCurrentUser(user);
  for (const Sample& sample : kSamples) sample.fill(store->CreateEntity(sample.id));
  EXPECT_TRUE(store->Save());
  return store->m_written;
}

}  // namespace

TEST(OptionsStore, WholeStoreRoundTrips) {
  CapturingStore original;
  Bytes bytes = SavedStore(&original);

  CapturingStore loaded;
  ASSERT_TRUE(loaded.LoadBuffer(bytes.data(), static_cast<int>(bytes.size())));
  ASSERT_EQ(1, loaded.GetUserCount());
  COptionsUser* user = loaded.GetUserAt(0);
  EXPECT_EQ(user, loaded.GetCurrentUser());
  EXPECT_STREQ("someone", CTesselString(user->GetName()).GetText());
  EXPECT_EQ(static_cast<int>(sizeof(kSamples) / sizeof(kSamples[0])), user->GetEntityCount());
  loaded.SetPath("settings.bin");
  ASSERT_TRUE(loaded.Save());
  EXPECT_EQ(bytes, loaded.m_written);
}

TEST(OptionsStore, TruncatedStoreLoadsNoPartOfTheCutUser) {
  CapturingStore original;
  Bytes bytes = SavedStore(&original);
  for (int end = 5; end < static_cast<int>(bytes.size()); ++end) {
    Bytes cut(bytes.begin(), bytes.begin() + end);
    CapturingStore loaded;
    EXPECT_FALSE(loaded.LoadBuffer(cut.data(), end)) << end;
    EXPECT_EQ(0, loaded.GetUserCount()) << end;
    EXPECT_EQ(nullptr, loaded.GetCurrentUser()) << end;
  }
}

TEST(OptionsStore, LoadEntityRefusesAMismatchedType) {
  COptionsStore store;
  auto user = static_cast<COptionsUser*>(store.CreateEntity(0));
  store.AddUser(user);
  store.SetCurrentUser(user);

  COptionsEntityInteger integer;
  integer.SetSettingId(24);  // 24 is a boolean setting
  Bytes bytes = SaveOf(integer);
  int pos = 0;
  EXPECT_FALSE(store.LoadEntity(bytes.data(), &pos, static_cast<int>(bytes.size())));
  EXPECT_EQ(0, pos);
  EXPECT_EQ(0, user->GetEntityCount()) << "the entity made for the id is dropped again";

  integer.SetSettingId(168);
  bytes = SaveOf(integer);
  EXPECT_FALSE(store.LoadEntity(bytes.data(), &pos, static_cast<int>(bytes.size())));
}

TEST(OptionsStore, SettersAndGettersUseTheCurrentUser) {
  COptionsStore store;
  EXPECT_TRUE(store.GetBoolean(24)) << "default without a user";
  EXPECT_TRUE(store.GetRibbonMinimized());
  EXPECT_FALSE(store.GetQuickAccessBelowRibbon());
  EXPECT_FALSE(store.SetStatusBarVisible(1)) << "nowhere to keep it";
  bool visible = true;
  EXPECT_FALSE(store.GetStatusBarVisible(&visible));

  auto user = static_cast<COptionsUser*>(store.CreateEntity(0));
  store.AddUser(user);
  store.SetCurrentUser(user);
  ASSERT_TRUE(store.SetWindowPosition(10, 20, 30, 40));
  int l = 0, t = 0, r = 0, b = 0;
  ASSERT_TRUE(store.GetWindowPosition(&l, &t, &r, &b));
  EXPECT_EQ(10 + 20 + 30 + 40, l + t + r + b);
  EXPECT_EQ(40, b);

  ASSERT_TRUE(store.SetStatusBarVisible(0x100));  // only the low byte counts
  ASSERT_TRUE(store.GetStatusBarVisible(&visible));
  EXPECT_FALSE(visible);
  ASSERT_TRUE(store.SetRibbonMinimized(0));
  EXPECT_FALSE(store.GetRibbonMinimized());
  ASSERT_TRUE(store.SetQuickAccessBelowRibbon(1));
  EXPECT_TRUE(store.GetQuickAccessBelowRibbon());
  ASSERT_TRUE(store.SetBoolean(130, 0));
  EXPECT_FALSE(store.GetBoolean(130));

  int count = user->GetEntityCount();
  EXPECT_FALSE(store.SetBoolean(14, 1)) << "14 is a string setting";
  EXPECT_FALSE(store.SetRectangle(24, 1, 2, 3, 4)) << "24 is a boolean setting";
  EXPECT_EQ(count, user->GetEntityCount());
  EXPECT_TRUE(store.IsDirty());
}

// Save never puts a user inside a user; a buffer that does is corrupt, and
// reading it must neither recurse once per level nor re-check every level.
TEST(OptionsStore, UserInsideAUserIsRefusedPromptly) {
  for (int depth : {2, 40, 5000}) {
    SCOPED_TRACE(depth);
    Bytes bytes(4, 0);
    PutInt32(&bytes, 0, 1);
    for (int level = 0; level < depth; ++level) {
      Bytes user(21, 0);  // header {0, 0}, count, packed empty name
      PutInt32(&user, 8, level + 1 < depth ? 1 : 0);
      bytes.insert(bytes.end(), user.begin(), user.end());
    }
    const DWORD started = GetTickCount();
    COptionsStore store;
    EXPECT_FALSE(store.LoadBuffer(bytes.data(), static_cast<int>(bytes.size())));
    EXPECT_EQ(0, store.GetUserCount());
    EXPECT_EQ(nullptr, store.GetCurrentUser());
    EXPECT_LT(GetTickCount() - started, 2000u);
  }
}
