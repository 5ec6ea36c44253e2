// The per-user settings store and its factory of settings records.
#pragma once

#include <stdint.h>

#include <memory>
#include <vector>

#include "OptionsEntityBase.h"
#include "OptionsUser.h"
#include "foundation/ReentrantLock.h"
#include "foundation/TesselString.h"

/// Holds users, each with its settings records, and serialises them into one
/// buffer: int32 format version 1, then every user's record in list order.
///
/// Entities are created from their setting id (0-167) by CreateEntity. Save()
/// holds the store's lock; everything else belongs to the thread that owns the
/// store. The store owns its users.
class COptionsStore {
 public:
  static const int kMaxSettingId = 167;
  static const int32_t kFormatVersion = 1;

  COptionsStore();
  /// Deletes the users and their entities.
  virtual ~COptionsStore();

  /// The factory: a new entity of the kind of setting `id`, with this store as
  /// owner and `id` as setting id, appended to the current user unless it is a
  /// user (id 0) or there is no current user. Null for ids outside 0-167 or
  /// when memory runs out.
  COptionsEntityBase* CreateEntity(int id);

  /// Appends a user (taking ownership) and marks the store changed; false for null.
  bool AddUser(COptionsUser* user);
  int GetUserCount() const { return static_cast<int>(m_users.size()); }
  COptionsUser* GetUserAt(int index) const;
  /// The user that entities are created in and looked up from, or null.
  COptionsUser* GetCurrentUser() const { return m_currentUser; }
  /// Makes one of this store's users current (null for none); false for a
  /// user the store does not hold.
  bool SetCurrentUser(COptionsUser* user);

  /// Loads the record at *pos (bounded by `end`) into the entity of its setting
  /// id in the current user, creating it when missing; a user record adds a new
  /// user, which becomes current. False, with the store and *pos unchanged, for
  /// an unknown id, a type that is not the id's kind, a setting record without
  /// a current user, a user record among a user's records, or a truncated or
  /// corrupt record.
  bool LoadEntity(const unsigned char* buffer, int* pos, int end);

  /// Reads a whole settings buffer as Save() writes it: the version (1), then
  /// records until the end. False at the first record that does not load
  /// (records before it stay loaded).
  bool LoadBuffer(const unsigned char* buffer, int length);

  /// Dry run of `count` records at `pos` in a scratch store: true when all of
  /// them load within `end`. Nothing of any real store changes.
  static bool CheckRecords(const unsigned char* buffer, int pos, int end, int count);

  /// 4 + the users' record sizes.
  int GetSaveSize();

  /// Serialises every user and hands the buffer to WriteBuffer(). False without
  /// users or path, or when a part fails; the store stays marked changed
  /// unless the write succeeded.
  bool Save();

  void SetPath(const CTesselString& path) { m_path.Assign(path); }
  const CTesselString& GetPath() const { return m_path; }
  int32_t GetFormatVersion() const { return m_formatVersion; }
  bool IsDirty() const { return m_dirty; }
  void SetDirty() { m_dirty = true; }

  /// Setting 1 of the current user; false without it.
  bool GetWindowPosition(int* left, int* top, int* right, int* bottom) const;
  /// Setting 24; false without it.
  bool GetStatusBarVisible(bool* visible) const;
  /// Setting 111; false without it.
  bool GetQuickAccessBelowRibbon() const;
  /// Setting 112; true without it.
  bool GetRibbonMinimized() const;
  /// A boolean setting; true without it.
  bool GetBoolean(int id) const;

  /// Store a rectangle / boolean under `id` in the current user, creating the
  /// entity when missing, and mark the store changed. False without a current
  /// user, when `id` is not a setting of that kind, or when memory runs out.
  bool SetRectangle(int id, int left, int top, int right, int bottom);
  bool SetWindowPosition(int left, int top, int right, int bottom);
  bool SetBoolean(int id, int value);
  bool SetStatusBarVisible(int value);
  bool SetQuickAccessBelowRibbon(int value);
  bool SetRibbonMinimized(int value);

 protected:
  /// Persistence of the serialised buffer. The defaults write a file at the
  /// path (creating its folder) and use the C heap.
  virtual bool WriteBuffer(const CTesselString& path, const unsigned char* buffer, int length);
  virtual unsigned char* AllocateBuffer(int length);
  virtual void FreeBuffer(unsigned char* buffer);

 private:
  // An entity of the id's kind in the current user, created when missing;
  // null when it is of another kind (a new one is dropped again).
  COptionsEntityBase* FindOrCreate(int id, int32_t type);
  void Discard(COptionsEntityBase* entity);
  const COptionsEntityBase* FindCurrent(int id, int32_t type) const;

  CTesselString m_path;
  int32_t m_formatVersion;
  std::vector<std::unique_ptr<COptionsUser>> m_users;
  COptionsUser* m_currentUser;
  bool m_dirty;
  bool m_loadingUser;  // a user's records are being read: no user may come among them
  CReentrantLock m_lock;

  COptionsStore(const COptionsStore&) = delete;
  COptionsStore& operator=(const COptionsStore&) = delete;
};
