// The base of every settings record (an "entity").
#pragma once

#include <stdint.h>

class COptionsStore;

/// One setting: a record {int32 type code, int32 setting id} followed by the
/// kind's payload, little-endian, unaligned.
///
/// Readers take `end`, the number of valid bytes in the buffer; a record that
/// is truncated, corrupt or of another type makes them return false with the
/// entity and `*pos` unchanged. Writers write exactly GetSize() bytes at `*pos`
/// (the caller sizes the buffer) and advance `*pos` past them. A null buffer
/// (or null out/source) gives false everywhere. One thread at a time.
class COptionsEntityBase {
 public:
  /// Setting id 1 and no owner until the store's factory sets them.
  explicit COptionsEntityBase(int32_t typeCode = 0);
  virtual ~COptionsEntityBase();

  /// Record size in bytes (8 for the bare header).
  virtual int GetSize();

  /// Copies `length` bytes at *pos into `out` and advances; the first two
  /// int32 of `out` are the header. False when the record does not fit before
  /// `end`, is shorter than a header, or its type is not this entity's. The
  /// setting id is taken from the record.
  virtual bool ReadRecord(const unsigned char* buffer, int* pos, int end, void* out, int length);

  /// Copies `length` bytes at *pos into `out` and advances; false when they do
  /// not fit before `end`.
  virtual bool ReadBytes(const unsigned char* buffer, int* pos, int end, void* out, int length);

  /// Reads the record at *pos and advances past it.
  virtual bool Load(const unsigned char* buffer, int* pos, int end);

  /// Puts type and id into the first two int32 of `scratch`, then writes
  /// `length` bytes of it.
  virtual bool WriteRecord(unsigned char* buffer, int* pos, void* scratch, int length);

  /// Copies `length` bytes to buffer + *pos and advances.
  virtual bool WriteBytes(unsigned char* buffer, int* pos, const void* source, int length);

  /// Writes the record at *pos and advances past it.
  virtual bool Save(unsigned char* buffer, int* pos);

  int32_t GetType() const { return m_type; }
  int32_t GetSettingId() const { return m_settingId; }
  void SetSettingId(int32_t id) { m_settingId = id; }
  /// The store the entity belongs to (not owned), or null.
  COptionsStore* GetOwner() const { return m_owner; }
  void SetOwner(COptionsStore* owner) { m_owner = owner; }

 protected:
  /// Reads the header at `pos` without advancing; false when it does not fit or
  /// its type is not this entity's.
  bool PeekHeader(const unsigned char* buffer, int pos, int end, int32_t* id) const;
  /// Writes this entity's header at `pos`.
  void PutHeader(unsigned char* buffer, int pos) const;
  /// Marks the owner store changed, when there is one.
  void MarkOwnerDirty();

  /// Fixed-size kinds: the header followed by `count` int32 values.
  bool LoadValues(const unsigned char* buffer, int* pos, int end, int32_t* values, int count);
  bool SaveValues(unsigned char* buffer, int* pos, const int32_t* values, int count);

  int32_t m_type;
  int32_t m_settingId;
  COptionsStore* m_owner;

 private:
  COptionsEntityBase(const COptionsEntityBase&) = delete;
  COptionsEntityBase& operator=(const COptionsEntityBase&) = delete;
};
